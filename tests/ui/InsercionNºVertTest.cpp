// The number entry: the key filter against ValorMaximo and the number's way
// back through the record's vertex count.
#include <gtest/gtest.h>

#include "model/Controles.h"
#include "support/EntornoPrueba.h"
#include "ui/InsercionNºVert.h"

namespace {

struct Tecleo {
    const char* nombre;
    int maximo;
    QString teclas; // '\b' is Backspace; % & ' ( are the arrow codes 37..40
    QString texto;
    bool aceptar;
};

void PrintTo(const Tecleo& t, std::ostream* os)
{
    *os << t.nombre;
}

class InsercionTeclas : public ::testing::TestWithParam<Tecleo> {};

TEST_P(InsercionTeclas, DejaLaCajaComoDicenLasReglas)
{
    const Tecleo& t = GetParam();
    Grafo g;
    g.Insertar_Dimension(3, false);
    InsercionNºVert d(g);
    d.ValorMaximo = static_cast<std::int16_t>(t.maximo);
    Teclear(d, t.teclas);
    EXPECT_EQ(d.Texto(), t.texto);
    EXPECT_EQ(d.Valor(), t.texto.toInt());
    EXPECT_EQ(d.AceptarHabilitado(), t.aceptar);
    EXPECT_FALSE(d.Cerrado());
    EXPECT_EQ(g.dimen(), 3) << "solo Intro o un botón devuelven el número";
}

INSTANTIATE_TEST_SUITE_P(Reglas, InsercionTeclas,
                         ::testing::Values(Tecleo{"DoceSobreNueveVacia", 9, "12", "", false},
                                           Tecleo{"DoceDentroDe50", 50, "12", "12", true},
                                           Tecleo{"ElMaximoSePuede", 50, "50", "50", true},
                                           Tecleo{"UnoMasQueElMaximo", 50, "51", "", false},
                                           Tecleo{"CeroVacia", 50, "0", "", false},
                                           Tecleo{"BorrarLaUnicaCifra", 50, "5\b", "", false},
                                           Tecleo{"BorrarYSeguir", 50, "7\b3", "3", true},
                                           Tecleo{"LetrasYFlechasDescartadas", 50, "1a%(-2", "12", true},
                                           Tecleo{"MaximoDeDieciseisBits", 32767, "32768", "", false},
                                           Tecleo{"CuatroCifras", 32767, "3276", "3276", true}),
                         [](const auto& info) { return std::string(info.param.nombre); });

struct InsercionNumero : ::testing::Test {
    EntornoPrueba mundo;
    Grafo g{mundo.Entorno()};
};

TEST_F(InsercionNumero, AlCargarElLimiteDelRegistro)
{
    InsercionNºVert d(g);
    EXPECT_EQ(d.ValorMaximo, 50);
    EXPECT_EQ(d.Rango, QString("(máximo 50)"));
    EXPECT_FALSE(d.AceptarHabilitado());
    EXPECT_EQ(d.Texto(), QString());
}

TEST_F(InsercionNumero, IntroDevuelveElNumeroPorLaDimension)
{
    InsercionNºVert d(g);
    Teclear(d, "12\r");
    EXPECT_TRUE(d.Cerrado());
    EXPECT_TRUE(d.Aceptado());
    EXPECT_EQ(g.dimen(), 12);
    EXPECT_EQ(d.Valor(), 0);
    EXPECT_TRUE(mundo.comandos.Habilitado(Control::Arbol_Busqueda)) << "la dimensión actualiza la ventana";
}

TEST_F(InsercionNumero, AceptarComoIntroSoloConNumero)
{
    g.Insertar_Dimension(4, false);
    InsercionNºVert d(g);
    Teclear(d, "\r");
    d.Aceptar();
    EXPECT_FALSE(d.Cerrado());
    EXPECT_EQ(g.dimen(), 4);
    Teclear(d, "7");
    d.Aceptar();
    EXPECT_TRUE(d.Cerrado());
    EXPECT_EQ(g.dimen(), 7);
}

TEST_F(InsercionNumero, CancelarDevuelveCero)
{
    g.Insertar_Dimension(5, true);
    ASSERT_TRUE(mundo.comandos.Habilitado(Control::Arbol_Busqueda));
    InsercionNºVert d(g);
    Teclear(d, "3");
    d.Cancelar();
    EXPECT_TRUE(d.Cerrado());
    EXPECT_FALSE(d.Aceptado());
    EXPECT_EQ(g.dimen(), 0);
    EXPECT_FALSE(mundo.comandos.Habilitado(Control::Arbol_Busqueda));
    Teclear(d, "4\r");
    EXPECT_EQ(g.dimen(), 0) << "cerrado, ya no atiende teclas";
}

TEST_F(InsercionNumero, GuionTecleaOSeCierraCancelando)
{
    InsercionNºVert d(g);
    d.ValorMaximo = 9;
    mundo.interaccion.guionNumero.push_back([](InsercionNºVert& dlg) { Teclear(dlg, "8\r"); });
    mundo.interaccion.Mostrar(d);
    EXPECT_EQ(g.dimen(), 8);

    InsercionNºVert otro(g);
    mundo.interaccion.Mostrar(otro);
    EXPECT_TRUE(otro.Cerrado());
    EXPECT_EQ(g.dimen(), 0);
}

} // namespace
