// Vertex layouts: the worked placements (halves rounded to even, whole-number
// steps truncated) and the circle's shape on every size.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "drawing/Distribucion_Vert.h"
#include "support/Posiciones.h"

namespace {

struct CasoDistribucion {
    std::string nombre;
    DimensionesArea area;
    int vertices; // the record's vertex count
    std::function<void(Grafo&, DimensionesArea)> colocar;
    std::vector<Posicion> esperadas; // vertices 1, 2, ...; (0, 0) = left alone
};

void PrintTo(const CasoDistribucion& caso, std::ostream* os)
{
    *os << caso.nombre;
}

class DistribucionExacta : public ::testing::TestWithParam<CasoDistribucion> {};

TEST_P(DistribucionExacta, ColocaCadaVerticeDondeSeEspera)
{
    const CasoDistribucion& caso = GetParam();
    Grafo g;
    g.Insertar_Dimension(static_cast<std::int16_t>(caso.vertices), false);
    caso.colocar(g, caso.area);
    EXPECT_EQ(PosicionesDe(g, 1, static_cast<int>(caso.esperadas.size())), caso.esperadas);
}

using G = Grafo&;
using A = DimensionesArea;

INSTANTIATE_TEST_SUITE_P(
    Distribuciones, DistribucionExacta,
    ::testing::Values(
        CasoDistribucion{"CircularEmpiezaArribaYSigueElReloj", {8000, 5000}, 4,
                         [](G g, A a) { DistribucionCircular(g, a, 4, 1, 1000); },
                         {{4000, 1500}, {5000, 2500}, {4000, 3500}, {3000, 2500}}},
        CasoDistribucion{"CircularDesdeElTerceroNoTocaLosAnteriores", {8000, 5000}, 4,
                         [](G g, A a) { DistribucionCircular(g, a, 2, 3, 1000); },
                         {{0, 0}, {0, 0}, {4000, 1500}, {4000, 3500}}},
        CasoDistribucion{"ElipseSemiejeHorizontalYVertical", {8000, 5000}, 4,
                         [](G g, A a) { DistribucionElipse(g, a, 4, 1, 3000, 1000); },
                         {{4000, 1500}, {7000, 2500}, {4000, 3500}, {1000, 2500}}},
        CasoDistribucion{"EstrellaDeUnVerticeSoloElCentro", {8000, 6000}, 1,
                         [](G g, A a) { DistribucionEstrella(g, a, 1); }, {{4000, 3000}, {0, 0}}},
        CasoDistribucion{"EstrellaCentroPorDivisionEntera", {8003, 6003}, 1,
                         [](G g, A a) { DistribucionEstrella(g, a, 1); }, {{4001, 3001}}},
        CasoDistribucion{"EstrellaRodeaElCentroConLosRadiosEstandar", {8000, 6000}, 5,
                         [](G g, A a) { DistribucionEstrella(g, a, 5); },
                         {{4000, 3000}, {4000, 300}, {6700, 3000}, {4000, 5700}, {1300, 3000}}},
        CasoDistribucion{"BipartitaDosColumnas", {8000, 6000}, 5,
                         [](G g, A a) { DistribucionBipartita(g, a, 2); },
                         {{2000, 2000}, {2000, 4000}, {6000, 1500}, {6000, 3000}, {6000, 4500}}},
        CasoDistribucion{"BipartitaColumnaDerechaATresCuartosRedondeados", {8002, 6000}, 2,
                         [](G g, A a) { DistribucionBipartita(g, a, 1); }, {{2000, 3000}, {6002, 3000}}},
        CasoDistribucion{"RejillaTresPorDosFilaAFila", {8000, 6000}, 6,
                         [](G g, A a) { RejillaRectangular(g, a, 3, 2); },
                         {{2000, 2000}, {4000, 2000}, {6000, 2000}, {2000, 4000}, {4000, 4000}, {6000, 4000}}},
        CasoDistribucion{"RejillaConMitadesRedondeadasAlPar", {8016, 6000}, 4,
                         [](G g, A a) { RejillaRectangular(g, a, 4, 1); },
                         {{1604, 3000}, {3206, 3000}, {4810, 3000}, {6412, 3000}}},
        CasoDistribucion{"TriangularNivelPorNivel", {8000, 6000}, 6,
                         [](G g, A a) { RejillaTriangular(g, a, 3); },
                         {{4000, 1500}, {3000, 3000}, {5000, 3000}, {2000, 4500}, {4000, 4500}, {6000, 4500}}},
        CasoDistribucion{"TripartitaUnoPorLado", {9000, 6000}, 3,
                         [](G g, A a) { DistribucionTripartita(g, a, 1, 1); },
                         {{1100, 2875}, {7900, 2875}, {4500, 6200}}},
        CasoDistribucion{"TripartitaPasosTruncados", {9000, 6000}, 5,
                         [](G g, A a) { DistribucionTripartita(g, a, 2, 1); },
                         {{1834, 2000}, {368, 3750}, {7900, 2875}, {3100, 6200}, {5900, 6200}}},
        CasoDistribucion{"ArbolBinarioDeDosNiveles", {8000, 6000}, 7,
                         [](G g, A a) { DistribucionArbol(g, a, 2, 2); },
                         {{4000, 1500}, {2666, 3000}, {5333, 3000}, {1600, 4500}, {3200, 4500}, {4800, 4500}, {6400, 4500}}},
        CasoDistribucion{"ArbolTernarioDeUnNivel", {8000, 6000}, 4,
                         [](G g, A a) { DistribucionArbol(g, a, 3, 1); },
                         {{4000, 2000}, {2000, 4000}, {4000, 4000}, {6000, 4000}, {0, 0}}}),
    [](const auto& info) { return info.param.nombre; });

double Distancia(Posicion p, double x, double y)
{
    return std::hypot(p.X - x, p.Y - y);
}

TEST(DistribucionAuto, CirculoHastaVeinteVerticesElipseDesdeVeintiuno)
{
    for (const int n : {20, 21}) {
        Grafo g;
        g.Insertar_Dimension(static_cast<std::int16_t>(n), false);
        DistribucionAuto(g, {10000, 8000}, static_cast<std::int16_t>(n), 1, 3000, 1000);
        double alejamiento = 0;
        for (const Posicion& p : PosicionesDe(g))
            alejamiento = std::max(alejamiento, Distancia(p, 5000, 4000));
        EXPECT_EQ(alejamiento > 2900, n == 21) << n << " vertices reach " << alejamiento;
    }
}

// On every size the circle is a true circle: all vertices on it, evenly spaced,
// starting above the centre and turning clockwise, and nothing before the
// range touched.
TEST(DistribucionCircular, VerticesEquidistantesYRepartidosPorIgual)
{
    const double r = 2000;
    for (int n = 1; n <= 50; ++n) {
        SCOPED_TRACE(n);
        const int primero = 51 - n;
        Grafo g;
        g.Insertar_Dimension(50, false);
        DistribucionCircular(g, {10000, 8000}, static_cast<std::int16_t>(n),
                             static_cast<std::int16_t>(primero), 2000);
        const std::vector<Posicion> ps = PosicionesDe(g, primero - 1, 50); // from the one before
        EXPECT_EQ(ps[0], (Posicion{0, 0}));
        EXPECT_EQ(ps[1], (Posicion{5000, 2000}));
        const double cuerda = 2 * r * std::sin(3.1416 / n);
        for (int i = 1; i <= n; ++i) {
            const Posicion& siguiente = ps[i % n + 1];
            EXPECT_NEAR(Distancia(ps[i], 5000, 4000), r, 1);
            EXPECT_NEAR(Distancia(ps[i], siguiente.X, siguiente.Y), cuerda, 2);
        }
        EXPECT_TRUE(n < 3 || ps[2].X > 5000) << "clockwise on a screen whose y grows downwards";
    }
}

} // namespace
