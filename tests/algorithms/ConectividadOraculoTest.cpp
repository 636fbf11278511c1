// Components, cut vertices, bridges and blocks against Boost.Graph on seeded random
// graphs of every type, from empty to 50 vertices, connected and not.
#include <QRegularExpression>
#include <boost/graph/adjacency_list.hpp>
#include <boost/graph/biconnected_components.hpp>
#include <boost/graph/connected_components.hpp>
#include <random>
#include <set>

#include "algorithms/Conectividad.h"
#include "algorithms/MundoConectividad.h"

namespace {

using GrafoBoost = boost::adjacency_list<boost::vecS, boost::vecS, boost::undirectedS, boost::no_property,
                                         boost::property<boost::edge_index_t, std::size_t>>;
using Aristas = std::set<std::pair<int, int>>;

// 0-based vertices; an arc in either direction, or both, is one edge.
GrafoBoost SinSentido(const Grafo& g)
{
    GrafoBoost b(g.dimen());
    std::size_t indice = 0;
    for (int i = 1; i <= g.dimen(); ++i)
        for (int j = i + 1; j <= g.dimen(); ++j)
            if (g.elem_matriz(i, j) != 0 || g.elem_matriz(j, i) != 0)
                boost::add_edge(i - 1, j - 1, indice++, b);
    return b;
}

// Each biconnected component as its set of vertices (a lone vertex is a block of its own), and the bridges:
// the blocks of one edge. In a digraph the trace names the arc, and two opposite arcs are never a bridge.
std::pair<std::set<std::set<int>>, Aristas> BloquesYPuentes(const Grafo& g, GrafoBoost& b)
{
    std::vector<std::size_t> componente(boost::num_edges(b));
    auto mapa = boost::make_iterator_property_map(componente.begin(), boost::get(boost::edge_index, b));
    std::vector<std::set<int>> bloques(boost::biconnected_components(b, mapa));
    for (auto e : boost::make_iterator_range(boost::edges(b)))
        bloques[mapa[e]].insert({int(boost::source(e, b)) + 1, int(boost::target(e, b)) + 1});
    Aristas puentes;
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
    MundoConectividad w;
    std::mt19937 azar(20240611);
    int casos[4] = {}; // connected, not connected, with cut vertices, with bridges
    for (int prueba = 0; prueba < 400; ++prueba) {
        // Mean degree 0.2 to 4: around the threshold where components, cut vertices and bridges all occur.
        const int tipo = prueba % 4, n = std::uniform_int_distribution<int>(0, 50)(azar);
        w.PonerPesos(tipo, n, AristasAlAzar(azar, tipo, n, std::uniform_real_distribution(0.2, 4.0)(azar) / (n + 1), false));
        SCOPED_TRACE(testing::Message() << "prueba " << prueba << ", n " << n);
        const Grafo antes = w.p.grafo();
        GrafoBoost b = SinSentido(antes);
        std::vector<int> enBoost(n);
        const int k = n == 0 ? 0 : boost::connected_components(b, enBoost.data());
        std::vector<std::int16_t> etiquetas;
        Contexto c = w.Ctx();
        ASSERT_EQ(ComponentesConexas(c, &etiquetas), k);
        EXPECT_TRUE(w.p.Vista().areaHabilitada && w.lienzo.primitivas.empty()); // silent
        for (int v = 1; v <= n; ++v) // the lowest vertex of the component
            ASSERT_EQ(etiquetas[v],
                      std::find(enBoost.begin(), enBoost.end(), enBoost[v - 1]) - enBoost.begin() + 1);
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
        Aristas enLaTraza;
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
