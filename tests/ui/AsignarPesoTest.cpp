// The weight dialog: the prompt, the key filter and what accepting writes.
#include "support/EscenaDibujo.h"
#include "support/InteraccionGuion.h"

namespace {

// A graph with the edge 2-5 of weight 7, and the dialog opened on it.
struct Dialogo {
    explicit Dialogo(const char* tipo = "Ponderado") : e(tipo, std::vector<QPoint>(6), {{2, 5, 7}}) {}
    EscenaDibujo e;
    Grafo& g = e.grafo;
    Seleccion seleccion{.AristaSeleccionada = CodigoArista(2, 5)};
    AsignarPeso d{g, seleccion};
};

// Keys ('\b' Backspace, '\r' Enter, % & ' ( arrows), the box and button they leave, the weight after Aceptar
// (7 when it does nothing). Backspace leaves the button as it was, though there may be no weight to accept.
TEST(AsignarPeso, TeclasDejanLaCajaYElBotonComoDicenLasReglas)
{
    struct Tecleo {
        QString teclas, texto;
        int digitos;
        bool aceptar;
        int guardado;
    };
    // clang-format off
    for (const Tecleo& t : {Tecleo{"12345", "1234", 4, true, 1234}, {"0", "", 0, false, 7}, {"-\b-", "-", 0, false, 7},
                            {"1-", "1", 1, true, 1}, {"--1", "-1", 1, true, -1}, {"-05", "-5", 1, true, -5},
                            {"1%&'(a .2", "12", 2, true, 12}, {"-1\b", "-", 0, true, 7}, {"1\bx", "", 0, false, 7},
                            {"-\r", "-", 0, false, 7}}) {
        // clang-format on
        SCOPED_TRACE(t.teclas.toStdString());
        Dialogo x;
        Teclear(x.d, t.teclas);
        EXPECT_EQ(std::tuple(x.d.Texto(), int(x.d.NumDigitos()), x.d.AceptarHabilitado()),
                  std::tuple(t.texto, t.digitos, t.aceptar));
        EXPECT_EQ(x.d.Aceptar(), t.guardado != 7);
        EXPECT_EQ(x.d.Cerrado(), t.guardado != 7);
        EXPECT_EQ(std::pair(int(x.g.elem_matriz(2, 5)), int(x.g.elem_matriz(5, 2))), std::pair(t.guardado, t.guardado));
    }
}

TEST(AsignarPeso, RotuloTeclasMostradas_IntroGuardaEnLaAristaOElArco_CancelarNada)
{
    Dialogo x;
    Seleccion s{.AristaSeleccionada = CodigoArista(12, 50)};
    EXPECT_EQ(AsignarPeso(x.g, s).Rotulo(), QString("Peso asignado a la arista 12-50:"));
    const std::vector<bool> mostradas = {x.d.Tecla('0'), x.d.Tecla('-'), x.d.Tecla('-'), x.d.Tecla('x')};
    EXPECT_EQ(mostradas, std::vector<bool>({false, true, false, false}));
    for (auto [tipo, teclas, ida, vuelta] : {std::tuple{"Ponderado", "-15\r", -15, -15},
                                             {"Digrafo_Ponderado", "9999\r", 9999, 0},
                                             {"Ponderado", "42", 7, 7}}) {
        Dialogo x(tipo);
        Teclear(x.d, teclas);
        if (!x.d.Cerrado()) {
            x.d.Cancelar();
            Teclear(x.d, "\r");
            EXPECT_FALSE(x.d.Aceptar());
        }
        EXPECT_TRUE(x.d.Cerrado() && x.d.Aceptado() == (ida != 7)) << teclas;
        EXPECT_EQ(std::pair(int(x.g.elem_matriz(2, 5)), int(x.g.elem_matriz(5, 2))), std::pair(ida, vuelta));
    }
}

} // namespace
