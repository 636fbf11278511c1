// Rescaling positions: when reading triggers it, and the factor it applies.
#include "files/AjustarPosiciones.h"
#include "files/LecturaPrueba.h"

namespace {

Grafo ConPosiciones(std::initializer_list<Posicion> posiciones)
{
    Grafo g;
    g.Insertar_Dimension(static_cast<std::int16_t>(posiciones.size()), false);
    int v = 1;
    for (const Posicion& p : posiciones) {
        g.InsertarPosicionX(v, p.X);
        g.InsertarPosicionY(v++, p.Y);
    }
    return g;
}

std::vector<std::pair<int, int>> Posiciones(const Grafo& g)
{
    std::vector<std::pair<int, int>> ps;
    for (int v = 1; v <= g.dimen(); ++v)
        ps.emplace_back(g.Posic_CoordX(v), g.Posic_CoordY(v));
    return ps;
}

using Pares = std::vector<std::pair<int, int>>;

// Work area 9000 x 6000: drawing space 8460 x 5460 after the margin.
TEST(AjustarPosiciones, ElEjeMasJustoDaElFactor)
{
    Grafo g = ConPosiciones({{150, 1000}, {4230, 1365}});
    AjustarPosiciones(g, AreaPrueba);
    EXPECT_EQ(Posiciones(g), (Pares{{300, 2000}, {8460, 2730}}));

    Grafo h = ConPosiciones({{1000, 2730}, {846, 100}});
    AjustarPosiciones(h, AreaPrueba);
    EXPECT_EQ(Posiciones(h), (Pares{{2000, 5460}, {1692, 200}}));
}

TEST(AjustarPosiciones, RedondeaMediosHaciaElPar)
{
    // Factor exactly 0.5: 1540 - 540 = 1000 over a largest X of 2000.
    Grafo g = ConPosiciones({{5, 7}, {7, 9}, {2000, 100}});
    AjustarPosiciones(g, QSize(1540, 6000));
    EXPECT_EQ(Posiciones(g), (Pares{{2, 4}, {4, 4}, {1000, 50}}));
}

TEST(AjustarPosiciones, EjeTodoCeroUsaElOtro)
{
    Grafo g = ConPosiciones({{0, 1365}, {0, 500}});
    AjustarPosiciones(g, AreaPrueba);
    EXPECT_EQ(Posiciones(g), (Pares{{0, 5460}, {0, 2000}}));

    Grafo h = ConPosiciones({{2115, 0}, {100, 0}});
    AjustarPosiciones(h, AreaPrueba);
    EXPECT_EQ(Posiciones(h), (Pares{{8460, 0}, {400, 0}}));
}

TEST(AjustarPosiciones, SinFactorNadaCambia)
{
    Grafo todoCero = ConPosiciones({{0, 0}, {0, 0}});
    AjustarPosiciones(todoCero, AreaPrueba);
    EXPECT_EQ(Posiciones(todoCero), (Pares{{0, 0}, {0, 0}}));

    Grafo vacio;
    AjustarPosiciones(vacio, AreaPrueba);
    EXPECT_EQ(vacio.dimen(), 0);

    Grafo areaMinuscula = ConPosiciones({{100, 100}});
    AjustarPosiciones(areaMinuscula, QSize(300, 300));
    EXPECT_EQ(Posiciones(areaMinuscula), (Pares{{100, 100}}));
}

TEST(AjustarPosiciones, NoDesbordaEnUnAreaEnorme)
{
    Grafo g = ConPosiciones({{1, 1}, {2, 2}});
    AjustarPosiciones(g, QSize(1'000'000, 1'000'000));
    EXPECT_EQ(Posiciones(g), (Pares{{32767, 32767}, {32767, 32767}}));
}

// Reading rescales when some position lies within 150 twips of the work
// area's edges (on the edge included), and only then.
struct Borde {
    const char* nombre;
    int x;
    int y;
    bool reescala;
};

// Names the row in failure reports instead of dumping its bytes.
void PrintTo(const Borde& fila, std::ostream* os)
{
    *os << fila.nombre;
}

const Borde Bordes[] = {
    {"XEnElMargenIzquierdo", 150, 3000, true}, {"XJuntoAlMargenIzquierdo", 151, 3000, false},
    {"XEnElMargenDerecho", 8850, 3000, true},  {"XJuntoAlMargenDerecho", 8849, 3000, false},
    {"YEnElMargenSuperior", 3000, 150, true},  {"YJuntoAlMargenSuperior", 3000, 151, false},
    {"YEnElMargenInferior", 3000, 5850, true}, {"YJuntoAlMargenInferior", 3000, 5849, false},
};

class LecturaReescala : public testing::TestWithParam<Borde> {};

TEST_P(LecturaReescala, SoloCercaDelBorde)
{
    const Borde& b = GetParam();
    const QByteArray fichero = "Simple\r\n 2 \r\n 0  0 \r\n 0  0 \r\n\r\n 2000 ,  1000 \r\n " +
                               QByteArray::number(b.x) + " ,  " + QByteArray::number(b.y) + " \r\n";
    LecturaPrueba lectura;
    ASSERT_EQ(lectura.Leer(fichero), 0);
    Grafo esperado = ConPosiciones({{2000, 1000}, {std::int16_t(b.x), std::int16_t(b.y)}});
    if (b.reescala)
        AjustarPosiciones(esperado, AreaPrueba);
    EXPECT_EQ(Posiciones(lectura.grafo), Posiciones(esperado));
    EXPECT_EQ(Posiciones(lectura.grafo) != (Pares{{2000, 1000}, {b.x, b.y}}), b.reescala);
}

INSTANTIATE_TEST_SUITE_P(Margenes, LecturaReescala, testing::ValuesIn(Bordes),
                         [](const auto& info) { return std::string(info.param.nombre); });

TEST(LecturaReescala, UsaElAreaDeTrabajoDada)
{
    LecturaPrueba lectura;
    const QByteArray fichero = "Simple\r\n 1 \r\n 0 \r\n\r\n 1000 ,  500 \r\n";
    ASSERT_EQ(lectura.Leer(fichero, QSize(1140, 4000)), 0); // 1000 >= 1140 - 150
    EXPECT_EQ(Posiciones(lectura.grafo), (Pares{{600, 300}}));
}

} // namespace
