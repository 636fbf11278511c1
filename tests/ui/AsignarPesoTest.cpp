// The weight dialog: the prompt, the key filter and what accepting writes.
#include <gtest/gtest.h>

#include <random>

#include "model/Grafo.h"
#include "support/InteraccionGuion.h"
#include "ui/AsignarPeso.h"

namespace {

// A graph with the edge 2-5 of weight 7, and the dialog opened on it.
struct Dialogo {
    explicit Dialogo(const char* tipo = "Ponderado")
    {
        g.InsertarTipo(tipo);
        g.Insertar_Dimension(6, false);
        g.InsertarMatriz(2, 5, 7);
        if (!g.Dirigido())
            g.InsertarMatriz(5, 2, 7);
    }
    Grafo g;
    Seleccion seleccion{.AristaSeleccionada = CodigoArista(2, 5)};
    AsignarPeso d{g, seleccion};
};

// Keys as typed ('\b' is Backspace, '\r' Enter, % & ' ( the arrow codes
// 37..40), the box and button they leave, and the weight of 2-5 after the
// Aceptar button is then pressed (7 when it does nothing).
struct Tecleo {
    const char* nombre;
    QString teclas, texto;
    int digitos;
    bool aceptar;
    int guardado;
};

class AsignarPesoTeclas : public ::testing::TestWithParam<Tecleo> {};

TEST_P(AsignarPesoTeclas, DejaLaCajaYElBotonComoDicenLasReglas)
{
    const Tecleo& t = GetParam();
    Dialogo x;
    Teclear(x.d, t.teclas);
    EXPECT_EQ(x.d.Texto(), t.texto);
    EXPECT_EQ(x.d.NumDigitos(), t.digitos);
    EXPECT_EQ(x.d.AceptarHabilitado(), t.aceptar);
    EXPECT_FALSE(x.d.Cerrado());
    EXPECT_EQ(x.g.elem_matriz(2, 5), 7);
    EXPECT_EQ(x.d.Aceptar(), t.guardado != 7);
    EXPECT_EQ(x.d.Cerrado(), t.guardado != 7);
    EXPECT_EQ(x.g.elem_matriz(2, 5), t.guardado);
    EXPECT_EQ(x.g.elem_matriz(5, 2), t.guardado);
}

INSTANTIATE_TEST_SUITE_P(Reglas, AsignarPesoTeclas,
                         ::testing::Values(Tecleo{"QuintaCifraDescartada", "12345", "1234", 4, true, 1234},
                                           Tecleo{"CeroInicialVacia", "0", "", 0, false, 7},
                                           Tecleo{"DiezSeEscribe", "10", "10", 2, true, 10},
                                           Tecleo{"MenosBorradoYOtraVez", "-\b-", "-", 0, false, 7},
                                           Tecleo{"MenosSoloAntesDeCifras", "1-", "1", 1, true, 1},
                                           Tecleo{"UnSoloMenos", "--1", "-1", 1, true, -1},
                                           Tecleo{"CeroTrasMenosDescartado", "-0", "-", 0, false, 7},
                                           Tecleo{"MenosCeroCinco", "-05", "-5", 1, true, -5},
                                           Tecleo{"FlechasYLetrasDescartadas", "1%&'(a .2", "12", 2, true,
                                                  12},
                                           // Backspace leaves the button as it was, though
                                           // there is no weight to accept.
                                           Tecleo{"BorrarLaUltimaCifra", "-1\b", "-", 0, true, 7},
                                           Tecleo{"TeclaEnCajaVaciaDeshabilita", "1\bx", "", 0, false, 7},
                                           Tecleo{"IntroSinCifrasNoHaceNada", "-\r", "-", 0, false, 7}),
                         [](const auto& info) { return std::string(info.param.nombre); });

TEST(AsignarPeso, RotuloYTeclasMostradas)
{
    Dialogo x;
    EXPECT_EQ(x.d.Rotulo(), QString("Peso asignado a la arista 2-5:"));
    Seleccion s{.AristaSeleccionada = CodigoArista(12, 50)};
    EXPECT_EQ(AsignarPeso(x.g, s).Rotulo(), QString("Peso asignado a la arista 12-50:"));
    const std::vector<bool> mostradas = {x.d.Tecla('0'), x.d.Tecla('-'), x.d.Tecla('-'),
                                         x.d.Tecla('9'), x.d.Tecla('x'), x.d.Tecla('\b')};
    EXPECT_EQ(mostradas, std::vector<bool>({false, true, false, true, false, true}));
}

TEST(AsignarPeso, IntroGuardaElPesoEnLaAristaOSoloEnElArco_CancelarNada)
{
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
        EXPECT_TRUE(x.d.Cerrado()) << tipo;
        EXPECT_EQ(x.d.Aceptado(), ida != 7) << teclas;
        EXPECT_EQ(x.g.elem_matriz(2, 5), ida) << teclas;
        EXPECT_EQ(x.g.elem_matriz(5, 2), vuelta) << teclas;
    }
}

// Whatever a person types, an accepted weight is the number the box showed,
// within four digits, and never 0, which would delete the edge.
TEST(AsignarPeso, NingunTecleoGuardaCeroNiSaleDelRango)
{
    const QString teclas = QStringLiteral("0123456789-\b\rx%");
    std::mt19937 azar(2024);
    for (int prueba = 0; prueba < 2000; ++prueba) {
        Dialogo x;
        QString visto;
        for (int k = 0; k < 12 && !x.d.Cerrado(); ++k) {
            visto = x.d.Texto();
            x.d.Tecla(teclas[static_cast<int>(azar() % teclas.size())].unicode());
        }
        if (!x.d.Cerrado()) {
            visto = x.d.Texto();
            x.d.Aceptar();
        }
        const int peso = x.g.elem_matriz(2, 5);
        ASSERT_NE(peso, 0) << visto.toStdString();
        ASSERT_EQ(x.g.elem_matriz(5, 2), peso);
        ASSERT_EQ(peso, x.d.Aceptado() ? visto.toInt() : 7) << visto.toStdString();
    }
}

} // namespace
