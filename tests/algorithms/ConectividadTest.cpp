// The connectivity runs and the blocks as the person sees them: the trace pieces with their bold and colours,
// what is drawn, how the run ends, and the refusals; and all four against Boost.Graph on seeded random graphs
// of every type, from empty to 50 vertices, connected and not.
#include <QRegularExpression>
#include <boost/graph/biconnected_components.hpp>
#include <boost/graph/connected_components.hpp>
#include <random>
#include <set>

#include "algorithms/Conectividad.h"
#include "support/GrafoBoost.h"
#include "support/MundoEjecucion.h"

namespace {

using Trazas = std::vector<Pieza>;
const auto Camino = AristasCamino;

struct Conectividad : MundoEjecucion, ::testing::Test {
    // "EXISTE(N) k ..." as the counted runs open, then the rest.
    Trazas Cuenta(const QString& existe, int k, const QString& que, const Trazas& resto = {})
    {
        Trazas t{{existe, false, negro}, {QString::number(k), true, negro}, {que, false, negro}};
        t.insert(t.end(), resto.begin(), resto.end());
        return t;
    }
    // The trace of these blocks, each a vertex list as the line shows it.
    Trazas Bloques(const std::vector<QString>& bloques)
    {
        const int k = int(bloques.size());
        Trazas t = Cuenta(k == 1 ? "EXISTE " : "EXISTEN ", k, k == 1 ? " BLOQUE\r\n\r\n" : " BLOQUES\r\n\r\n");
        for (int b = 1; b <= k; ++b)
            t.insert(t.end(), {{"Bloque ", false, negro},
                               {QString::number(b), false, Color((b - 1) % 13 + 1)},
                               {": ", false, negro},
                               {bloques[b - 1] + "\r\n", false, Color((b - 1) % 13 + 1)}});
        return t;
    }
};

// Singular and plural, the bold and the colours, and the empty answers; the sets themselves are the
// oracle's.
TEST_F(Conectividad, CadaOrdenEscribeSuCuentaYSuLista)
{
    const Aristas triangulo{{1, 2}, {2, 3}, {1, 3}};
    // Blanks pad the bridges to multiples of 18 characters, line breaks counted.
    QString puentes;
    for (int k = 1; k <= 8; ++k)
        puentes += QStringLiteral("Arista (%1,%2)").arg(k).arg(k + 1).leftJustified(18);
    const struct {
        const char* control;
        int tipo, n;
        Aristas aristas;
        Trazas traza;
    } casos[] = {
        {"Componentes_conexas", 0, 3, Camino(3),
         Cuenta("EXISTE ", 1, " COMPONENTE CONEXA \r\n\r\n",
                {{"Componente  :  ", true, negro}, {"1 - 2 - 3\r\n", true, Color(1)}})},
        {"Componentes_conexas", 0, 0, {}, Cuenta("EXISTE ", 1, " COMPONENTE CONEXA \r\n\r\n")},
        {"Vértices_corte", 0, 3, Camino(3),
         Cuenta("EXISTE ", 1, " VÉRTICE CORTE\r\n\r\n", {{"Vértice Corte: ", true, negro}, {"2\r\n", true, Color(1)}})},
        // The isolated vertex 5 and the ends of the path are no cut vertices.
        {"Vértices_corte", 0, 5, Camino(4),
         Cuenta("EXISTEN ", 2, " VÉRTICES CORTE\r\n\r\n",
                {{"Vértices Corte: ", true, negro}, {"2, 3\r\n", true, Color(2)}})},
        {"Vértices_corte", 0, 3, triangulo, {{"NO EXISTEN VÉRTICES CORTE", true, negro}}},
        {"Aristas_Puente", 0, 10, Camino(10),
         Cuenta("EXISTEN ", 9, " ARISTAS PUENTE\r\n\r\n", {{puentes + "\r\nArista (9,10)   \r\n", true, Color(2)}})},
        {"Aristas_Puente",
         2,
         3,
         {{1, 2}, {2, 1}, {3, 2}},
         Cuenta("EXISTE ", 1, " ARISTA PUENTE\r\n\r\n", {{"Arista (3,2)      \r\n", true, Color(2)}})},
        {"Aristas_Puente", 2, 2, {{1, 2}, {2, 1}}, {{"NO EXISTEN ARISTAS PUENTE", true, negro}}},
        {"Bloques", 0, 3, triangulo, Bloques({" 1 2 3"})},
        {"Bloques", 0, 5, Pajarita, Bloques({" 3 4 5", " 1 2 3"})},
        {"Bloques", 0, 0, {}, {{"Grafo vacío; no contiene bloques", false, negro}}},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(testing::Message() << caso.control << " n " << caso.n << ", " << caso.aristas.size());
        Poner(caso.tipo, caso.n, caso.aristas);
        p.Ejecutar(caso.control);
        EXPECT_EQ(Piezas(), caso.traza);
        EXPECT_TRUE(Finalizada());
        p.Aceptar_Click();
    }
}

TEST_F(Conectividad, LoMarcadoLlevaElColorDeSuLinea)
{
    Poner(TipoGrafo::Simple, 3, Camino(3));
    p.Ejecutar("Componentes_conexas");
    EXPECT_EQ(ColorVertice(3), Color(1));
    EXPECT_EQ(LineasResaltadas(Color(1)), 2); // each edge once
    p.Aceptar_Click();
    p.Ejecutar("Vértices_corte");
    EXPECT_EQ(ColorVertice(2), Color(1));
    p.Aceptar_Click();
    Poner(TipoGrafo::Simple, 10, Camino(10));
    p.Ejecutar("Aristas_Puente");
    EXPECT_EQ(LineasResaltadas(QColor(0, 128, 0)), 9);
    p.Aceptar_Click();
    // Two triangles: each edge drawn from both ends in its block's colour.
    Poner(TipoGrafo::Simple, 5, Pajarita);
    p.Ejecutar("Bloques");
    EXPECT_EQ(LineasResaltadas(Color(1)), 6);
    EXPECT_EQ(LineasResaltadas(Color(2)), 6);
}

// The palette has 13 entries: component 14 and block 14 take entry 1 again.
TEST_F(Conectividad, LaLinea14VuelveAlColor1)
{
    Poner(TipoGrafo::Simple, 14, {});
    p.Ejecutar("Componentes_conexas");
    Trazas piezas = Piezas();
    ASSERT_EQ(piezas.size(), 3u + 2 * 14);
    EXPECT_EQ(piezas[1], (Pieza{"14", true, negro}));
    EXPECT_EQ(piezas[25], (Pieza{"12ª Componente  :  ", true, negro}));
    EXPECT_EQ(piezas[28], (Pieza{"13\r\n", true, Color(13)}));
    EXPECT_EQ(piezas[30], (Pieza{"14\r\n", true, Color(1)}));
    EXPECT_EQ(ColorVertice(14), Color(1));
    p.Aceptar_Click();

    Poner(TipoGrafo::Simple, 20, Camino(20));
    p.Ejecutar("Bloques");
    piezas = Piezas();
    ASSERT_EQ(piezas.size(), 3u + 4 * 19);
    EXPECT_EQ(piezas[3 + 4 * 13 + 1], (Pieza{"14", false, Color(1)}));
    EXPECT_EQ(piezas.back(), (Pieza{" 1 2\r\n", false, Color(6)}));
}

// Boruvka hands over labels that are not the lowest vertex.
TEST_F(Conectividad, ListasDeEtiquetasCualesquiera)
{
    std::vector<std::int16_t> lista{0, 3, 1, 3, 1, 2, 0, 7};
    EXPECT_EQ(ContarDistintos(lista), 3);
    EXPECT_EQ(lista, (std::vector<std::int16_t>{0, 3, 1, -1, -1, 2, 0, 7}));

    Poner(TipoGrafo::Simple, 5, {});
    p.Marco().PrepararEjecucion();
    Contexto c = Ctx();
    EscribirComponentes(c, 2, {0, 5, 5, 1, 5, 9, 0});
    EXPECT_EQ(Piezas(), (Trazas{{"1ª Componente  :  ", true, negro},
                                {"1 - 2 - 4\r\n", true, Color(1)},
                                {"2ª Componente  :  ", true, negro},
                                {"3\r\n", true, Color(2)}}));
}

using Enlaces = std::set<std::pair<int, int>>;

// Each biconnected component as its set of vertices (a lone vertex is a block of its own), and the bridges:
// the blocks of one edge. In a digraph the trace names the arc, and two opposite arcs are never a bridge.
std::pair<std::set<std::set<int>>, Enlaces> BloquesYPuentes(const Grafo& g, GrafoBoostSinSentido& b)
{
    std::vector<std::size_t> componente(boost::num_edges(b));
    auto mapa = boost::make_iterator_property_map(componente.begin(), boost::get(boost::edge_index, b));
    std::vector<std::set<int>> bloques(boost::biconnected_components(b, mapa));
    for (auto e : boost::make_iterator_range(boost::edges(b)))
        bloques[mapa[e]].insert({int(boost::source(e, b)) + 1, int(boost::target(e, b)) + 1});
    Enlaces puentes;
    for (const std::set<int>& bloque : bloques) {
        const int u = *bloque.begin(), v = *bloque.rbegin();
        const bool ida = g.elem_matriz(u, v) != 0, vuelta = g.elem_matriz(v, u) != 0;
        if (bloque.size() == 2 && !(ida && vuelta && g.Dirigido()))
            puentes.insert(ida ? std::pair{u, v} : std::pair{v, u});
    }
    if (boost::num_vertices(b) == 1)
        bloques.push_back({1});
    return {{bloques.begin(), bloques.end()}, puentes};
}

std::set<std::set<int>> BloquesDeLaTraza(const QString& traza)
{
    std::set<std::set<int>> bloques;
    static const QRegularExpression linea(QStringLiteral("Bloque \\d+: ([ \\d]+)\r\n"));
    for (const auto& m : linea.globalMatch(traza)) {
        std::set<int> bloque;
        for (const QString& v : m.captured(1).split(u' ', Qt::SkipEmptyParts))
            bloque.insert(v.toInt());
        bloques.insert(bloque);
    }
    return bloques;
}

TEST(ConectividadOraculo, ComponentesCortesPuentesYBloquesComoBoost)
{
    MundoEjecucion w;
    std::mt19937 azar(20240611);
    int casos[4] = {}; // connected, not connected, with cut vertices, with bridges
    for (int prueba = 0; prueba < 400; ++prueba) {
        // Mean degree 0.2 to 4: around the threshold where components, cut vertices and bridges all occur.
        const int tipo = prueba % 4, n = std::uniform_int_distribution<int>(0, 50)(azar);
        w.Poner(tipo, n, AristasAlAzar(azar, tipo, n, std::uniform_real_distribution(0.2, 4.0)(azar) / (n + 1), false));
        SCOPED_TRACE(testing::Message() << "prueba " << prueba << ", n " << n);
        const Grafo antes = w.p.grafo();
        GrafoBoostSinSentido b = ABoost<GrafoBoostSinSentido>(antes);
        std::vector<int> enBoost(n);
        const int k = n == 0 ? 0 : boost::connected_components(b, enBoost.data());
        std::vector<std::int16_t> etiquetas;
        Contexto c = w.Ctx();
        ASSERT_EQ(ComponentesConexas(c, &etiquetas), k);
        EXPECT_TRUE(w.p.Vista().areaHabilitada && w.lienzo.primitivas.empty()); // silent
        for (int v = 1; v <= n; ++v)                                            // the lowest vertex of the component
            ASSERT_EQ(etiquetas[v], std::find(enBoost.begin(), enBoost.end(), enBoost[v - 1]) - enBoost.begin() + 1);
        ++casos[k == 1 ? 0 : 1];

        std::vector<std::size_t> articulaciones;
        boost::articulation_points(b, std::back_inserter(articulaciones));
        std::vector<bool> esperados(Grafo::Limite + 1);
        for (std::size_t a : articulaciones)
            esperados[a + 1] = true;
        EXPECT_EQ(VerticesCorte(c), int(articulaciones.size()));
        EXPECT_TRUE(std::equal(esperados.begin() + 1, esperados.end(), w.p.Marco().Corte.begin() + 1));
        // Silent, yet in run mode until the caller ends the run.
        EXPECT_TRUE(w.p.trazaPanel().Texto().isEmpty() && !w.p.Vista().areaHabilitada);
        casos[2] += !articulaciones.empty();

        const auto [bloques, puentes] = BloquesYPuentes(antes, b);
        EXPECT_EQ(AristasPuente(c), int(puentes.size()));
        Enlaces enLaTraza;
        static const QRegularExpression arista(QStringLiteral("Arista \\((\\d+),(\\d+)\\)"));
        for (const auto& m : arista.globalMatch(w.p.trazaPanel().Texto()))
            enLaTraza.insert({m.captured(1).toInt(), m.captured(2).toInt()});
        EXPECT_EQ(enLaTraza, puentes);
        casos[3] += !puentes.empty();
        if (k == 1) {
            w.p.Aceptar_Click();
            w.p.Ejecutar(QStringLiteral("Bloques"));
            EXPECT_EQ(BloquesDeLaTraza(w.p.trazaPanel().Texto()), bloques);
        }
        EXPECT_TRUE(w.p.grafo() == antes);
        w.p.Aceptar_Click();
    }
    for (int caso : casos)
        EXPECT_GT(caso, 40);
}

} // namespace
