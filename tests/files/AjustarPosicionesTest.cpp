// Rescaling positions: when reading triggers it, and the factor it applies.
#include "files/AjustarPosiciones.h"
#include "files/LecturaPrueba.h"
#include "support/Posiciones.h"

namespace {

using P = std::vector<Posicion>;

P Ajustadas(const P& antes, QSize area = AreaPrueba)
{
    Grafo g;
    PonerPosiciones(g, antes);
    AjustarPosiciones(g, area);
    return PosicionesDe(g);
}

// Work area 9000 x 6000: drawing space 8460 x 5460 after the margin.
TEST(AjustarPosiciones, ElEjeMasJustoDaElFactor)
{
    EXPECT_EQ(Ajustadas({{150, 1000}, {4230, 1365}}), P({{300, 2000}, {8460, 2730}}));
    EXPECT_EQ(Ajustadas({{1000, 2730}, {846, 100}}), P({{2000, 5460}, {1692, 200}}));
    // Factor exactly 0.5 (1540 - 540 over a largest X of 2000): halves to even.
    EXPECT_EQ(Ajustadas({{5, 7}, {7, 9}, {2000, 100}}, {1540, 6000}), P({{2, 4}, {4, 4}, {1000, 50}}));
    // An axis all at zero leaves the factor to the other.
    EXPECT_EQ(Ajustadas({{0, 1365}, {0, 500}}), P({{0, 5460}, {0, 2000}}));
    // No factor, or none above zero: nothing changes.
    EXPECT_EQ(Ajustadas({{0, 0}, {0, 0}}), P({{0, 0}, {0, 0}}));
    EXPECT_EQ(Ajustadas({{100, 100}}, {300, 300}), P({{100, 100}}));
    EXPECT_EQ(Ajustadas({{1, 1}, {2, 2}}, {1'000'000, 1'000'000}), P({{32767, 32767}, {32767, 32767}}));
}

// Reading rescales when some position lies within 150 twips of the work area's edges (on the edge included),
// and only then.
TEST(AjustarPosiciones, AlLeerSoloCercaDelBorde)
{
    const auto leidas = [](int x, int y, QSize area) {
        LecturaPrueba lectura;
        const QByteArray fichero = "Simple\r\n 2 \r\n 0  0 \r\n 0  0 \r\n\r\n 2000 ,  1000 \r\n " +
                                   QByteArray::number(x) + " ,  " + QByteArray::number(y) + " \r\n";
        EXPECT_EQ(lectura.Leer(fichero, area), 0) << lectura.Ultimo();
        return PosicionesDe(lectura.grafo);
    };
    const auto reescala = [&](int x, int y, QSize area = AreaPrueba) {
        return leidas(x, y, area) != P({{2000, 1000}, {std::int16_t(x), std::int16_t(y)}});
    };
    EXPECT_TRUE(reescala(150, 3000) && reescala(8850, 3000) && reescala(3000, 150) && reescala(3000, 5850));
    EXPECT_FALSE(reescala(151, 3000) || reescala(8849, 3000) || reescala(3000, 151) || reescala(3000, 5849));
    // The area given counts (2000 >= 2140 - 150), and the factor is the one above.
    EXPECT_EQ(leidas(1000, 500, {2140, 4000}), P({{1600, 800}, {800, 400}}));
}

} // namespace
