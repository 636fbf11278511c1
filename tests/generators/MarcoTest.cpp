// The frame around the families: the menu command asks to drop the graph in hand, shows each number dialog
// with its caption, prompt and bound (cancel stops), builds in the type chosen, gives random weights when
// they are ticked and switches the window's commands; the refusals with a message.
#include <QTemporaryDir>
#include <set>

#include "Propiedades.h"
#include "generators/Catalogo.h"
#include "generators/Formas.h"
#include "generators/HararyArbol.h"
#include "support/MundoPrincipal.h"

using namespace generados;

namespace {

// What a number dialog showed: caption, prompt, bound line and bound.
using Dialogo = std::tuple<QString, QString, QString, int>;

// Types each number into its dialog (0: cancel), noting what the dialog showed.
void Responder(InteraccionGuion& persona, std::vector<Dialogo>& vistos, const Numeros& numeros)
{
    for (int numero : numeros)
        persona.guionNumero.push_back([&vistos, numero](InsercionNºVert& d) {
            vistos.emplace_back(d.Titulo, d.Indicacion, d.Rango, d.ValorMaximo);
            if (numero > 0)
                Teclear(d, QString::number(numero) + QChar(CodigoTecla::Intro));
            else
                d.Cancelar();
        });
}

} // namespace

// Each dialog shows its question's caption and prompt from the catalogue, and a bound that follows the
// numbers typed before it.
TEST(MarcoGenerador, CadaDialogoConSuTituloIndicacionYCota)
{
    const std::tuple<QString, Numeros, Numeros> filas[] = {
        {"Grafo_completo_tripartido", {20, 10, 20}, {20, 20, 20}},
        {"Grafo_completo_tripartido", {5, 5, 25}, {20, 20, 25}},
        {"Rectangulo", {25, 2}, {25, 2}},
        {"L_n_r_s", {5, 2, 1}, {50, 2, 2}},
        {"Harary", {6, 5}, {50, 5}},
        {"Árbol_nario_completo", {3, 3}, {35, 3}},
    };
    for (const auto& [control, numeros, maximos] : filas) {
        SCOPED_TRACE(control.toStdString());
        MundoPrincipal m;
        m.Empezar(TipoGrafo::Simple);
        std::vector<Dialogo> vistos, esperados;
        Responder(m.persona, vistos, numeros);
        ASSERT_TRUE(m.p.Ejecutar(control));
        const auto& preguntas = BuscarGenerador(control)->preguntas;
        for (std::size_t k = 0; k < maximos.size(); ++k)
            esperados.emplace_back(preguntas.at(k).titulo, preguntas.at(k).indicacion,
                                   QStringLiteral("(máximo %1)").arg(maximos[k]), maximos[k]);
        EXPECT_EQ(vistos, esperados);
        EXPECT_GT(m.p.grafo().numero_aristas(), 0);
    }
}

TEST(MarcoGenerador, LaCotaDeProfundidadSegunLaAnchura)
{
    const std::pair<int, int> tabla[] = {{1, 1}, {2, 4}, {3, 3}, {4, 2}, {5, 2}, {6, 2}, {7, 1}, {35, 1}};
    for (auto [anchura, profundidad] : tabla)
        EXPECT_EQ(ProfundidadMaxima(anchura), profundidad) << anchura;
}

TEST(MarcoGenerador, DeclinarOCancelarNoConstruyeNada)
{
    MundoPrincipal m;
    m.Empezar(TipoGrafo::Simple);
    m.Vertice(1000, 1000);
    m.persona.respuestas = {Respuesta::No};
    EXPECT_TRUE(m.p.Ejecutar("Petersen"));
    EXPECT_EQ(m.p.grafo().dimen(), 1);

    std::vector<Dialogo> vistos;
    Responder(m.persona, vistos, {8, 0});
    m.persona.respuestas = {Respuesta::Si};
    EXPECT_TRUE(m.p.Ejecutar("L_n_r"));
    EXPECT_TRUE(vistos.size() == 2u && m.p.grafo().dimen() == 0 && m.p.grafo().numero_aristas() == 0);
}

TEST(MarcoGenerador, PesosAleatoriosYEstadoDeLaVentana)
{
    MundoPrincipal m;
    m.Empezar(TipoGrafo::Ponderado);
    m.p.Check1_Click(true);
    ASSERT_TRUE(m.p.Ejecutar("Petersen"));
    const Grafo& g = m.p.grafo();
    // Drawn anew for each edge (their range and symmetry are the record's test).
    std::set<int> pesos;
    for (int a = 1; a <= 10; ++a)
        for (int b = 1; b <= 10; ++b)
            pesos.insert(g.elem_matriz(a, b));
    EXPECT_GT(pesos.size(), 5u);
    using namespace Control;
    m.Habilitados(
        true, {Matriz_adyacencia, Boton_matriz_adyacencia, Estadísticas, Añadir_Arista, Ident_vertices, Cambiar_peso});
    EXPECT_EQ(m.p.Comandos().Imagen(Boton_cambiar_peso), ImagenBoton::CambiarPesoActiva);
    EXPECT_EQ(m.p.Comandos().Imagen(Boton_unir_vert_desact), ImagenBoton::UnirVerticesActiva);

    // A complete graph leaves no edge to add.
    m.persona.respuestas = {Respuesta::Si};
    std::vector<Dialogo> vistos;
    Responder(m.persona, vistos, {50});
    ASSERT_TRUE(m.p.Ejecutar("Grafo_completo"));
    EXPECT_TRUE(m.p.grafo().numero_aristas() == 1225 && !m.Habilitado(Añadir_Arista));
    EXPECT_EQ(m.p.Comandos().Imagen(Boton_añadir_arista), ImagenBoton::AñadirAristaInactiva);
}

TEST(MarcoGenerador, RechazosConMensaje)
{
    EntornoPrueba entorno;
    Grafo g(entorno.Entorno());
    QTemporaryDir vacia;
    EXPECT_NE(CargarForma(g, Area, Forma::Tutte, {vacia.path()}), 0);
    EXPECT_NE(ArbolNarioCompleto(g, Area, 7, 2), 0);
    ASSERT_EQ(entorno.interaccion.mensajes.size(), 2u);
    const MensajeVisto &tutte = entorno.interaccion.mensajes[0], &arbol = entorno.interaccion.mensajes[1];
    EXPECT_TRUE(tutte.texto == "No se ha encontrado el fichero TUTTE.DAT." && tutte.icono == Icono::Critico);
    EXPECT_TRUE(arbol.texto == "Demasiados vértices; no se permiten más de 50." && arbol.titulo == "ERROR" &&
                arbol.icono == Icono::Critico && g.dimen() == 0);
}
