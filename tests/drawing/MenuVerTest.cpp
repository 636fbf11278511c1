// Centring, mirroring and turning the drawing: worked positions, and the refused turn that must leave
// everything as it was.
#include <gtest/gtest.h>

#include <functional>

#include "drawing/MenuVer.h"
#include "support/InteraccionGuion.h"
#include "support/Posiciones.h"

namespace {

using P = std::vector<Posicion>;

struct Mundo {
    Grafo g;
    InteraccionGuion persona;
    DimensionesArea area{8000, 6000};
    int redibujados = 0, modificados = 0;

    EfectosVer Efectos()
    {
        return {[this] { ++redibujados; }, [this] { ++modificados; }};
    }
    std::int16_t Girar(std::int16_t angulo) { return ::Girar(g, area, angulo, persona, Efectos()); }
};

using Paso = std::function<void(Mundo&)>;
const Paso Centra = [](Mundo& m) { Centrar(m.g, m.area, m.Efectos()); };
const Paso VolteaH = [](Mundo& m) { VoltearHorizontal(m.g, m.area, m.Efectos()); };
const Paso VolteaV = [](Mundo& m) { VoltearVertical(m.g, m.area, m.Efectos()); };
Paso Gira(std::int16_t angulo)
{
    return [angulo](Mundo& m) { EXPECT_EQ(m.Girar(angulo), 0); };
}

// The positions after one step on an 8000 x 6000 area, which must redraw and mark the graph modified once,
// and say nothing.
P Tras(const Paso& paso, const P& antes)
{
    Mundo m;
    PonerPosiciones(m.g, antes);
    paso(m);
    EXPECT_TRUE(m.redibujados == 1 && m.modificados == 1 && m.persona.mensajes.empty());
    return PosicionesDe(m.g);
}

TEST(MenuVer, MueveLosVerticesDondeSeEspera)
{
    EXPECT_EQ(Tras(Centra, {{1000, 1000}, {3000, 1000}, {2000, 2000}}), P({{3000, 2500}, {5000, 2500}, {4000, 3500}}));
    EXPECT_EQ(Tras(Centra, {{1000, 1000}, {2001, 2001}}), P({{3500, 2500}, {4500, 3501}})); // half to even
    // The box is measured from the area's far sides, not from the first vertex, so a drawing beyond the area
    // counts from the area's edge.
    EXPECT_EQ(Tras(Centra, {{9000, 7000}, {10000, 8000}}), P({{4000, 3000}, {5000, 4000}}));
    EXPECT_EQ(Tras(VolteaH, {{1000, 500}, {7999, 5999}}), P({{7000, 500}, {1, 5999}}));
    EXPECT_EQ(Tras(VolteaV, {{1000, 500}, {7999, 5999}}), P({{1000, 5500}, {7999, 1}}));
    // Clockwise about a centre of gravity off the grid: the vertical offset is rounded before it is used, the
    // new x only when stored.
    const P triangulo = {{1000, 1000}, {2000, 1000}, {1000, 2000}};
    EXPECT_EQ(Tras(Gira(90), triangulo), P({{1666, 1000}, {1666, 2000}, {666, 1000}}));
    EXPECT_EQ(Tras(Gira(180), triangulo), P({{1667, 1666}, {667, 1666}, {1667, 666}}));
    EXPECT_EQ(Tras(Gira(270), triangulo), P({{1000, 1667}, {1000, 667}, {2000, 1667}}));
    EXPECT_EQ(Tras(Gira(180), {{270, 3000}, {7730, 3000}}), P({{7730, 3000}, {270, 3000}})); // on the margin
}

TEST(MenuVer, UnGiroQueNoCabeAvisaUnaVezYNoMueveNada)
{
    const auto imposible = [](const P& antes, std::int16_t angulo) {
        Mundo m;
        PonerPosiciones(m.g, antes);
        EXPECT_TRUE(m.Girar(angulo) != 0 && PosicionesDe(m.g) == antes && m.redibujados + m.modificados == 0);
        EXPECT_EQ(m.persona.mensajes.size(), 1u);
        const MensajeVisto& aviso = m.persona.mensajes.at(0);
        EXPECT_TRUE(aviso.titulo == "ERROR" && aviso.icono == Icono::Critico);
        return aviso.texto;
    };
    const QString aviso = "Imposible mostrar el giro; el grafo sobrepasa las dimensiones de la pantalla";
    EXPECT_EQ(imposible({{300, 3000}, {7700, 3000}}, 90), aviso);
    // The first two would fit: nothing is stored before all are checked.
    EXPECT_EQ(imposible({{3000, 3000}, {4000, 3000}, {8000, 3000}}, 90), aviso);
    EXPECT_EQ(imposible({{7000, 500}, {7000, 5500}}, 90), aviso);  // out on the right
    EXPECT_EQ(imposible({{2000, 500}, {2000, 5500}}, 270), aviso); // out on the left
    EXPECT_EQ(imposible({{269, 3000}, {7730, 3000}}, 180), aviso); // a twip inside the margin
}

TEST(MenuVer, GrafoVacioGirarNoHaceNadaYCentrarSoloRedibuja)
{
    Mundo m;
    EXPECT_TRUE(m.Girar(90) != 0 && m.persona.mensajes.empty() && m.redibujados + m.modificados == 0);
    m.g.InsertarPosicionX(1, 123); // beyond n: must stay where it is
    Centra(m);
    Centrar(m.g, m.area, {}); // a caller that redraws on its own
    EXPECT_EQ(m.g.Posic_CoordX(1), 123);
    EXPECT_TRUE(m.redibujados == 1 && m.modificados == 1);
}

} // namespace
