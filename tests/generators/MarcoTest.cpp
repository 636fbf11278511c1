// The frame around the families: the menu command asks to drop the graph in hand, shows each number dialog
// with its caption, prompt and bound (cancel stops), builds in the type chosen, gives random weights when
// they are ticked and switches the window's commands; the refusals with a message.
#include <QTemporaryDir>
#include <set>

#include "Propiedades.h"
#include "generators/Formas.h"
#include "generators/HararyArbol.h"
#include "support/EntornoPrueba.h"
#include "support/MundoPrincipal.h"

using namespace generados;

namespace {

// What a number dialog showed: caption, prompt, "(máximo N)" and N.
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

Dialogo D(const QString& titulo, const QString& indicacion, int maximo)
{
    return {titulo, indicacion, QStringLiteral("(máximo %1)").arg(maximo), maximo};
}

const QString Izq = "Vértices en el lado izquierdo: ", Der = "Vértices en el lado derecho: ",
              Inf = "Vértices en el lado inferior: ", Tri = "Grafo Completo Tripartido",
              Bip = "Grafo Completo Bipartido", Rect = "Rejilla en Rectángulo",
              Enl = "Grafo Enlazado L(n,r,s)";

// clang-format off
const std::vector<std::tuple<QString, Numeros, std::vector<Dialogo>>> Filas = {
    {"Estrella", {5}, {D("Forma: Estrella", "Número total de vértices: ", 50)}},
    {"Grafo_completo_bipartido", {20, 3}, {D(Bip, "Vértices en el lado izquierdo:", 20), D(Bip, Der, 20)}},
    {"Grafo_completo_tripartido", {20, 10, 20}, {D(Tri, Izq, 20), D(Tri, Der, 20), D(Tri, Inf, 20)}},
    {"Grafo_completo_tripartido", {5, 5, 25}, {D(Tri, Izq, 20), D(Tri, Der, 20), D(Tri, Inf, 25)}},
    {"Rectangulo", {25, 2}, {D(Rect, "Nº de vértices en horizontal: ", 25),
                             D(Rect, "Nº de vértices en vertical: ", 2)}},
    {"Triángulo", {9}, {D("Rejilla en Triángulo", "Número de niveles de altura: ", 9)}},
    {"L_n_r_s", {5, 2, 1}, {D(Enl, "Número total de vértices: ", 50),
                            D(Enl, "Nº de vértices del enlace r: ", 2), D(Enl, "Nº de vértices del enlace s: ", 2)}},
    {"Harary", {6, 5}, {D("Grafos de Harary", "Número total de vértices, n: ", 50),
                        D("Grafos de Harary", "Conectividad del grafo, k: ", 5)}},
    {"Árbol_nario_completo", {3, 3}, {D("Árbol", "Anchura del Árbol: ", 35),
                                      D("Árbol: ", "Profundidad del Árbol: ", 3)}},
};
// clang-format on

} // namespace

TEST(MarcoGenerador, CadaDialogoConSuTituloIndicacionYCota)
{
    for (const auto& [control, numeros, dialogos] : Filas) {
        SCOPED_TRACE(control.toStdString());
        MundoPrincipal m;
        m.Empezar(TipoGrafo::Simple);
        std::vector<Dialogo> vistos;
        Responder(m.persona, vistos, numeros);
        ASSERT_TRUE(m.p.Ejecutar(control));
        EXPECT_EQ(vistos, dialogos);
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
    m.Habilitados(true, {Matriz_adyacencia, Boton_matriz_adyacencia, Estadísticas, Añadir_Arista, Ident_vertices,
                         Cambiar_peso});
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
    EXPECT_NE(CargarForma(g, Area, Forma::IcosaedroNoPlano, {vacia.path()}), 0);
    EXPECT_NE(ArbolNarioCompleto(g, Area, 7, 2), 0);
    ASSERT_EQ(entorno.interaccion.mensajes.size(), 3u);
    const auto& [tutte, icosaedro, arbol] = std::tie(entorno.interaccion.mensajes[0], entorno.interaccion.mensajes[1],
                                                     entorno.interaccion.mensajes[2]);
    EXPECT_TRUE(tutte.texto == "No se ha encontrado el fichero TUTTE.DAT." && tutte.icono == Icono::Critico);
    EXPECT_EQ(icosaedro.texto, "No se ha encontrado el fichero ICOSA_NP.DAT.");
    EXPECT_TRUE(arbol.texto == "Demasiados vértices; no se permiten más de 50." && arbol.titulo == "ERROR" &&
                arbol.icono == Icono::Critico && g.dimen() == 0);
}
