// The number entry: the key filter against ValorMaximo and the number's way back through the record's vertex
// count.
#include "ui/InsercionNºVert.h"
#include "support/EntornoPrueba.h"

namespace {

// Keys ('\b' is Backspace; % & ' ( are the arrow codes 37..40) against a maximum, and the box they leave.
TEST(InsercionNºVert, TeclasDejanLaCajaComoDicenLasReglas)
{
    for (auto [maximo, teclas, texto] : {std::tuple<int, QString, QString>{50, "50", "50"},
                                         {50, "51", ""},
                                         {50, "0", ""},
                                         {50, "7\b3", "3"},
                                         {50, "1a%(-2", "12"},
                                         {32767, "32768", ""}}) {
        SCOPED_TRACE(teclas.toStdString());
        Grafo g;
        g.Insertar_Dimension(3, false);
        InsercionNºVert d(g);
        d.ValorMaximo = static_cast<std::int16_t>(maximo);
        Teclear(d, teclas);
        EXPECT_EQ(std::tuple(d.Texto(), d.AceptarHabilitado(), int(g.dimen())), std::tuple(texto, !texto.isEmpty(), 3));
        Teclear(d, "\r");
        EXPECT_EQ(std::pair(d.Cerrado(), int(g.dimen())),
                  std::pair(!texto.isEmpty(), texto.isEmpty() ? 3 : texto.toInt()));
    }
}

TEST(InsercionNºVert, AceptarDevuelveElNumero_CancelarOSinPersonaCero)
{
    EntornoPrueba mundo;
    Grafo g{mundo.Entorno()};
    InsercionNºVert d(g);
    d.Aceptar();
    EXPECT_FALSE(d.Cerrado()) << "sin número no se acepta";
    Teclear(d, "7");
    d.Aceptar();
    EXPECT_TRUE(d.Cerrado() && d.Aceptado() && g.dimen() == 7);
    EXPECT_TRUE(mundo.comandos.Habilitado(Control::Arbol_Busqueda));

    InsercionNºVert c(g);
    Teclear(c, "3");
    c.Cancelar();
    EXPECT_TRUE(c.Cerrado() && !c.Aceptado() && g.dimen() == 0);
    EXPECT_FALSE(mundo.comandos.Habilitado(Control::Arbol_Busqueda));
    Teclear(c, "4\r");
    EXPECT_EQ(g.dimen(), 0) << "cerrado, ya no atiende teclas";

    InsercionNºVert e(g);
    e.ValorMaximo = 9;
    mundo.interaccion.guionNumero.push_back([](InsercionNºVert& dlg) { Teclear(dlg, "8\r"); });
    mundo.interaccion.Mostrar(e);
    EXPECT_EQ(g.dimen(), 8);
    InsercionNºVert f(g);
    mundo.interaccion.Mostrar(f);
    EXPECT_TRUE(f.Cerrado() && g.dimen() == 0);
}

} // namespace
