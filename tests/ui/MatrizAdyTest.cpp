// The matrix window: the texts of the visible part, the scroll arrows and
// the small window of graphs that fit whole.
#include <gtest/gtest.h>

#include <random>

#include "support/EntornoPrueba.h"
#include "ui/MatrizAdy.h"

namespace {

using Flecha = MatrizAdy::Flecha;
constexpr Flecha Flechas[] = {Flecha::Arriba, Flecha::Abajo, Flecha::Izquierda, Flecha::Derecha};

// The numbers of a double-spaced column, in order.
std::vector<int> Valores(const QString& columna)
{
    std::vector<int> v;
    for (const QString& parte : columna.split(QStringLiteral("\r\n\r\n"), Qt::SkipEmptyParts))
        v.push_back(parte.toInt());
    return v;
}

std::vector<int> Rango(int desde, int hasta)
{
    std::vector<int> v;
    for (int i = desde; i <= hasta; ++i)
        v.push_back(i);
    return v;
}

struct MatrizAdyTest : ::testing::Test {
    EntornoPrueba mundo;
    Grafo g{mundo.Entorno()};

    void Vertices(const char* tipo, int n)
    {
        g.InsertarTipo(tipo);
        for (int v = 1; v <= n; ++v)
            g.AñadirVertice(static_cast<std::int16_t>(300 * v), 500);
    }
};

TEST_F(MatrizAdyTest, CuatroVerticesSinFlechasYVentanaReducida)
{
    Vertices("Simple", 4);
    g.AñadirArista(1, 2);
    g.AñadirArista(3, 4);
    MatrizAdy m(g);
    EXPECT_EQ(m.Columna(0), QString("0\r\n\r\n1\r\n\r\n0\r\n\r\n0\r\n\r\n"));
    EXPECT_EQ(m.Columna(3), QString("0\r\n\r\n0\r\n\r\n1\r\n\r\n0\r\n\r\n"));
    EXPECT_EQ(m.Cabecera(2), QString("3\r\n"));
    EXPECT_EQ(m.Filas(), QString("1\r\n\r\n2\r\n\r\n3\r\n\r\n4\r\n\r\n"));
    EXPECT_TRUE(m.VentanaReducida());
    EXPECT_EQ(m.Visibles(), 4);
    EXPECT_TRUE(m.ColumnaVisible(3));
    EXPECT_FALSE(m.ColumnaVisible(4));
    EXPECT_TRUE(m.Columna(4).isEmpty());
    for (Flecha f : Flechas) {
        EXPECT_FALSE(m.FlechaVisible(f));
        EXPECT_FALSE(m.FlechaHabilitada(f));
    }
}

TEST_F(MatrizAdyTest, DiezVerticesCabenEnteros_OnceNo)
{
    Vertices("Simple", 10);
    EXPECT_TRUE(MatrizAdy(g).VentanaReducida());
    EXPECT_FALSE(MatrizAdy(g).FlechaHabilitada(Flecha::Derecha));
    g.AñadirVertice(100, 100);
    MatrizAdy m(g);
    EXPECT_FALSE(m.VentanaReducida());
    EXPECT_TRUE(m.FlechaVisible(Flecha::Arriba));
    m.Pulsar(Flecha::Derecha);
    EXPECT_EQ(m.ColumnaInicial(), 1);
    EXPECT_FALSE(m.FlechaHabilitada(Flecha::Derecha));
    EXPECT_TRUE(m.FlechaHabilitada(Flecha::Izquierda));
    EXPECT_EQ(m.Cabecera(9), QString("11\r\n"));
}

TEST_F(MatrizAdyTest, DoceVerticesBajarDosVecesYVolver)
{
    Vertices("Simple", 12);
    MatrizAdy m(g);
    EXPECT_TRUE(m.FlechaHabilitada(Flecha::Abajo));
    EXPECT_TRUE(m.FlechaHabilitada(Flecha::Derecha));
    EXPECT_FALSE(m.FlechaHabilitada(Flecha::Arriba));
    EXPECT_FALSE(m.FlechaHabilitada(Flecha::Izquierda));

    m.Pulsar(Flecha::Arriba);
    EXPECT_EQ(m.FilaInicial(), 0) << "una flecha deshabilitada no hace nada";
    m.Pulsar(Flecha::Abajo);
    EXPECT_TRUE(m.FlechaHabilitada(Flecha::Abajo));
    m.Pulsar(Flecha::Abajo);
    EXPECT_EQ(Valores(m.Filas()), Rango(3, 12));
    EXPECT_FALSE(m.FlechaHabilitada(Flecha::Abajo));
    EXPECT_TRUE(m.FlechaHabilitada(Flecha::Arriba));
    m.Pulsar(Flecha::Abajo);
    EXPECT_EQ(m.FilaInicial(), 2);
    EXPECT_EQ(Valores(m.Cabecera(0) + "\r\n"), std::vector<int>{1}) << "las columnas no se mueven";

    m.Pulsar(Flecha::Arriba);
    m.Pulsar(Flecha::Arriba);
    EXPECT_EQ(Valores(m.Filas()), Rango(1, 10));
    EXPECT_FALSE(m.FlechaHabilitada(Flecha::Arriba));
    EXPECT_TRUE(m.FlechaHabilitada(Flecha::Abajo));
}

// Scrolling one way never re-enables the other way's end: after reaching the
// last column, moving down leaves "right" disabled.
TEST_F(MatrizAdyTest, FlechasSiguenLaPosicionEnLasDosDirecciones)
{
    Vertices("Simple", 12);
    MatrizAdy m(g);
    m.Pulsar(Flecha::Derecha);
    m.Pulsar(Flecha::Derecha);
    m.Pulsar(Flecha::Abajo);
    EXPECT_FALSE(m.FlechaHabilitada(Flecha::Derecha));
    m.Pulsar(Flecha::Derecha);
    EXPECT_EQ(m.ColumnaInicial(), 2);
    EXPECT_EQ(Valores(m.Cabecera(9) + "\r\n"), std::vector<int>{12});
}

TEST_F(MatrizAdyTest, DigrafoPonderadoMuestraElPesoDelArco)
{
    Vertices("Digrafo_Ponderado", 6);
    mundo.interaccion.pesos.push_back(std::int16_t{37});
    ASSERT_EQ(g.AñadirArista(2, 5), 0);
    MatrizAdy m(g);
    EXPECT_EQ(Valores(m.Columna(4))[1], 37) << "fila 2, columna 5";
    EXPECT_EQ(Valores(m.Columna(1))[4], 0) << "fila 5, columna 2";
}

// Every cell of every scroll position against the matrix itself.
TEST_F(MatrizAdyTest, CadaCeldaEsLaEntradaDeSuFilaYColumna)
{
    Vertices("Digrafo_Ponderado", 14);
    std::mt19937 azar(11);
    for (int i = 1; i <= 14; ++i)
        for (int j = 1; j <= 14; ++j)
            if (i != j && azar() % 3 == 0)
                g.InsertarMatriz(i, j, static_cast<std::int16_t>(100 * i + j));
    MatrizAdy m(g);
    for (int fila = 0; fila <= 4; ++fila) {
        for (int columna = 0; columna <= 4; ++columna) {
            ASSERT_EQ(Valores(m.Filas()), Rango(fila + 1, fila + 10));
            for (int k = 0; k < 10; ++k) {
                ASSERT_EQ(Valores(m.Cabecera(k) + "\r\n"), std::vector<int>{columna + k + 1});
                const std::vector<int> celdas = Valores(m.Columna(k));
                ASSERT_EQ(celdas.size(), 10u);
                for (int i = 0; i < 10; ++i)
                    ASSERT_EQ(celdas[i], g.elem_matriz(fila + i + 1, columna + k + 1));
            }
            m.Pulsar(Flecha::Derecha);
        }
        while (m.FlechaHabilitada(Flecha::Izquierda))
            m.Pulsar(Flecha::Izquierda);
        m.Pulsar(Flecha::Abajo);
    }
}

TEST_F(MatrizAdyTest, SinPersonaSeCierra)
{
    Vertices("Simple", 2);
    MatrizAdy m(g);
    mundo.interaccion.Mostrar(m);
    EXPECT_TRUE(m.Cerrado());
}

} // namespace
