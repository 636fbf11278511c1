// The main window's logic: start-up, open and save, the type list, the
// layout and the return from a run.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "files/Escritor.h"
#include "support/MundoPrincipal.h"

namespace {

struct PrincipalPrueba : ::testing::Test, MundoPrincipal {
    QTemporaryDir dir;

    QString Fichero(const char* nombre, const QByteArray& bytes)
    {
        const QString ruta = dir.filePath(QString::fromUtf8(nombre));
        QFile f(ruta);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return ruta;
    }
    // A triangle of the given type saved to disk.
    QString Triangulo(int tipo, const char* nombre)
    {
        Grafo g;
        g.InsertarTipo(NombreTipo(tipo));
        for (int i = 1; i <= 3; ++i) {
            g.AñadirVertice(static_cast<std::int16_t>(1000 * i), static_cast<std::int16_t>(800 + 400 * (i % 2)));
            g.InsertarMatriz(i, i % 3 + 1, static_cast<std::int16_t>(7 * i));
            if (!g.Dirigido())
                g.InsertarMatriz(i % 3 + 1, i, static_cast<std::int16_t>(7 * i));
            g.IncrementarNumAristas();
        }
        const QString ruta = dir.filePath(QString::fromUtf8(nombre));
        EXPECT_TRUE(EscribirGrafo(ruta, g));
        return ruta;
    }
};

TEST_F(PrincipalPrueba, AlArrancarSoloSeOfreceEmpezar)
{
    EXPECT_EQ(p.Titulo(), QString(" NODEVA: Algoritmos sobre Grafos"));
    EXPECT_TRUE(p.Vista().panelInicio);
    EXPECT_FALSE(p.Vista().areaVisible);
    EXPECT_FALSE(p.Vista().check1Visible);
    for (const char* c : {"Nuevo", "Abrir", "Salir", "Acerca", "ay_nodeva"})
        EXPECT_TRUE(Habilitado(QString::fromUtf8(c))) << c;
    for (const char* c : {"Guardar", "Imprimir", "Añadir_Vertice", "Centrar", "Grafo_nulo", "Estadísticas"})
        EXPECT_FALSE(Habilitado(QString::fromUtf8(c))) << c;
    EXPECT_TRUE(Habilitado(EstadoComandos::Boton("Toolbar1", "abrir")));
    EXPECT_FALSE(Habilitado(EstadoComandos::Boton("Toolbar1", "guardar")));
}

TEST_F(PrincipalPrueba, AbrirUnFicheroHabilitaLoQueElGrafoPermite)
{
    const QString ruta = Triangulo(TipoGrafo::Ponderado, "tri.grf");
    persona.nombresAbrir = {ruta};
    p.EjecutarBoton("Toolbar1", "abrir");
    EXPECT_EQ(p.grafo().dimen(), 3);
    EXPECT_EQ(p.Titulo(), QString("NODEVA: Algoritmos sobre Grafos - [tri.grf]"));
    EXPECT_EQ(persona.filtroVisto, QString("Grafo (*.grf)|*.grf|Texto (*.txt)|*.txt"));
    EXPECT_TRUE(p.Vista().areaVisible);
    EXPECT_TRUE(p.Vista().check1Visible);
    EXPECT_EQ(p.Vista().combo1, 1);
    EXPECT_FALSE(Habilitado(Control::Añadir_Arista)) << "el triángulo es completo";
    EXPECT_TRUE(Habilitado(Control::Cambiar_peso));
    EXPECT_TRUE(Habilitado(Control::Ident_vertices));
    EXPECT_TRUE(Habilitado(Control::Matriz_adyacencia));
    EXPECT_TRUE(Habilitado("Algoritmo_kruskal"));
    EXPECT_FALSE(Habilitado("Prüfer"));
    EXPECT_FALSE(p.Doc().GrafoModificado);
    EXPECT_TRUE(p.text_peq().toPlainText().isEmpty()) << "el aviso del botón abrir se borra";
}

TEST_F(PrincipalPrueba, UnFicheroRechazadoDejaLaVentanaUsable)
{
    Empezar(TipoGrafo::Simple);
    Vertice(1000, 1000);
    persona.nombresAbrir = {Fichero("malo.grf", "Simple\r\n51\r\n")};
    persona.respuestas = {Respuesta::Si};
    p.Ejecutar("Abrir");
    ASSERT_EQ(persona.mensajes.size(), 2u);
    EXPECT_EQ(persona.mensajes[0].texto, QString("¿Realmente desea cerrar el grafo actual?"));
    EXPECT_EQ(persona.mensajes[1].texto, QString("Matriz de adyacencia demasiado grande."));
    EXPECT_EQ(p.grafo().dimen(), 0);
    EXPECT_FALSE(p.Vista().areaVisible);
    EXPECT_TRUE(Habilitado("Nuevo"));
    EXPECT_TRUE(Habilitado("Abrir"));

    persona.nombresAbrir = {Triangulo(TipoGrafo::Simple, "bueno.grf")};
    p.Ejecutar("Abrir");
    EXPECT_EQ(persona.mensajes.size(), 2u) << "sin grafo no se pregunta nada";
    EXPECT_EQ(p.grafo().dimen(), 3);
}

TEST_F(PrincipalPrueba, AbrirRespondiendoNoNoCambiaNada)
{
    Empezar(TipoGrafo::Simple);
    Vertice(1000, 1000);
    const Grafo antes = p.grafo();
    persona.nombresAbrir = {Triangulo(TipoGrafo::Simple, "t.grf")};
    persona.respuestas = {Respuesta::No};
    p.EjecutarBoton("Toolbar1", "abrir");
    EXPECT_TRUE(p.grafo() == antes);
    EXPECT_TRUE(p.Doc().NombreArchivo.isEmpty());
    EXPECT_FALSE(p.text_peq().toPlainText().isEmpty()) << "el aviso sigue";
}

TEST_F(PrincipalPrueba, CambioDeTipoPreguntaYConvierte)
{
    Empezar(TipoGrafo::Digrafo);
    Vertice(1000, 1000);
    Vertice(3000, 1000);
    Vertice(2000, 3000);
    Arista(1, 2);
    Arista(2, 1);
    Arista(1, 3);
    const Grafo antes = p.grafo();

    p.Combo1_Click(TipoGrafo::Digrafo);
    EXPECT_TRUE(persona.mensajes.empty()) << "el mismo tipo no pregunta";

    persona.respuestas = {Respuesta::No};
    p.Combo1_Click(TipoGrafo::Ponderado);
    EXPECT_EQ(persona.UltimoTexto(), QString("¿Realmente desea cambiar el tipo de grafo a Ponderado?"));
    EXPECT_EQ(persona.mensajes.back().botones, Botones::SiNo);
    EXPECT_TRUE(p.grafo() == antes);
    EXPECT_EQ(p.Vista().combo1, TipoGrafo::Digrafo);

    persona.respuestas = {Respuesta::Si};
    p.Combo1_Click(TipoGrafo::Ponderado);
    EXPECT_EQ(p.grafo().Tipo(), TipoGrafo::Ponderado);
    EXPECT_EQ(p.grafo().elem_matriz(1, 2), 2);
    EXPECT_EQ(p.grafo().elem_matriz(3, 1), 1);
    EXPECT_EQ(p.Vista().combo1, TipoGrafo::Ponderado);
    EXPECT_TRUE(p.Vista().check1Visible);
    EXPECT_TRUE(p.Doc().GrafoModificado);

    persona.respuestas = {Respuesta::Si};
    p.Combo1_Click(TipoGrafo::Digrafo_Ponderado);
    EXPECT_EQ(persona.UltimoTexto(), QString("¿Realmente desea cambiar el tipo de grafo a Digrafo Ponderado?"));
    EXPECT_EQ(p.grafo().numero_aristas(), 4);
    EXPECT_TRUE(Habilitado("Algoritmo_dijkstra"));
}

TEST_F(PrincipalPrueba, GuardarComoPoneElNombreEnElTitulo)
{
    Empezar(TipoGrafo::Simple);
    Vertice(1000, 1000);
    const QString ruta = dir.filePath("k1.grf");
    persona.nombresGuardar = {ruta};
    p.Ejecutar("Guardar_Como");
    EXPECT_EQ(p.Titulo(), QString("NODEVA: Algoritmos sobre Grafos - [k1.grf]"));
    EXPECT_FALSE(p.Doc().GrafoModificado);
    EXPECT_EQ(persona.UltimoTexto(), QString("Fichero K1.GRF Guardado"));
    EXPECT_TRUE(QFile::exists(ruta));
}

TEST_F(PrincipalPrueba, LaVentanaNoEncogeBajoElMinimoYElPanelCreceConLaAltura)
{
    const Disposicion& d = p.Form_Resize(8000, 5000);
    EXPECT_EQ(d.ancho, 10520);
    EXPECT_EQ(d.alto, 6500);
    EXPECT_EQ(d.textoPeq.alto, 1080);
    EXPECT_EQ(d.areaTrabajo.ancho, 10320);
    EXPECT_EQ(p.Form_Resize(12000, 10000).textoPeq.alto, 1275);
    EXPECT_EQ(p.Geometria().areaTrabajo.alto, 10000 - 600 - 1275 - 720 - 50);
    EXPECT_NEAR(p.Superficie().Ancho(), 12000 - 200, 15) << "la imagen tiene píxeles enteros";
}

TEST_F(PrincipalPrueba, AceptarDevuelveLaVentanaALaEdicion)
{
    Empezar(TipoGrafo::Simple);
    Vertice(1000, 1000);
    Vertice(3000, 1000);
    p.HabilitarMenus(false);
    p.HabilitarBarras(false);
    p.Vista().aceptarVisible = true;
    p.text_peq().setPlainText("traza");
    p.Aceptar_Click();
    EXPECT_TRUE(Habilitado("Archivo"));
    EXPECT_TRUE(Habilitado("Combo1"));
    EXPECT_TRUE(Habilitado("Toolbar1"));
    EXPECT_TRUE(Habilitado(Control::Añadir_Arista));
    EXPECT_FALSE(p.Vista().aceptarVisible);
    EXPECT_TRUE(p.text_peq().toPlainText().isEmpty());
    EXPECT_EQ(p.Geometria().textoPeq.ancho, p.Geometria().ancho - 200);
}

} // namespace
