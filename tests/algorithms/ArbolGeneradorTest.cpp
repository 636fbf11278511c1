// The spanning trees as the person sees them: the trace piece by piece with its bold and colours, the
// tie-breaks, the highlighted edges, the pauses, the preconditions, and the whole road from the menu back to
// editing; and the three against Boost.Graph's Kruskal on seeded random connected weighted graphs.
#include <QRegularExpression>
#include <array>
#include <boost/graph/kruskal_min_spanning_tree.hpp>
#include <random>
#include <set>

#include "model/Controles.h"
#include "support/GrafoBoost.h"
#include "support/MundoEjecucion.h"

namespace {

struct ArbolGenerador : MundoRecorrido {
    // The weighted square 1 (1000, 1000), 2, 3, 4 clockwise, 2000 twips a side, with the weights of 1-2, 2-3,
    // 3-4, 4-1 (0: no edge).
    void Cuadrado(std::array<std::int16_t, 4> pesos)
    {
        const auto [a, b, c, d] = pesos;
        PonerGrafo(p.grafo(), "Ponderado", {{1000, 1000}, {3000, 1000}, {3000, 3000}, {1000, 3000}},
                   {{1, 2, a}, {2, 3, b}, {3, 4, c}, {4, 1, d}});
    }
    Pieza Arista(int a, int b) const { return {QStringLiteral("Arista: (%1,%2)    \t").arg(a).arg(b), false, negro}; }
};

// Kruskal and Prim take the edges by rows; in Boruvka each vertex takes its lowest neighbour: 1-2, 2-1, 3-2, 4-1.
TEST_F(ArbolGenerador, LosTresDesempatanEnElCuadradoDePesosIguales)
{
    Cuadrado({1, 1, 1, 1});
    for (const QString nombre : {"Kruskal", "Prim", "Boruvka"}) {
        SCOPED_TRACE(nombre.toStdString());
        persona.pausas.clear();
        lienzo.Olvidar();
        p.EjecutarAlgoritmo(nombre);
        Trazos arbol; // Boruvka draws some edges from both ends
        for (const auto& [a, b] : Dibujadas(Color(1)))
            arbol.emplace(std::min(a, b), std::max(a, b));
        EXPECT_EQ(arbol, (Trazos{{1, 2}, {1, 4}, {2, 3}}));
        EXPECT_EQ(lienzo.AnchoLinea(), 1);
        if (nombre != "Boruvka") {
            const std::vector<Pieza> esperadas{{"Algoritmo de " + nombre.toUpper() + "\r\n\r\n", true, negro},
                                               Arista(1, 2),
                                               Arista(1, 4),
                                               Arista(2, 3),
                                               {"FIN " + nombre + "\r\n\r\n", true, negro},
                                               {"PESO TOTAL DEL ARBOL: ", false, negro},
                                               {"3\r\n", true, negro}};
            EXPECT_EQ(Piezas(), esperadas);
            EXPECT_EQ(persona.pausas.size(), 3u);
        }
        p.Aceptar_Click();
    }
}

TEST_F(ArbolGenerador, BoruvkaUneFragmentosPorPasosYColoreaComoLosLista)
{
    Cuadrado({1, 2, 1, 3});
    p.EjecutarAlgoritmo("Boruvka");
    const QColor c1 = Color(1), c2 = Color(2), c3 = Color(3);
    const Pieza particiones{"NÚMERO DE PARTICIONES: ", false, negro};
    // clang-format off
    EXPECT_EQ(Piezas(), (std::vector<Pieza>{
        {"Algoritmo de BORUVKA\r\n", true, negro},
        {"PASO 1 : \r\n", false, c3}, particiones, {"2\r\n", true, negro},
        {"1ª Componente  :  ", true, negro}, {"1 - 2\r\n", true, c1},
        {"2ª Componente  :  ", true, negro}, {"3 - 4\r\n", true, c2},
        {"PASO 2 : \r\n", false, c3}, particiones, {"1\r\n", true, negro},
        {"Componente  :  ", true, negro}, {"1 - 2 - 3 - 4\r\n", true, c1},
        {"FIN Boruvka\r\n", true, negro}, {"PESO TOTAL DEL ARBOL: ", false, negro}, {"4\r\n", true, negro}}));
    // clang-format on
    EXPECT_EQ(persona.pausas.size(), 2u);
    // Step 1 draws the choices (1,2), (2,1), (3,4), (4,3) in their fragments' colours; step 2 draws them and
    // (2,3) again, all in the one fragment's.
    std::vector<QColor> colores;
    for (const Primitiva& l : lienzo.Lineas())
        if (l.ancho == 2)
            colores.push_back(l.color);
    EXPECT_EQ(colores, (std::vector{c1, c1, c2, c2, c1, c1, c1, c1, c1}));
}

TEST_F(ArbolGenerador, LasPrecondicionesSeComprobanEnOrdenAntesDeEmpezar)
{
    // Disconnected wins over a negative weight.
    const std::tuple<std::array<std::int16_t, 4>, QString, QString> casos[] = {
        {{-5, 0, 0, 0}, "Precondición", " requiere que el grafo sea conexo."},
        {{-5, 4, 4, 0}, "ADVERTENCIA", " no admite pesos negativos."},
    };
    for (const auto& [pesos, titulo, falta] : casos)
        for (const QString nombre : {"Kruskal", "Prim", "Boruvka"}) {
            SCOPED_TRACE((nombre + titulo).toStdString());
            Cuadrado(pesos);
            persona.mensajes.clear();
            p.EjecutarAlgoritmo(nombre);
            ASSERT_EQ(persona.mensajes.size(), 1u);
            const MensajeVisto& m = persona.mensajes[0];
            EXPECT_TRUE(m.titulo == titulo && m.texto == "El algoritmo de " + nombre + falta &&
                        m.icono == Icono::Exclamacion && m.botones == Botones::Aceptar);
            // The window never entered run mode.
            EXPECT_TRUE(p.Comandos().Habilitado("Archivo") && p.trazaPanel().NumFormatos() == 0);
        }
}

TEST_F(ArbolGenerador, KruskalDesdeElMenuHastaAceptarDejaElGrafoComoEstaba)
{
    Cuadrado({1, 2, 1, 3});
    const Grafo antes = p.grafo();
    EXPECT_TRUE(p.Ejecutar(Control::Algoritmo_kruskal));
    EXPECT_TRUE(persona.dialogosModo == 1 && persona.pausas.size() == 3u && !p.Comandos().Habilitado("Archivo"));
    EXPECT_EQ(persona.pausas.at(0), "Algoritmo de KRUSKAL\n\nArista: (1,2)    \t");

    lienzo.Olvidar();
    p.Aceptar_Click();
    EXPECT_TRUE(p.grafo() == antes && p.Comandos().Habilitado("Archivo") && p.text_peq().isEmpty());
    // Cleared and drawn again in black with the thin pen.
    EXPECT_TRUE(lienzo.primitivas.at(0).tipo == Primitiva::Tipo::Limpiar && lienzo.Lineas().size() == 4u);
    for (const Primitiva& l : lienzo.Lineas())
        EXPECT_TRUE(l.color == negro && l.ancho == 1);
}

using Grafico = GrafoBoostSinSentido;

// The total (-1: none written), the edge pieces, those of them that end a line, and the pauses of a run
// "Completo".
std::array<int, 4> Ejecutar(int n, const Aristas& aristas, const QString& nombre)
{
    MundoEjecucion mundo;
    mundo.persona.completo = true;
    mundo.Poner(TipoGrafo::Ponderado, n, aristas);
    mundo.p.IniciarAlgoritmo(nombre);
    const QString traza = mundo.p.trazaPanel().Texto();
    static const QRegularExpression total(QStringLiteral("PESO TOTAL DEL ARBOL: (\\d+)\r\n"));
    const QRegularExpressionMatch m = total.match(traza);
    return {m.hasMatch() ? m.captured(1).toInt() : -1, int(traza.count(QStringLiteral("Arista: ("))),
            int(traza.count(QStringLiteral("\t\r\n"))), int(mundo.persona.pausas.size())};
}

// Each run "Completo" from the mode dialog: the same total weight as Boost, no pause, and Kruskal's and Prim's
// n - 1 edges written seven to a line. Narrow weight ranges give many ties.
TEST(ArbolGeneradorOraculo, LosTresDanElPesoDelArbolMinimoDeBoost)
{
    // First pairs 1-2, 3-4, ... of weight 1 on a path of weight-2 links: Boruvka's step 1 leaves 25 fragments
    // and step 2 joins them, 74 choices.
    std::vector<std::pair<int, Aristas>> casos{{50, {}}};
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
        Grafo g;
        PonerGrafo(g, "Ponderado", n, aristas);
        const Grafico grafico = ABoost<Grafico>(g);
        std::vector<boost::graph_traits<Grafico>::edge_descriptor> arbol;
        boost::kruskal_minimum_spanning_tree(grafico, std::back_inserter(arbol));
        int peso = 0;
        for (const auto& e : arbol)
            peso += get(boost::edge_weight, grafico, e);
        SCOPED_TRACE("caso " + std::to_string(k) + ", n = " + std::to_string(n));
        for (const QString nombre : {"Kruskal", "Prim", "Boruvka"}) {
            const auto [total, piezas, lineas, pausas] = Ejecutar(n, aristas, nombre);
            ASSERT_TRUE(total == peso && pausas == 0) << nombre.toStdString() << " " << total << " " << peso;
            ASSERT_TRUE(nombre == "Boruvka" || (piezas == n - 1 && lineas == (n - 1) / 7)) << nombre.toStdString();
        }
    }
}

} // namespace
