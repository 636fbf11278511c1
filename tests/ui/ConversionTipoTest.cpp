// Changing a graph's type: the matrix each conversion leaves and the
// commands it switches.
#include <gtest/gtest.h>

#include <random>

#include "model/Controles.h"
#include "support/EntornoPrueba.h"
#include "ui/ConversionTipo.h"

namespace {

struct ConversionTipo : ::testing::Test {
    EntornoPrueba mundo;
    Grafo g{mundo.Entorno()};

    void Arcos(const QString& tipo, int n, std::initializer_list<std::tuple<int, int, std::int16_t>> arcos)
    {
        g.InsertarTipo(tipo);
        for (int i = 1; i <= n; ++i)
            g.AñadirVertice(static_cast<std::int16_t>(500 * i), 800);
        for (auto [a, b, w] : arcos) {
            mundo.interaccion.pesos.push_back(w);
            ASSERT_EQ(g.AñadirArista(a, b), 0);
        }
    }
};

TEST_F(ConversionTipo, DigrafoASimpleJuntaLosArcosOpuestos)
{
    Arcos("Digrafo", 2, {{1, 2, 1}, {2, 1, 1}});
    CambiarTipo(g, TipoGrafo::Simple, mundo.comandos);
    EXPECT_EQ(g.numero_aristas(), 1);
    EXPECT_EQ(g.elem_matriz(1, 2), 1);
    EXPECT_EQ(g.elem_matriz(2, 1), 1);
    EXPECT_TRUE(mundo.comandos.Habilitado(Control::Conectividad));
    EXPECT_TRUE(mundo.comandos.Habilitado(Control::Prüfer));
    EXPECT_FALSE(mundo.comandos.Habilitado(Control::Algoritmo_dijkstra));
}

TEST_F(ConversionTipo, DigrafoAPonderadoSumaLosArcos)
{
    Arcos("Digrafo", 3, {{1, 2, 1}, {2, 1, 1}, {1, 3, 1}});
    CambiarTipo(g, TipoGrafo::Ponderado, mundo.comandos);
    EXPECT_EQ(g.elem_matriz(1, 2), 2);
    EXPECT_EQ(g.elem_matriz(2, 1), 2);
    EXPECT_EQ(g.elem_matriz(1, 3), 1);
    EXPECT_EQ(g.elem_matriz(3, 1), 1);
    EXPECT_EQ(g.numero_aristas(), 2);
    EXPECT_TRUE(mundo.comandos.Habilitado(Control::Cambiar_peso));
    EXPECT_TRUE(mundo.comandos.Habilitado(Control::Algoritmo_kruskal));
}

TEST_F(ConversionTipo, DigrafoPonderadoAPonderadoSumaPesosYSatura)
{
    Arcos("Digrafo_Ponderado", 3, {{1, 2, 5}, {2, 1, 7}, {1, 3, 9000}, {3, 1, 2000}});
    CambiarTipo(g, TipoGrafo::Ponderado, mundo.comandos);
    EXPECT_EQ(g.elem_matriz(1, 2), 12);
    EXPECT_EQ(g.elem_matriz(3, 1), 9999) << "un fichero no puede guardar más de cuatro cifras";
}

TEST_F(ConversionTipo, SimpleADigrafoDuplicaLasAristas)
{
    Arcos("Simple", 4, {{1, 2, 1}, {2, 3, 1}, {3, 4, 1}});
    CambiarTipo(g, TipoGrafo::Digrafo, mundo.comandos);
    EXPECT_EQ(g.numero_aristas(), 6);
    EXPECT_EQ(g.elem_matriz(2, 1), 1);
    EXPECT_FALSE(mundo.comandos.Habilitado(Control::Conectividad));
    EXPECT_FALSE(mundo.comandos.Habilitado(Control::Arbol_Busqueda));
    EXPECT_TRUE(mundo.comandos.Habilitado(Control::Algoritmo_dijkstra));
}

TEST_F(ConversionTipo, QuitarPesosDejaUnos)
{
    Arcos("Ponderado", 3, {{1, 2, -40}, {2, 3, 700}});
    CambiarTipo(g, TipoGrafo::Simple, mundo.comandos);
    EXPECT_EQ(g.elem_matriz(1, 2), 1);
    EXPECT_EQ(g.elem_matriz(3, 2), 1);
    EXPECT_FALSE(mundo.comandos.Habilitado(Control::Cambiar_peso));
    EXPECT_EQ(mundo.comandos.Imagen(Control::Boton_cambiar_peso), 15);
}

TEST(TablaConversiones, CadaCambioPasaPorSusConversiones)
{
    using C = Conversion;
    EXPECT_TRUE(ConversionesEntre(2, 2).empty());
    EXPECT_EQ(ConversionesEntre(0, 3), (std::vector{C::PasarAPonderado, C::PasarADirigido}));
    EXPECT_EQ(ConversionesEntre(2, 1), (std::vector{C::PasarANoDirigido, C::PasarAPonderado}));
    EXPECT_EQ(ConversionesEntre(3, 0), (std::vector{C::QuitarPesos, C::PasarANoDirigido}));
}

// Every change of type, on random graphs: the edge count always matches the
// matrix, the matrix fits its type, and undirected graphs keep their edges.
TEST(CambioDeTipoAlAzar, LaCuentaDeAristasSigueLaMatriz)
{
    for (unsigned semilla = 1; semilla <= 40; ++semilla) {
        std::mt19937 azar(semilla);
        for (int desde = 0; desde < 4; ++desde)
            for (int hasta = 0; hasta < 4; ++hasta) {
                EntornoPrueba mundo;
                mundo.pesosAleatorios = true;
                Grafo g(mundo.Entorno());
                g.InsertarTipo(NombreTipo(desde));
                const int n = 2 + int(azar() % 12);
                for (int i = 0; i < n; ++i)
                    g.AñadirVertice(100, 100);
                for (int k = 0; k < 3 * n; ++k) {
                    const int a = 1 + int(azar() % n), b = 1 + int(azar() % n);
                    if (a != b && g.elem_matriz(a, b) == 0)
                        g.AñadirArista(a, b);
                }
                const int paresAntes = [&] {
                    int m = 0;
                    for (int a = 1; a <= n; ++a)
                        for (int b = a + 1; b <= n; ++b)
                            m += g.elem_matriz(a, b) != 0 || g.elem_matriz(b, a) != 0;
                    return m;
                }();
                CambiarTipo(g, hasta, mundo.comandos);
                ASSERT_EQ(g.Tipo(), hasta);
                ASSERT_EQ(g.numero_aristas(), AristasSegunMatriz(g)) << desde << "->" << hasta;
                const int esperadas = EsDirigido(hasta) ? 2 * paresAntes : paresAntes;
                if (!EsDirigido(desde) || !EsDirigido(hasta)) {
                    ASSERT_EQ(g.numero_aristas(), esperadas) << desde << "->" << hasta;
                }
                for (int a = 1; a <= n; ++a)
                    for (int b = 1; b <= n; ++b) {
                        const std::int16_t e = g.elem_matriz(a, b);
                        ASSERT_TRUE(EsPonderado(hasta) || e == 0 || e == 1);
                        ASSERT_TRUE(EsDirigido(hasta) || e == g.elem_matriz(b, a));
                    }
            }
    }
}

} // namespace
