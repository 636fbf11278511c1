// Centring, mirroring and turning the drawing: worked positions, the refused
// turn that must leave everything as it was, and round trips on random drawings.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>

#include "drawing/MenuVer.h"
#include "support/InteraccionGuion.h"
#include "support/Posiciones.h"

namespace {

struct Mundo {
    Grafo g;
    InteraccionGuion persona;
    int redibujados = 0;
    int modificados = 0;

    EfectosVer Efectos()
    {
        return {[this] { ++redibujados; }, [this] { ++modificados; }};
    }
};

using Transformacion = std::function<void(Mundo&, DimensionesArea)>;

Transformacion ConGiro(std::int16_t angulo)
{
    return [angulo](Mundo& m, DimensionesArea a) { EXPECT_EQ(Girar(m.g, a, angulo, m.persona, m.Efectos()), 0); };
}
const Transformacion ConCentrar = [](Mundo& m, DimensionesArea a) { Centrar(m.g, a, m.Efectos()); };
const Transformacion ConVoltearH = [](Mundo& m, DimensionesArea a) { VoltearHorizontal(m.g, a, m.Efectos()); };
const Transformacion ConVoltearV = [](Mundo& m, DimensionesArea a) { VoltearVertical(m.g, a, m.Efectos()); };

struct CasoTransformacion {
    std::string nombre;
    std::vector<Posicion> antes;
    Transformacion aplicar;
    std::vector<Posicion> despues;
};

void PrintTo(const CasoTransformacion& caso, std::ostream* os)
{
    *os << caso.nombre;
}

class TransformacionExacta : public ::testing::TestWithParam<CasoTransformacion> {};

TEST_P(TransformacionExacta, MueveLosVerticesRedibujaYMarcaModificado)
{
    Mundo m;
    PonerPosiciones(m.g, GetParam().antes);
    GetParam().aplicar(m, {8000, 6000});
    EXPECT_EQ(PosicionesDe(m.g), GetParam().despues);
    EXPECT_EQ(m.redibujados, 1);
    EXPECT_EQ(m.modificados, 1);
    EXPECT_TRUE(m.persona.mensajes.empty());
}

const std::vector<Posicion> Triangulo = {{1000, 1000}, {2000, 1000}, {1000, 2000}};

INSTANTIATE_TEST_SUITE_P(
    MenuVer, TransformacionExacta,
    ::testing::Values(
        CasoTransformacion{"CentrarTresVertices", {{1000, 1000}, {3000, 1000}, {2000, 2000}}, ConCentrar,
                           {{3000, 2500}, {5000, 2500}, {4000, 3500}}},
        CasoTransformacion{"CentrarConMitadesAlPar", {{1000, 1000}, {2001, 2001}}, ConCentrar,
                           {{3500, 2500}, {4500, 3501}}},
        // The box is measured from the area's far sides, not from the first
        // vertex, so a drawing beyond the area counts from the area's edge.
        CasoTransformacion{"CentrarDibujoMasAllaDelArea", {{9000, 7000}, {10000, 8000}}, ConCentrar,
                           {{4000, 3000}, {5000, 4000}}},
        CasoTransformacion{"VoltearHorizontal", {{1000, 500}, {7999, 5999}}, ConVoltearH, {{7000, 500}, {1, 5999}}},
        CasoTransformacion{"VoltearVertical", {{1000, 500}, {7999, 5999}}, ConVoltearV, {{1000, 5500}, {7999, 1}}},
        CasoTransformacion{"Girar90EnSentidoDelReloj", {{3000, 2000}, {5000, 2000}}, ConGiro(90),
                           {{4000, 1000}, {4000, 3000}}},
        CasoTransformacion{"Girar270ContraElReloj", {{3000, 2000}, {5000, 2000}}, ConGiro(270),
                           {{4000, 3000}, {4000, 1000}}},
        // A centre of gravity off the grid: the vertical offset is rounded
        // before it is used, the new x only when stored.
        CasoTransformacion{"Girar90CentroFraccionario", Triangulo, ConGiro(90), {{1666, 1000}, {1666, 2000}, {666, 1000}}},
        CasoTransformacion{"Girar180CentroFraccionario", Triangulo, ConGiro(180), {{1667, 1666}, {667, 1666}, {1667, 666}}},
        CasoTransformacion{"Girar270CentroFraccionario", Triangulo, ConGiro(270), {{1000, 1667}, {1000, 667}, {2000, 1667}}},
        CasoTransformacion{"Girar180HastaElMargenJusto", {{270, 3000}, {7730, 3000}}, ConGiro(180),
                           {{7730, 3000}, {270, 3000}}}),
    [](const auto& info) { return info.param.nombre; });

struct CasoGiroImposible {
    std::string nombre;
    std::vector<Posicion> antes;
    std::int16_t angulo;
};

void PrintTo(const CasoGiroImposible& caso, std::ostream* os)
{
    *os << caso.nombre;
}

class GiroImposible : public ::testing::TestWithParam<CasoGiroImposible> {};

TEST_P(GiroImposible, AvisaUnaVezYNoMueveNiRedibujaNada)
{
    Mundo m;
    PonerPosiciones(m.g, GetParam().antes);
    EXPECT_NE(Girar(m.g, {8000, 6000}, GetParam().angulo, m.persona, m.Efectos()), 0);
    EXPECT_EQ(PosicionesDe(m.g), GetParam().antes);
    ASSERT_EQ(m.persona.mensajes.size(), 1u);
    const MensajeVisto& aviso = m.persona.mensajes.front();
    EXPECT_EQ(aviso.texto,
              QStringLiteral("Imposible mostrar el giro; el grafo sobrepasa las dimensiones de la pantalla"));
    EXPECT_EQ(aviso.titulo, QStringLiteral("ERROR"));
    EXPECT_EQ(aviso.icono, Icono::Critico);
    EXPECT_EQ(aviso.botones, Botones::Aceptar);
    EXPECT_EQ(m.redibujados + m.modificados, 0);
}

INSTANTIATE_TEST_SUITE_P(
    MenuVer, GiroImposible,
    ::testing::Values(CasoGiroImposible{"PrimerVerticeSaleArriba", {{300, 3000}, {7700, 3000}}, 90},
                      // The first two would fit: nothing is stored before all are checked.
                      CasoGiroImposible{"UltimoVerticeSaleAbajo", {{3000, 3000}, {4000, 3000}, {8000, 3000}}, 90},
                      CasoGiroImposible{"SaleALaDerecha", {{7000, 500}, {7000, 5500}}, 90},
                      CasoGiroImposible{"SaleALaIzquierda", {{2000, 500}, {2000, 5500}}, 270},
                      CasoGiroImposible{"UnTwipDentroDelMargen", {{269, 3000}, {7730, 3000}}, 180}),
    [](const auto& info) { return info.param.nombre; });

TEST(MenuVer, GrafoVacioGirarNoHaceNadaYCentrarSoloRedibuja)
{
    Mundo m;
    EXPECT_NE(Girar(m.g, {8000, 6000}, 90, m.persona, m.Efectos()), 0);
    EXPECT_TRUE(m.persona.mensajes.empty());
    EXPECT_EQ(m.redibujados + m.modificados, 0);

    m.g.InsertarPosicionX(1, 123); // beyond n: must stay where it is
    Centrar(m.g, {8000, 6000}, m.Efectos());
    Centrar(m.g, {8000, 6000}, {}); // a caller that redraws on its own
    EXPECT_EQ(m.g.Posic_CoordX(1), 123);
    EXPECT_EQ(m.redibujados, 1);
    EXPECT_EQ(m.modificados, 1);
}

struct CasoVuelta {
    std::string nombre;
    std::vector<Transformacion> pasos;
    int tolerancia;
};

void PrintTo(const CasoVuelta& caso, std::ostream* os)
{
    *os << caso.nombre;
}

class VueltaAlOrigen : public ::testing::TestWithParam<CasoVuelta> {};

// Random drawings well inside a large area, so that no turn is refused.
TEST_P(VueltaAlOrigen, DevuelveCadaVerticeASuSitio)
{
    for (unsigned semilla = 1; semilla <= 40; ++semilla) {
        std::mt19937 azar(semilla);
        std::uniform_int_distribution<int> coord(8000, 12000);
        std::vector<Posicion> antes(std::uniform_int_distribution<std::size_t>(1, 50)(azar));
        for (Posicion& p : antes)
            p = {static_cast<std::int16_t>(coord(azar)), static_cast<std::int16_t>(coord(azar))};
        Mundo m;
        PonerPosiciones(m.g, antes);
        for (const Transformacion& paso : GetParam().pasos)
            paso(m, {20000, 20001});
        const std::vector<Posicion> despues = PosicionesDe(m.g);
        for (std::size_t i = 0; i < antes.size(); ++i) {
            EXPECT_NEAR(despues[i].X, antes[i].X, GetParam().tolerancia) << "seed " << semilla << ", vertex " << i + 1;
            EXPECT_NEAR(despues[i].Y, antes[i].Y, GetParam().tolerancia) << "seed " << semilla << ", vertex " << i + 1;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    MenuVer, VueltaAlOrigen,
    ::testing::Values(CasoVuelta{"VoltearHorizontalDosVeces", {ConVoltearH, ConVoltearH}, 0},
                      CasoVuelta{"VoltearVerticalDosVeces", {ConVoltearV, ConVoltearV}, 0},
                      CasoVuelta{"Girar180DosVeces", {ConGiro(180), ConGiro(180)}, 1},
                      CasoVuelta{"Girar90Y270", {ConGiro(90), ConGiro(270)}, 1},
                      CasoVuelta{"Girar90CuatroVeces", {ConGiro(90), ConGiro(90), ConGiro(90), ConGiro(90)}, 1}),
    [](const auto& info) { return info.param.nombre; });

} // namespace
