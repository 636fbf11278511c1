// The number entry: the key filter against ValorMaximo and the number's way
// back through the record's vertex count.
#include <gtest/gtest.h>

#include "support/EntornoPrueba.h"
#include "ui/InsercionNºVert.h"

namespace {

struct Tecleo {
    const char* nombre;
    int maximo;
    QString teclas; // '\b' is Backspace; % & ' ( are the arrow codes 37..40
    QString texto;
};

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
    EXPECT_EQ(d.AceptarHabilitado(), !t.texto.isEmpty());
    EXPECT_FALSE(d.Cerrado());
    EXPECT_EQ(g.dimen(), 3) << "solo Intro o un botón devuelven el número";
    Teclear(d, "\r");
    EXPECT_EQ(d.Cerrado(), !t.texto.isEmpty());
    EXPECT_EQ(g.dimen(), t.texto.isEmpty() ? 3 : t.texto.toInt()) << "Intro lo devuelve por la dimensión";
}

INSTANTIATE_TEST_SUITE_P(
    Reglas, InsercionTeclas,
    ::testing::Values(Tecleo{"DoceSobreNueveVacia", 9, "12", ""}, Tecleo{"ElMaximoSePuede", 50, "50", "50"},
                      Tecleo{"UnoMasQueElMaximo", 50, "51", ""}, Tecleo{"CeroVacia", 50, "0", ""},
                      Tecleo{"BorrarLaUnicaCifra", 50, "5\b", ""}, Tecleo{"BorrarYSeguir", 50, "7\b3", "3"},
                      Tecleo{"LetrasYFlechasDescartadas", 50, "1a%(-2", "12"},
                      Tecleo{"MaximoDeDieciseisBits", 32767, "32768", ""}),
    [](const auto& info) { return std::string(info.param.nombre); });

struct InsercionNumero : ::testing::Test {
    EntornoPrueba mundo;
    Grafo g{mundo.Entorno()};
};

TEST_F(InsercionNumero, AceptarDevuelveElNumeroYActualizaLaVentana)
{
    InsercionNºVert d(g);
    EXPECT_EQ(d.ValorMaximo, 50);
    d.Aceptar();
    EXPECT_FALSE(d.Cerrado()) << "sin número no se acepta";
    Teclear(d, "7");
    d.Aceptar();
    EXPECT_TRUE(d.Cerrado() && d.Aceptado());
    EXPECT_EQ(g.dimen(), 7);
    EXPECT_TRUE(mundo.comandos.Habilitado(Control::Arbol_Busqueda));
}

TEST_F(InsercionNumero, CancelarOSinPersonaDevuelveCero)
{
    g.Insertar_Dimension(5, true);
    InsercionNºVert d(g);
    Teclear(d, "3");
    d.Cancelar();
    EXPECT_TRUE(d.Cerrado());
    EXPECT_FALSE(d.Aceptado());
    EXPECT_EQ(g.dimen(), 0);
    EXPECT_FALSE(mundo.comandos.Habilitado(Control::Arbol_Busqueda));
    Teclear(d, "4\r");
    EXPECT_EQ(g.dimen(), 0) << "cerrado, ya no atiende teclas";

    InsercionNºVert e(g);
    e.ValorMaximo = 9;
    mundo.interaccion.guionNumero.push_back([](InsercionNºVert& dlg) { Teclear(dlg, "8\r"); });
    mundo.interaccion.Mostrar(e);
    EXPECT_EQ(g.dimen(), 8);
    InsercionNºVert f(g);
    mundo.interaccion.Mostrar(f);
    EXPECT_TRUE(f.Cerrado());
    EXPECT_EQ(g.dimen(), 0);
}

} // namespace
