// The complement and the line graph replace the graph in hand: the limit of 50 edges, and both against brute
// force on random graphs.
#include <random>

#include "model/Controles.h"
#include "support/Invariantes.h"
#include "support/MundoEjecucion.h"

namespace {

struct Operaciones : MundoEjecucion, ::testing::Test {
    bool Adyacentes(int a, int b) const { return p.grafo().elem_matriz(a, b) != 0; }
};

// Adjacency is the brute-force test's (the places, nodeva-cli's); here the 50-edge limit and what the window
// keeps of the change.
TEST_F(Operaciones, ElGrafoLinealAdmiteHasta50Aristas)
{
    Poner(TipoGrafo::Simple, 11, AristasCompleto(11)); // 55 edges
    p.Doc().GrafoModificado = false;
    const Grafo antes = p.grafo();
    p.Ejecutar(Control::mnu_lineal);
    EXPECT_EQ(persona.mensajes.back(), (MensajeVisto{"El grafo tiene 55 aristas. No debe tener mas de 50.", "ERROR",
                                                     Icono::Critico, Botones::Aceptar}));
    EXPECT_TRUE(p.grafo() == antes && !p.Doc().GrafoModificado);
    for (int quitar = 0; quitar < 5; ++quitar)
        p.grafo().EliminarArista(102 + quitar);
    p.Ejecutar(Control::mnu_lineal);
    EXPECT_EQ(p.grafo().dimen(), 50);
    EXPECT_TRUE(p.Doc().GrafoModificado && !lienzo.Lineas().empty());
}

TEST_F(Operaciones, ComoLaFuerzaBrutaEnGrafosAlAzar)
{
    std::mt19937 azar(15);
    for (int prueba = 0; prueba < 300; ++prueba) {
        const int n = std::uniform_int_distribution(0, 20)(azar);
        std::bernoulli_distribution hay(std::uniform_real_distribution(0.0, 0.5)(azar));
        Aristas aristas;
        for (int i = 1; i <= n; ++i)
            for (int j = i + 1; j <= n; ++j)
                if (hay(azar) && aristas.size() < 50)
                    aristas.emplace_back(i, j);
        Poner(TipoGrafo::Simple, n, aristas);
        SCOPED_TRACE(testing::Message() << "prueba " << prueba);
        const Grafo antes = p.grafo();
        p.Ejecutar(Control::mnu_complementario);
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= n; ++j)
                ASSERT_EQ(Adyacentes(i, j), i != j && antes.elem_matriz(i, j) == 0);
        p.Ejecutar(Control::mnu_complementario);
        ASSERT_TRUE(p.grafo() == antes);

        p.Ejecutar(Control::mnu_lineal);
        const int m = int(aristas.size());
        ASSERT_EQ(p.grafo().dimen(), m);
        // The edge count and nothing left beyond the new n are the invariants'.
        ComprobarInvariantes(p.grafo(), "lineal");
        for (int k = 1; k <= m; ++k)
            for (int l = 1; l <= m; ++l) {
                const auto [a, b, pk] = aristas[k - 1];
                const auto [c, d, pl] = aristas[l - 1];
                ASSERT_EQ(Adyacentes(k, l), k != l && (a == c || a == d || b == c || b == d)) << k << ' ' << l;
            }
    }
}

} // namespace
