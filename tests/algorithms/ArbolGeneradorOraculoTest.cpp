// The three trees against Boost.Graph's Kruskal on seeded random connected
// weighted graphs of up to 50 vertices, each run "Completo" from the mode
// dialog: the same total weight, no pause, and Kruskal's and Prim's n - 1
// edges written seven to a line. Narrow weight ranges give many ties.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <boost/graph/adjacency_list.hpp>
#include <boost/graph/kruskal_min_spanning_tree.hpp>
#include <random>

#include "support/MundoEjecucion.h"

namespace {

using Grafico = boost::adjacency_list<boost::vecS, boost::vecS, boost::undirectedS, boost::no_property,
                                      boost::property<boost::edge_weight_t, int>>;

// A random tree, so that it is connected, then random extra edges.
Grafico Aleatorio(std::mt19937& azar)
{
    const int n = std::uniform_int_distribution(1, 50)(azar);
    std::uniform_int_distribution peso(1, std::bernoulli_distribution(0.5)(azar) ? 3 : 9999);
    std::bernoulli_distribution otra(std::uniform_real_distribution(0.0, 0.5)(azar));
    Grafico g(n);
    for (int v = 1; v < n; ++v)
        add_edge(std::uniform_int_distribution(0, v - 1)(azar), v, peso(azar), g);
    for (int a = 0; a < n; ++a)
        for (int b = a + 1; b < n; ++b)
            if (!edge(a, b, g).second && otra(azar))
                add_edge(a, b, peso(azar), g);
    return g;
}

// The total (-1: none written), the edge pieces, those of them that end a
// line, and the pauses of a run "Completo".
std::array<int, 4> Ejecutar(const Grafico& grafico, const QString& nombre)
{
    MundoEjecucion mundo;
    Principal& p = mundo.p;
    Grafo& g = p.grafo();
    g.InsertarTipo("Ponderado");
    g.Insertar_Dimension(std::int16_t(num_vertices(grafico)), false);
    for (const auto& e : boost::make_iterator_range(edges(grafico))) {
        const int a = int(source(e, grafico)) + 1, b = int(target(e, grafico)) + 1;
        g.InsertarMatriz(a, b, std::int16_t(get(boost::edge_weight, grafico, e)));
        g.InsertarMatriz(b, a, g.elem_matriz(a, b));
    }
    p.IniciarAlgoritmo(nombre);
    const QString traza = p.trazaPanel().Texto();
    static const QRegularExpression total(QStringLiteral("PESO TOTAL DEL ARBOL: (\\d+)\r\n"));
    const QRegularExpressionMatch m = total.match(traza);
    return {m.hasMatch() ? m.captured(1).toInt() : -1, int(traza.count(QStringLiteral("Arista: ("))),
            int(traza.count(QStringLiteral("\t\r\n"))), int(mundo.persona.pausas.size())};
}

TEST(ArbolGeneradorOraculo, LosTresDanElPesoDelArbolMinimoDeBoost)
{
    // First pairs 1-2, 3-4, ... of weight 1 on a path of weight-2 links:
    // Boruvka's step 1 leaves 25 fragments and step 2 joins them, 74 choices.
    std::vector<Grafico> casos{Grafico(50)};
    for (int v = 0; v < 49; ++v)
        add_edge(v, v + 1, v % 2 == 0 ? 1 : 2, casos[0]);
    std::mt19937 azar(20240611);
    for (int k = 0; k < 300; ++k)
        casos.push_back(Aleatorio(azar));
    for (std::size_t k = 0; k < casos.size(); ++k) {
        const int n = int(num_vertices(casos[k]));
        std::vector<boost::graph_traits<Grafico>::edge_descriptor> arbol;
        boost::kruskal_minimum_spanning_tree(casos[k], std::back_inserter(arbol));
        int peso = 0;
        for (const auto& e : arbol)
            peso += get(boost::edge_weight, casos[k], e);
        SCOPED_TRACE("caso " + std::to_string(k) + ", n = " + std::to_string(n));
        for (const QString nombre : {"Kruskal", "Prim", "Boruvka"}) {
            const auto [total, aristas, lineas, pausas] = Ejecutar(casos[k], nombre);
            ASSERT_TRUE(total == peso && pausas == 0) << nombre.toStdString() << " " << total << " " << peso;
            // Kruskal's and Prim's n - 1 edges, seven to a line.
            ASSERT_TRUE(nombre == "Boruvka" || (aristas == n - 1 && lineas == (n - 1) / 7))
                << nombre.toStdString();
        }
    }
}

} // namespace
