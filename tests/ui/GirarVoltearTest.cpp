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
    int redibujados = 0;
    int modificados = 0;
    int cambios = 0;
    GirarVoltear dialogo{g, [this] { return area; }, persona,
                         EfectosVer{[this] { ++redibujados; }, [this] { ++modificados; }}};

    void SetUp() override
    {
        PonerPosiciones(g, Dibujo);
        dialogo.alCambiar = [this] { ++cambios; };
    }
};

TEST_F(DialogoGirarVoltear, TextosDelDialogo)
{
    EXPECT_EQ(GirarVoltear::Titulo(), QStringLiteral("Voltear y Girar"));
    EXPECT_EQ(GirarVoltear::TextoMarco(), QStringLiteral("Voltear o girar"));
    EXPECT_EQ(GirarVoltear::TextoOpcion(Opcion::VoltearHorizontal), QStringLiteral("Voltear Horizontal"));
    EXPECT_EQ(GirarVoltear::TextoOpcion(Opcion::VoltearVertical), QStringLiteral("Voltear Vertical"));
    EXPECT_EQ(GirarVoltear::TextoOpcion(Opcion::Girar), QStringLiteral("Girar"));
    EXPECT_EQ(GirarVoltear::TextoAngulo(Angulo::Grados90), QStringLiteral("90º"));
    EXPECT_EQ(GirarVoltear::TextoAngulo(Angulo::Grados180), QStringLiteral("180º"));
    EXPECT_EQ(GirarVoltear::TextoAngulo(Angulo::Grados270), QStringLiteral("270º"));
    EXPECT_EQ(GirarVoltear::TextoAceptar(), QStringLiteral("Aceptar"));
    EXPECT_EQ(GirarVoltear::TextoCancelar(), QStringLiteral("Cancelar"));
}

TEST_F(DialogoGirarVoltear, AceptarNadaMasAbrirVolteaIzquierdaDerecha)
{
    EXPECT_EQ(dialogo.OpcionElegida(), Opcion::VoltearHorizontal);
    EXPECT_FALSE(dialogo.AngulosHabilitados());
    EXPECT_FALSE(dialogo.Cerrado());
    dialogo.Aceptar();
    EXPECT_TRUE(dialogo.Cerrado());
    EXPECT_EQ(PosicionesDe(g), (std::vector<Posicion>{{5000, 2000}, {3000, 2500}}));
    EXPECT_EQ(redibujados, 1);
    EXPECT_EQ(modificados, 1);
}

TEST_F(DialogoGirarVoltear, LosAngulosSoloCuentanMientrasGirarEstaElegido)
{
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

struct CasoAceptar {
    std::string nombre;
    Opcion opcion;
    std::optional<Angulo> angulo;
    std::vector<Posicion> despues;
};

void PrintTo(const CasoAceptar& caso, std::ostream* os)
{
    *os << caso.nombre;
}

struct AceptarAplicaLaEleccion : DialogoGirarVoltear, ::testing::WithParamInterface<CasoAceptar> {};

TEST_P(AceptarAplicaLaEleccion, YCierra)
{
    dialogo.ElegirOpcion(GetParam().opcion);
    if (GetParam().angulo) {
        dialogo.ElegirAngulo(*GetParam().angulo);
    }
    dialogo.Aceptar();
    EXPECT_EQ(PosicionesDe(g), GetParam().despues);
    EXPECT_TRUE(dialogo.Cerrado());
    EXPECT_TRUE(persona.mensajes.empty());
    EXPECT_EQ(modificados, 1);
}

INSTANTIATE_TEST_SUITE_P(
    GirarVoltear, AceptarAplicaLaEleccion,
    ::testing::Values(
        CasoAceptar{"VoltearHorizontal", Opcion::VoltearHorizontal, {}, {{5000, 2000}, {3000, 2500}}},
        CasoAceptar{"VoltearVertical", Opcion::VoltearVertical, {}, {{3000, 4000}, {5000, 3500}}},
        CasoAceptar{"GirarSinElegirAnguloSon90", Opcion::Girar, {}, {{4250, 1250}, {3750, 3250}}},
        CasoAceptar{"Girar180", Opcion::Girar, Angulo::Grados180, {{5000, 2500}, {3000, 2000}}},
        CasoAceptar{"Girar270", Opcion::Girar, Angulo::Grados270, {{3750, 3250}, {4250, 1250}}}),
    [](const auto& info) { return info.param.nombre; });

TEST_F(DialogoGirarVoltear, GiroImposibleAvisaNoMueveNadaYCierraIgual)
{
    PonerPosiciones(g, {{300, 3000}, {7700, 3000}});
    dialogo.ElegirOpcion(Opcion::Girar);
    dialogo.Aceptar();
    ASSERT_EQ(persona.mensajes.size(), 1u);
    EXPECT_EQ(persona.mensajes[0].titulo, QStringLiteral("ERROR"));
    EXPECT_EQ(PosicionesDe(g), (std::vector<Posicion>{{300, 3000}, {7700, 3000}}));
    EXPECT_EQ(redibujados, 0);
    EXPECT_EQ(modificados, 0);
    EXPECT_TRUE(dialogo.Cerrado());
}

TEST_F(DialogoGirarVoltear, CancelarCierraSinTocarElDibujo)
{
    dialogo.ElegirOpcion(Opcion::Girar);
    dialogo.ElegirAngulo(Angulo::Grados180);
    dialogo.Cancelar();
    EXPECT_TRUE(dialogo.Cerrado());
    dialogo.Aceptar(); // a closed dialog takes no more presses
    EXPECT_EQ(PosicionesDe(g), Dibujo);
    EXPECT_EQ(redibujados, 0);
    EXPECT_EQ(modificados, 0);
}

TEST_F(DialogoGirarVoltear, ElAreaSeMideAlAceptar)
{
    area = {10000, 6000}; // the window was resized while the dialog was open
    dialogo.Aceptar();
    EXPECT_EQ(PosicionesDe(g), (std::vector<Posicion>{{7000, 2000}, {5000, 2500}}));
}

} // namespace
