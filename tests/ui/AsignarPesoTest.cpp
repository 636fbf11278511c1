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

// Keys are written as typed; '\b' is Backspace and '\r' Enter. The codes
// 37..40 of the arrow keys are the characters % & ' (.
struct Tecleo {
    const char* nombre;
    QString teclas;
    QString texto;
    int peso;
    int digitos;
    bool negativo;
    bool aceptar;
};

void PrintTo(const Tecleo& t, std::ostream* os)
{
    *os << t.nombre;
}

class AsignarPesoTeclas : public ::testing::TestWithParam<Tecleo> {};

TEST_P(AsignarPesoTeclas, DejaLaCajaYElBotonComoDicenLasReglas)
{
    const Tecleo& t = GetParam();
    Dialogo x;
    Teclear(x.d, t.teclas);
    EXPECT_EQ(x.d.Texto(), t.texto);
    EXPECT_EQ(x.d.Peso(), t.peso);
    EXPECT_EQ(x.d.NumDigitos(), t.digitos);
    EXPECT_EQ(x.d.Negativo(), t.negativo);
    EXPECT_EQ(x.d.AceptarHabilitado(), t.aceptar);
    EXPECT_FALSE(x.d.Cerrado());
    EXPECT_EQ(x.g.elem_matriz(2, 5), 7);
}

INSTANTIATE_TEST_SUITE_P(
    Reglas, AsignarPesoTeclas,
    ::testing::Values(Tecleo{"QuintaCifraDescartada", "12345", "1234", 1234, 4, false, true},
                      Tecleo{"CeroInicialVacia", "0", "", 0, 0, false, false},
                      Tecleo{"DiezSeEscribe", "10", "10", 10, 2, false, true},
                      Tecleo{"MenosBorradoYOtraVez", "-\b-", "-", 0, 0, true, false},
                      Tecleo{"MenosSoloAntesDeCifras", "1-", "1", 1, 1, false, true},
                      Tecleo{"UnSoloMenos", "--", "-", 0, 0, true, false},
                      Tecleo{"CeroTrasMenosDescartado", "-0", "-", 0, 0, true, false},
                      Tecleo{"MenosCeroCinco", "-05", "-5", 5, 1, true, true},
                      Tecleo{"FlechasYLetrasDescartadas", "1%&'(a .2", "12", 12, 2, false, true},
                      Tecleo{"RetrocesoBorraCifras", "123\b\b", "1", 1, 1, false, true},
                      // Backspace leaves Aceptar as it was; only a key into the
                      // empty box disables it again.
                      Tecleo{"BorrarLaUltimaCifra", "1\b", "", 0, 0, false, true},
                      Tecleo{"TeclaEnCajaVaciaDeshabilita", "1\bx", "", 0, 0, false, false},
                      Tecleo{"CeroTrasBorrarTodo", "1\b0", "", 0, 0, false, false},
                      Tecleo{"IntroSinCifrasNoHaceNada", "-\r", "-", 0, 0, true, false}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(AsignarPeso, RotuloNombraLaArista)
{
    Grafo g;
    Seleccion s;
    s.AristaSeleccionada = 307;
    EXPECT_EQ(AsignarPeso(g, s).Rotulo(), QString("Peso asignado a la arista 3-7:"));
    s.AristaSeleccionada = CodigoArista(12, 50);
    EXPECT_EQ(AsignarPeso(g, s).Rotulo(), QString("Peso asignado a la arista 12-50:"));
}

TEST(AsignarPeso, TeclaDiceSiSeMuestra)
{
    Dialogo x;
    EXPECT_FALSE(x.d.Tecla('0'));
    EXPECT_TRUE(x.d.Tecla('-'));
    EXPECT_FALSE(x.d.Tecla('-'));
    EXPECT_TRUE(x.d.Tecla('9'));
    EXPECT_FALSE(x.d.Tecla('x'));
    EXPECT_TRUE(x.d.Tecla('\b'));
}

TEST(AsignarPeso, IntroGuardaElPesoNegativoEnLosDosSentidos)
{
    Dialogo x;
    Teclear(x.d, "-15\r");
    EXPECT_TRUE(x.d.Cerrado());
    EXPECT_TRUE(x.d.Aceptado());
    EXPECT_EQ(x.g.elem_matriz(2, 5), -15);
    EXPECT_EQ(x.g.elem_matriz(5, 2), -15);
}

TEST(AsignarPeso, EnUnDigrafoSoloElArco)
{
    Dialogo x("Digrafo_Ponderado");
    Teclear(x.d, "9999\r");
    EXPECT_EQ(x.g.elem_matriz(2, 5), 9999);
    EXPECT_EQ(x.g.elem_matriz(5, 2), 0);
}

TEST(AsignarPeso, AceptarNecesitaCifras)
{
    Dialogo x;
    EXPECT_FALSE(x.d.Aceptar());
    Teclear(x.d, "-");
    EXPECT_FALSE(x.d.Aceptar());
    Teclear(x.d, "1\b");
    ASSERT_TRUE(x.d.AceptarHabilitado());
    EXPECT_FALSE(x.d.Aceptar()) << "el botón sigue habilitado pero no hay peso";
    EXPECT_FALSE(x.d.Cerrado());
    EXPECT_EQ(x.g.elem_matriz(2, 5), 7);
    Teclear(x.d, "37");
    EXPECT_TRUE(x.d.Aceptar());
    EXPECT_EQ(x.g.elem_matriz(2, 5), -37);
}

TEST(AsignarPeso, CancelarNoEscribeYCierra)
{
    Dialogo x;
    Teclear(x.d, "42");
    x.d.Cancelar();
    EXPECT_TRUE(x.d.Cerrado());
    EXPECT_FALSE(x.d.Aceptado());
    Teclear(x.d, "\r");
    EXPECT_FALSE(x.d.Aceptar());
    EXPECT_EQ(x.g.elem_matriz(2, 5), 7);
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
        if (x.d.Aceptado())
            ASSERT_EQ(peso, visto.toInt()) << visto.toStdString();
        else
            ASSERT_EQ(peso, 7);
    }
}

} // namespace
