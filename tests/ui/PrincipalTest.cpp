// The main window's logic: start-up, open and save, the type list and the layout.
#include "algorithms/CatalogoOrdenes.h"
#include "support/Aristas.h"
#include "support/CarpetaPrueba.h"
#include "support/MundoPrincipal.h"

namespace {

struct PrincipalPrueba : ::testing::Test, MundoPrincipal, CarpetaPrueba {
    // A triangle of the given type saved to disk.
    QString Triangulo(int tipo, const char* nombre)
    {
        return Fichero(QString::fromUtf8(nombre), TextoDe(NombreTipo(tipo), 3, {{1, 2, 7}, {2, 3, 14}, {3, 1, 21}}));
    }
};

TEST_F(PrincipalPrueba, AlArrancarSoloSeOfreceEmpezar_AbrirHabilitaLoQueElGrafoPermite)
{
    EXPECT_TRUE(p.Vista().panelInicio && !p.Vista().areaVisible);
    Habilitados(true, {"Nuevo", "Abrir", EstadoComandos::Boton("Toolbar1", "abrir")});
    Habilitados(false, {"Guardar", "Añadir_Vertice", "Grafo_nulo", Control::Cambiar_peso});
    persona.nombresAbrir = {Triangulo(TipoGrafo::Ponderado, "tri.grf")};
    p.EjecutarBoton("Toolbar1", "abrir");
    EXPECT_EQ(p.Titulo(), QString("NODEVA: Algoritmos sobre Grafos - [tri.grf]"));
    EXPECT_TRUE(p.Vista().areaVisible && p.Vista().check1Visible && p.Vista().combo1 == 1);
    Habilitados(true, {Control::Cambiar_peso, Control::Ident_vertices, "Algoritmo_kruskal"});
    Habilitados(false, {Control::Añadir_Arista, "Prüfer"}); // the triangle is complete
    EXPECT_FALSE(p.Doc().GrafoModificado);
    EXPECT_TRUE(p.text_peq().toPlainText().isEmpty()) << "el aviso del botón abrir se borra";
}

TEST_F(PrincipalPrueba, AbrirRespondiendoNoNoCambiaNada_UnFicheroRechazadoDejaLaVentanaUsable)
{
    Empezar(TipoGrafo::Simple, {{1000, 1000}});
    p.Edicion().MouseMove(0, 1000, 1000);
    const Grafo antes = p.grafo();
    const QString bueno = Triangulo(TipoGrafo::Simple, "t.grf"), malo = Fichero("malo.grf", "Simple\r\n51\r\n");
    persona.nombresAbrir = {bueno};
    persona.respuestas = {Respuesta::No};
    p.EjecutarBoton("Toolbar1", "abrir");
    EXPECT_TRUE(p.grafo() == antes && p.Doc().NombreArchivo.isEmpty());

    persona.nombresAbrir = {malo};
    persona.respuestas = {Respuesta::Si};
    p.Ejecutar("Abrir");
    ASSERT_EQ(persona.mensajes.size(), 3u);
    EXPECT_EQ(persona.UltimoTexto(), QString("Matriz de adyacencia demasiado grande."));
    EXPECT_TRUE(p.grafo().dimen() == 0 && !p.Vista().areaVisible && Habilitado("Abrir"));
    // Nothing acts on the hidden area (adding a vertex would wait for a click on it, "¿Es euleriano?" would
    // judge a graph nobody sees): every command stands as at start-up, and no coordinates are shown.
    InteraccionGuion otra;
    const Principal inicio(otra);
    for (const EntradaMenu& e : EntradasMenu())
        EXPECT_EQ(Habilitado(e.control), inicio.Comandos().Habilitado(e.control)) << e.control.toStdString();
    for (const BotonBarra& b : BotonesBarra()) {
        const QString boton = EstadoComandos::Boton(b.barra, b.clave);
        EXPECT_EQ(Habilitado(boton), inicio.Comandos().Habilitado(boton)) << boton.toStdString();
    }
    EXPECT_TRUE(!p.Vista().etiquetas && p.Vista().coordX.isEmpty() && !p.Vista().check1Visible);

    persona.nombresAbrir = {bueno};
    p.Ejecutar("Abrir");
    EXPECT_EQ(persona.mensajes.size(), 3u) << "sin grafo no se pregunta nada";
    EXPECT_EQ(p.grafo().dimen(), 3);
}

// A rejected file is not a graph's file: saving asks for a name instead of writing over it, and a generator
// starts afresh with the area in view.
TEST_F(PrincipalPrueba, ElFicheroRechazadoNoSeSobrescribeYUnGeneradorVuelveAEmpezar)
{
    const QString malo = Fichero("apuntes.txt", "no es un grafo\r\n");
    Empezar(TipoGrafo::Simple);
    persona.nombresAbrir = {malo};
    p.Ejecutar("Abrir");
    ASSERT_EQ(persona.UltimoTexto(), QString("Fichero inexistente o formato incorrecto"));
    EXPECT_TRUE(p.Vista().areaVisible) << "no había grafo que cerrar";
    Vertice(1000, 1000);
    persona.nombresGuardar = {""};
    p.Ejecutar("Guardar");
    EXPECT_EQ(persona.nombrePropuesto, malo) << "se pregunta el nombre";
    QFile f(malo);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly) && f.readAll() == "no es un grafo\r\n");

    persona.respuestas = {Respuesta::Si};
    p.Ejecutar("Abrir"); // no name left: cancelled
    persona.nombresAbrir = {malo};
    p.Ejecutar("Abrir");
    ASSERT_FALSE(p.Vista().areaVisible);
    persona.guionNumero.push_back([](InsercionNºVert& d) { Teclear(d, "4\r"); });
    p.Ejecutar("Ciclo");
    EXPECT_TRUE(p.Vista().areaVisible && p.grafo().dimen() == 4 && p.Doc().NombreArchivo.isEmpty());
}

