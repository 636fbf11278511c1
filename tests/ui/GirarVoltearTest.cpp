// The "Voltear y Girar" dialog: the rule tying the angles to "Girar", what Aceptar and Cancelar do.
#include <gtest/gtest.h>

#include <optional>

#include "support/InteraccionGuion.h"
#include "support/Posiciones.h"
#include "ui/GirarVoltear.h"

namespace {

using Opcion = GirarVoltear::Opcion;
using Angulo = GirarVoltear::Angulo;

// Two vertices with no symmetry, so that every choice gives its own result.
const std::vector<Posicion> Dibujo = {{3000, 2000}, {5000, 2500}};

struct DialogoGirarVoltear : ::testing::Test {
    Grafo g;
    InteraccionGuion persona;
    DimensionesArea area{8000, 6000};
    int redibujados = 0, modificados = 0, cambios = 0;
    GirarVoltear dialogo{g, [this] { return area; }, persona,
                         EfectosVer{[this] { ++redibujados; }, [this] { ++modificados; }}};

    void SetUp() override
    {
        PonerPosiciones(g, Dibujo);
        dialogo.alCambiar = [this] { ++cambios; };
    }
};

// The angles count only while "Girar" is chosen; Cancelar closes without touching the drawing.
TEST_F(DialogoGirarVoltear, LosAngulosSoloCuentanConGirar_CancelarNoTocaNada)
{
    EXPECT_FALSE(dialogo.AngulosHabilitados());
    EXPECT_FALSE(dialogo.ElegirAngulo(Angulo::Grados270)) << "disabled while mirroring";
    EXPECT_EQ(dialogo.AnguloElegido(), Angulo::Grados90);
    dialogo.ElegirOpcion(Opcion::Girar);
    EXPECT_TRUE(dialogo.AngulosHabilitados() && dialogo.ElegirAngulo(Angulo::Grados270));
    dialogo.ElegirOpcion(Opcion::VoltearVertical);
    EXPECT_FALSE(dialogo.AngulosHabilitados());
    dialogo.ElegirOpcion(Opcion::Girar);
    EXPECT_EQ(dialogo.AnguloElegido(), Angulo::Grados90) << "choosing Girar selects 90º again";
    EXPECT_EQ(cambios, 4) << "every change is announced to the view";
    dialogo.ElegirAngulo(Angulo::Grados180);
    dialogo.Cancelar();
    dialogo.Aceptar(); // a closed dialog takes no more presses
    EXPECT_TRUE(dialogo.Cerrado() && PosicionesDe(g) == Dibujo && redibujados + modificados == 0);
}

// What Aceptar leaves: the dialog closes whatever it did; a turn that does not fit the area (measured when
// Aceptar is pressed) is refused with an error and moves nothing.
struct CasoAceptar {
    std::optional<Opcion> opcion; // none: Aceptar straight after opening
    std::optional<Angulo> angulo;
    std::vector<Posicion> despues;
    DimensionesArea area = {8000, 6000}; // the area when Aceptar is pressed
    std::vector<Posicion> antes = Dibujo;
};

struct AceptarAplicaLaEleccion : DialogoGirarVoltear, ::testing::WithParamInterface<CasoAceptar> {};

TEST_P(AceptarAplicaLaEleccion, YCierra)
{
    const CasoAceptar& c = GetParam();
    PonerPosiciones(g, c.antes);
    if (c.opcion)
        dialogo.ElegirOpcion(*c.opcion);
    if (c.angulo)
        dialogo.ElegirAngulo(*c.angulo);
    area = c.area;
    dialogo.Aceptar();
    EXPECT_EQ(PosicionesDe(g), c.despues);
    const int hecho = c.despues != c.antes;
    EXPECT_EQ(std::tuple(dialogo.Cerrado(), persona.mensajes.size(), redibujados, modificados),
              std::tuple(true, 1u - hecho, hecho, hecho));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(GirarVoltear, AceptarAplicaLaEleccion, ::testing::Values(
    CasoAceptar{{}, {}, {{5000, 2000}, {3000, 2500}}}, CasoAceptar{Opcion::VoltearVertical, {}, {{3000, 4000}, {5000, 3500}}},
    CasoAceptar{Opcion::Girar, {}, {{4250, 1250}, {3750, 3250}}}, CasoAceptar{Opcion::Girar, Angulo::Grados180, {{5000, 2500}, {3000, 2000}}},
    CasoAceptar{Opcion::Girar, Angulo::Grados270, {{3750, 3250}, {4250, 1250}}},
    CasoAceptar{{}, {}, {{7000, 2000}, {5000, 2500}}, {10000, 6000}},
    CasoAceptar{Opcion::Girar, {}, {{300, 3000}, {7700, 3000}}, {8000, 6000}, {{300, 3000}, {7700, 3000}}}),
    [](const auto& info) { return "Caso" + std::to_string(info.index); });
// clang-format on

} // namespace
