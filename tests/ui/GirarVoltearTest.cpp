// The "Voltear y Girar" dialog: its opening state, the rule tying the angles
// to "Girar", and what Aceptar and Cancelar do to the drawing.
#include <gtest/gtest.h>

#include <optional>
#include <string>

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

TEST_F(DialogoGirarVoltear, LosAngulosSoloCuentanMientrasGirarEstaElegido)
{
    EXPECT_EQ(dialogo.OpcionElegida(), Opcion::VoltearHorizontal);
    EXPECT_FALSE(dialogo.AngulosHabilitados());
    EXPECT_FALSE(dialogo.ElegirAngulo(Angulo::Grados270)) << "disabled while mirroring";
    EXPECT_EQ(dialogo.AnguloElegido(), Angulo::Grados90);
    EXPECT_EQ(cambios, 0);

    dialogo.ElegirOpcion(Opcion::Girar);
    EXPECT_TRUE(dialogo.AngulosHabilitados());
    EXPECT_TRUE(dialogo.ElegirAngulo(Angulo::Grados270));
    EXPECT_EQ(dialogo.AnguloElegido(), Angulo::Grados270);
    dialogo.ElegirOpcion(Opcion::VoltearVertical);
    EXPECT_FALSE(dialogo.AngulosHabilitados());
    dialogo.ElegirOpcion(Opcion::Girar);
    EXPECT_EQ(dialogo.AnguloElegido(), Angulo::Grados90) << "choosing Girar selects 90º again";
    dialogo.ElegirAngulo(Angulo::Grados180);
    dialogo.ElegirOpcion(Opcion::Girar);
    EXPECT_EQ(dialogo.AnguloElegido(), Angulo::Grados90);
    EXPECT_EQ(cambios, 6) << "every change is announced to the view";
}

// What Aceptar leaves: the dialog closes whatever it did; a turn that does
// not fit the area is refused with an error and moves nothing.
struct CasoAceptar {
    std::string nombre;
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
    EXPECT_FALSE(dialogo.Cerrado());
    dialogo.Aceptar();
    EXPECT_EQ(PosicionesDe(g), c.despues);
    EXPECT_TRUE(dialogo.Cerrado());
    const bool rechazado = c.despues == c.antes;
    EXPECT_EQ(persona.mensajes.size(), rechazado ? 1u : 0u);
    EXPECT_TRUE(!rechazado || persona.mensajes[0].titulo == "ERROR");
    EXPECT_EQ(redibujados, rechazado ? 0 : 1);
    EXPECT_EQ(modificados, rechazado ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    GirarVoltear, AceptarAplicaLaEleccion,
    ::testing::Values(
        CasoAceptar{"NadaElegidoVolteaHorizontal", {}, {}, {{5000, 2000}, {3000, 2500}}},
        CasoAceptar{"VoltearVertical", Opcion::VoltearVertical, {}, {{3000, 4000}, {5000, 3500}}},
        CasoAceptar{"GirarSinElegirAnguloSon90", Opcion::Girar, {}, {{4250, 1250}, {3750, 3250}}},
        CasoAceptar{"Girar180", Opcion::Girar, Angulo::Grados180, {{5000, 2500}, {3000, 2000}}},
        CasoAceptar{"Girar270", Opcion::Girar, Angulo::Grados270, {{3750, 3250}, {4250, 1250}}},
        CasoAceptar{"ElAreaSeMideAlAceptar", {}, {}, {{7000, 2000}, {5000, 2500}}, {10000, 6000}},
        CasoAceptar{"GiroQueNoCabeSeRechaza",
                    Opcion::Girar,
                    {},
                    {{300, 3000}, {7700, 3000}},
                    {8000, 6000},
                    {{300, 3000}, {7700, 3000}}}),
    [](const auto& info) { return info.param.nombre; });

TEST_F(DialogoGirarVoltear, CancelarCierraSinTocarElDibujo)
{
    dialogo.ElegirOpcion(Opcion::Girar);
    dialogo.ElegirAngulo(Angulo::Grados180);
    dialogo.Cancelar();
    EXPECT_TRUE(dialogo.Cerrado());
    dialogo.Aceptar(); // a closed dialog takes no more presses
    EXPECT_EQ(PosicionesDe(g), Dibujo);
    EXPECT_EQ(redibujados + modificados, 0);
}

} // namespace