TEST_F(PrincipalPrueba, CambioDeTipoPreguntaYConvierte)
{
    Empezar(TipoGrafo::Digrafo, {{1000, 1000}, {3000, 1000}, {2000, 3000}});
    for (auto [a, b] : {std::pair{1, 2}, {2, 1}, {1, 3}})
        Arista(a, b);
    const Grafo antes = p.grafo();
    p.Combo1_Click(TipoGrafo::Digrafo);
    EXPECT_TRUE(persona.mensajes.empty()) << "el mismo tipo no pregunta";

    persona.respuestas = {Respuesta::No};
    p.Vista().combo1 = TipoGrafo::Ponderado; // the list shows the choice while the question is asked
    p.Combo1_Click(TipoGrafo::Ponderado);
    EXPECT_EQ(persona.UltimoTexto(), QString("¿Realmente desea cambiar el tipo de grafo a Ponderado?"));
    EXPECT_TRUE(p.grafo() == antes && p.Vista().combo1 == TipoGrafo::Digrafo);

    persona.respuestas = {Respuesta::Si};
    EXPECT_TRUE(Habilitado("Deshacer"));
    p.Combo1_Click(TipoGrafo::Ponderado);
    EXPECT_EQ(ArcosDe(p.grafo()), (Aristas{{1, 2, 2}, {1, 3, 1}}));
    EXPECT_TRUE(p.Vista().combo1 == TipoGrafo::Ponderado && p.Vista().check1Visible && p.Doc().GrafoModificado);
    // Undoing the arc 1 -> 3 now would leave half of the edge {1, 3}.
    EXPECT_FALSE(Habilitado("Deshacer"));
    p.Ejecutar("Deshacer");
    EXPECT_EQ(ArcosDe(p.grafo()), (Aristas{{1, 2, 2}, {1, 3, 1}}));
}

TEST_F(PrincipalPrueba, LaVentanaNoEncogeBajoElMinimoYElPanelCreceConLaAltura)
{
    const Disposicion& d = p.Form_Resize(8000, 5000);
    EXPECT_EQ(std::tuple(d.ancho, d.alto, d.textoPeq.alto, d.areaTrabajo.ancho), std::tuple(10520, 6500, 1080, 10320));
    EXPECT_EQ(p.Form_Resize(12000, 10000).textoPeq.alto, 1665);
    EXPECT_EQ(p.Geometria().areaTrabajo.alto, 10000 - 600 - 1665 - 720 - 50);
    EXPECT_NEAR(p.Superficie().Ancho(), 12000 - 200, 15) << "la imagen tiene píxeles enteros";
}

// What a command leaves behind decides the commands that follow it: the tree of a Prüfer code has vertices to
// merge; Escape leaves a colouring order being clicked, with the menus and the drawing as they were.
TEST_F(PrincipalPrueba, TrasUnaOrdenCadaMandoSigueSuPropiaRegla)
{
    Empezar(TipoGrafo::Simple, {{1000, 1000}});
    ASSERT_FALSE(Habilitado(Control::Ident_vertices));
    Parametros codigo;
    codigo.lista = {2};
    p.EjecutarOrdenCompleta(*OrdenPorControl(Control::Prufer_Decoding), codigo);
    p.Aceptar_Click();
    EXPECT_EQ(p.grafo().dimen(), 3);
    Habilitados(true, {Control::Ident_vertices, Control::Boton_unir_vert_desact});

    const QImage antes = p.Area().Imagen().copy();
    p.Ejecutar(Control::mnu_Secuencial_intro_ord);
    ASSERT_TRUE(p.OrdenUsuario().Activa() && !Alcanzable(p, "Nuevo"));
    Clic(p.grafo().Posic_CoordX(2), p.grafo().Posic_CoordY(2));
    p.Edicion().PunteroFuera();
    p.Escape();
    EXPECT_TRUE(!p.OrdenUsuario().Activa() && Alcanzable(p, "Nuevo") && Alcanzable(p, Control::mnu_Brelaz));
    EXPECT_TRUE(p.text_peq().isEmpty() && p.Vista().textoHabilitado);
    EXPECT_TRUE(p.Area().Imagen() == antes) << "el vértice elegido deja de verse elegido";
}

} // namespace
