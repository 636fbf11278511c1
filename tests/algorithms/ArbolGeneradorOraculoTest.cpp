// The three trees against Boost.Graph's Kruskal on seeded random connected weighted graphs of up to 50
// vertices, each run "Completo" from the mode dialog: the same total weight, no pause, and Kruskal's and
// Prim's n - 1 edges written seven to a line. Narrow weight ranges give many ties.
#include <QRegularExpression>
#include <boost/graph/adjacency_list.hpp>
#include <boost/graph/kruskal_min_spanning_tree.hpp>
#include <random>

#include "algorithms/MundoConectividad.h"
#include "support/MundoEjecucion.h"

namespace {

using Grafico = boost::adjacency_list<boost::vecS, boost::vecS, boost::undirectedS, boost::no_property,
                                      boost::property<boost::edge_weight_t, int>>;

// The total (-1: none written), the edge pieces, those of them that end a line, and the pauses of a run
// "Completo".
std::array<int, 4> Ejecutar(int n, const AristasPeso& aristas, const QString& nombre)
{
    MundoEjecucion mundo;
    PonerGrafo(mundo.p, TipoGrafo::Ponderado, n, aristas);
    mundo.p.IniciarAlgoritmo(nombre);
    const QString traza = mundo.p.trazaPanel().Texto();
    static const QRegularExpression total(QStringLiteral("PESO TOTAL DEL ARBOL: (\\d+)\r\n"));
    const QRegularExpressionMatch m = total.match(traza);
    return {m.hasMatch() ? m.captured(1).toInt() : -1, int(traza.count(QStringLiteral("Arista: ("))),
            int(traza.count(QStringLiteral("\t\r\n"))), int(mundo.persona.pausas.size())};
}

TEST(ArbolGeneradorOraculo, LosTresDanElPesoDelArbolMinimoDeBoost)
{
    // First pairs 1-2, 3-4, ... of weight 1 on a path of weight-2 links: Boruvka's step 1 leaves 25 fragments
    // and step 2 joins them, 74 choices.
    std::vector<std::pair<int, AristasPeso>> casos{{50, {}}};
    for (int v = 1; v < 50; ++v)
        casos[0].second.emplace_back(v, v + 1, v % 2 == 1 ? 1 : 2);
    std::mt19937 azar(20240611);
    for (int k = 0; k < 300; ++k) {
        const int n = std::uniform_int_distribution(1, 50)(azar);
        const int maximo = std::bernoulli_distribution(0.5)(azar) ? 3 : 9999;
        const double densidad = std::uniform_real_distribution(0.0, 0.5)(azar);
        casos.emplace_back(n, AristasAlAzar(azar, TipoGrafo::Ponderado, n, densidad, true, maximo));
    }
    for (std::size_t k = 0; k < casos.size(); ++k) {
        const auto& [n, aristas] = casos[k];
        Grafico grafico(n);
        for (auto [a, b, peso] : aristas)
            add_edge(a - 1, b - 1, peso, grafico);
        std::vector<boost::graph_traits<Grafico>::edge_descriptor> arbol;
        boost::kruskal_minimum_spanning_tree(grafico, std::back_inserter(arbol));
        int peso = 0;
        for (const auto& e : arbol)
            peso += get(boost::edge_weight, grafico, e);
        SCOPED_TRACE("caso " + std::to_string(k) + ", n = " + std::to_string(n));
        for (const QString nombre : {"Kruskal", "Prim", "Boruvka"}) {
            const auto [total, piezas, lineas, pausas] = Ejecutar(n, aristas, nombre);
            ASSERT_TRUE(total == peso && pausas == 0) << nombre.toStdString() << " " << total << " " << peso;
            // Kruskal's and Prim's n - 1 edges, seven to a line.
            ASSERT_TRUE(nombre == "Boruvka" || (piezas == n - 1 && lineas == (n - 1) / 7))
                << nombre.toStdString();
        }
    }
}

} // namespace
