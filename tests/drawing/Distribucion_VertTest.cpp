// Vertex layouts: the worked placements (halves rounded to even, whole-number steps truncated) and the
// circle's shape on every size.
#include <gtest/gtest.h>

#include <cmath>

#include "drawing/Distribucion_Vert.h"
#include "support/Posiciones.h"

namespace {

using P = std::vector<Posicion>;

// Lays out a record of n vertices with colocar(record, area, argumentos...): the positions of vertices 1..n +
// 1, the last of which must stay at (0, 0).
template <typename F, typename... Argumentos>
P Colocados(int n, F colocar, DimensionesArea area, Argumentos... argumentos)
{
    Grafo g;
    g.Insertar_Dimension(static_cast<std::int16_t>(n), false);
    colocar(g, area, static_cast<std::int16_t>(argumentos)...);
    return PosicionesDe(g, 1, n + 1);
}

TEST(Distribucion, ColocaCadaVerticeDondeSeEspera)
{
    EXPECT_EQ(Colocados(4, DistribucionCircular, {8000, 5000}, 4, 1, 1000),
              P({{4000, 1500}, {5000, 2500}, {4000, 3500}, {3000, 2500}, {0, 0}}));
    EXPECT_EQ(Colocados(4, DistribucionElipse, {8000, 5000}, 4, 1, 3000, 1000),
              P({{4000, 1500}, {7000, 2500}, {4000, 3500}, {1000, 2500}, {0, 0}}));
    EXPECT_EQ(Colocados(1, DistribucionEstrella, {8003, 6003}, 1), P({{4001, 3001}, {0, 0}}));
    EXPECT_EQ(Colocados(5, DistribucionEstrella, {8000, 6000}, 5),
              P({{4000, 3000}, {4000, 300}, {6700, 3000}, {4000, 5700}, {1300, 3000}, {0, 0}}));
    EXPECT_EQ(Colocados(5, DistribucionBipartita, {8000, 6000}, 2),
              P({{2000, 2000}, {2000, 4000}, {6000, 1500}, {6000, 3000}, {6000, 4500}, {0, 0}}));
    EXPECT_EQ(Colocados(2, DistribucionBipartita, {8002, 6000}, 1), P({{2000, 3000}, {6002, 3000}, {0, 0}}));
    EXPECT_EQ(Colocados(6, RejillaRectangular, {8000, 6000}, 3, 2),
              P({{2000, 2000}, {4000, 2000}, {6000, 2000}, {2000, 4000}, {4000, 4000}, {6000, 4000}, {0, 0}}));
    EXPECT_EQ(Colocados(4, RejillaRectangular, {8016, 6000}, 4, 1),
              P({{1604, 3000}, {3206, 3000}, {4810, 3000}, {6412, 3000}, {0, 0}}));
    EXPECT_EQ(Colocados(6, RejillaTriangular, {8000, 6000}, 3),
              P({{4000, 1500}, {3000, 3000}, {5000, 3000}, {2000, 4500}, {4000, 4500}, {6000, 4500}, {0, 0}}));
    EXPECT_EQ(Colocados(5, DistribucionTripartita, {9000, 6000}, 2, 1),
              P({{1834, 2000}, {368, 3750}, {7900, 2875}, {3100, 6200}, {5900, 6200}, {0, 0}}));
    EXPECT_EQ(
        Colocados(7, DistribucionArbol, {8000, 6000}, 2, 2),
        P({{4000, 1500}, {2666, 3000}, {5333, 3000}, {1600, 4500}, {3200, 4500}, {4800, 4500}, {6400, 4500}, {0, 0}}));
}

TEST(Distribucion, AutoEsCirculoHastaVeinteVerticesYElipseDesdeVeintiuno)
{
    EXPECT_EQ(Colocados(20, DistribucionAuto, {10000, 8000}, 20, 1, 3000, 1000),
              Colocados(20, DistribucionCircular, {10000, 8000}, 20, 1, 1000));
    EXPECT_EQ(Colocados(21, DistribucionAuto, {10000, 8000}, 21, 1, 3000, 1000),
              Colocados(21, DistribucionElipse, {10000, 8000}, 21, 1, 3000, 1000));
}

// The circle on sizes whose angle step is not a whole number of degrees: all vertices on it, evenly spaced,
// starting above the centre and turning clockwise, and nothing before the range touched.
TEST(Distribucion, CircularConVerticesEquidistantes)
{
    for (const int n : {1, 7, 11, 50}) {
        const int primero = 51 - n;
        Grafo g;
        g.Insertar_Dimension(50, false);
        DistribucionCircular(g, {10000, 8000}, static_cast<std::int16_t>(n), static_cast<std::int16_t>(primero), 2000);
        const std::vector<Posicion> ps = PosicionesDe(g, primero - 1, 50); // from the one before
        EXPECT_TRUE(ps[0] == (Posicion{0, 0}) && ps[1] == (Posicion{5000, 2000})) << n;
        for (int i = 1; i <= n; ++i)
            EXPECT_NEAR(std::hypot(ps[i].X - ps[i % n + 1].X, ps[i].Y - ps[i % n + 1].Y), 4000 * std::sin(3.1416 / n),
                        2)
                << n << ", " << i;
        EXPECT_TRUE(n < 3 || ps[2].X > 5000) << "clockwise on a screen whose y grows downwards";
    }
}

} // namespace
