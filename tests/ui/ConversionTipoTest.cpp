// Changing a graph's type: the matrix each conversion leaves and the commands it switches.
#include <random>

#include "support/Invariantes.h"
#include "ui/ConversionTipo.h"

namespace {

// Digraph to simple joins opposite arcs, to weighted sums them (saturating), simple to digraph doubles the
// edges, dropping weights leaves ones; and the commands of the new type.
TEST(ConversionTipo, DejaLaMatrizYLosComandosDelTipoNuevo)
{
    using namespace Control;
    struct Caso {
        const char* desde;
        int n;
        Aristas arcos;
        int hasta;
        Aristas despues;
        std::vector<QString> encendidos, apagados;
    };
    // clang-format off
    for (const Caso& c : {
        Caso{"Digrafo", 2, {{1, 2}, {2, 1}}, TipoGrafo::Simple, {{1, 2, 1}}, {Conectividad, Prüfer}, {Algoritmo_dijkstra}},
        Caso{"Digrafo", 3, {{1, 2}, {2, 1}, {1, 3}}, TipoGrafo::Ponderado, {{1, 2, 2}, {1, 3, 1}}, {Algoritmo_kruskal}, {Prüfer}},
        Caso{"Digrafo_Ponderado", 3, {{1, 2, 5}, {2, 1, 7}, {1, 3, 9000}, {3, 1, 2000}}, TipoGrafo::Ponderado,
             {{1, 2, 12}, {1, 3, 9999}}, {}, {}},
        Caso{"Simple", 4, {{1, 2}, {2, 3}, {3, 4}}, TipoGrafo::Digrafo,
             {{1, 2, 1}, {2, 1, 1}, {2, 3, 1}, {3, 2, 1}, {3, 4, 1}, {4, 3, 1}}, {Camino_minimo}, {Conectividad, Arbol_Busqueda, Algoritmo_dijkstra}},
        Caso{"Ponderado", 3, {{1, 2, -40}, {2, 3, 700}}, TipoGrafo::Simple, {{1, 2, 1}, {2, 3, 1}}, {Prüfer}, {Algoritmo_kruskal}}}) {
        // clang-format on
        SCOPED_TRACE(std::string(c.desde) + " -> " + std::to_string(c.hasta));
        EntornoPrueba mundo;
        Grafo g(mundo.Entorno());
        mundo.Construir(g, c.desde, c.n, c.arcos);
        CambiarTipo(g, c.hasta, mundo.comandos);
        EXPECT_EQ(ArcosDe(g), c.despues);
        for (const QString& control : c.encendidos)
            EXPECT_TRUE(mundo.comandos.Habilitado(control)) << control.toStdString();
        for (const QString& control : c.apagados)
            EXPECT_FALSE(mundo.comandos.Habilitado(control)) << control.toStdString();
    }
}

// On random graphs, whatever the commands stood at before: the count follows the matrix, undirected graphs keep
// their edges, and the edge, Dijkstra and Prüfer commands follow the new type.
TEST(CambioDeTipoAlAzar, LaCuentaDeAristasSigueLaMatriz)
{
    for (unsigned semilla = 1; semilla <= 40; ++semilla) {
        std::mt19937 azar(semilla);
        for (int desde = 0; desde < 4; ++desde)
            for (int hasta = 0; hasta < 4; ++hasta) {
                SCOPED_TRACE(std::to_string(desde) + "->" + std::to_string(hasta));
                EntornoPrueba mundo;
                mundo.pesosAleatorios = true;
                Grafo g(mundo.Entorno());
                const int n = 2 + int(azar() % 12);
                mundo.Construir(g, NombreTipo(desde), n);
                for (const QString& c : {Control::Algoritmo_dijkstra, Control::Prufer_Encoding})
                    mundo.comandos.Habilitar(c, azar() % 2 == 0);
                for (int k = 0, a, b; k < 3 * n; ++k)
                    if ((a = 1 + int(azar() % n)) != (b = 1 + int(azar() % n)) && g.elem_matriz(a, b) == 0)
                        g.AñadirArista(a, b);
                int pares = 0;
                for (int a = 1; a <= n; ++a)
                    for (int b = a + 1; b <= n; ++b)
                        pares += g.elem_matriz(a, b) != 0 || g.elem_matriz(b, a) != 0;
                CambiarTipo(g, hasta, mundo.comandos);
                ASSERT_EQ(g.Tipo(), hasta);
                ComprobarInvariantes(g, "tras el cambio");
                if (!EsDirigido(desde) || !EsDirigido(hasta)) {
                    ASSERT_EQ(g.numero_aristas(), EsDirigido(hasta) ? 2 * pares : pares);
                }
                ASSERT_EQ(mundo.CambiarPesoActivo(), g.Ponderado() && g.numero_aristas() > 0);
                ASSERT_EQ(mundo.AñadirAristaActiva(), g.numero_aristas() != g.MaxNumAristas());
                ASSERT_EQ(mundo.comandos.Habilitado(Control::Algoritmo_dijkstra),
                          hasta == TipoGrafo::Digrafo_Ponderado);
                for (const QString& c : {Control::Prüfer, Control::Prufer_Encoding, Control::Prufer_Decoding})
                    ASSERT_EQ(mundo.comandos.Habilitado(c), hasta == TipoGrafo::Simple) << c.toStdString();
            }
    }
}

} // namespace
