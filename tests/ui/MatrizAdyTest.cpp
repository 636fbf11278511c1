// The matrix window: the texts of the visible part, the scroll arrows, the small window of graphs that fit.
#include "ui/MatrizAdy.h"
#include "support/EntornoPrueba.h"

namespace {

using Flecha = MatrizAdy::Flecha;

// The enabled arrows: A(rriba), B(ajo), I(zquierda), D(erecha).
std::string Habilitadas(const MatrizAdy& m)
{
    std::string s;
    for (Flecha f : {Flecha::Arriba, Flecha::Abajo, Flecha::Izquierda, Flecha::Derecha})
        if (m.FlechaHabilitada(f))
            s += "ABID"[int(f)];
    return s;
}

struct MatrizAdyTest : ::testing::Test {
    EntornoPrueba mundo;
    Grafo g{mundo.Entorno()};
};

// Up to ten vertices the window shrinks to the matrix, with no arrows; from eleven on it is whole.
TEST_F(MatrizAdyTest, HastaDiezVerticesVentanaReducidaSinFlechas)
{
    mundo.Construir(g, "Simple", 4, {{1, 2}, {3, 4}});
    MatrizAdy m(g);
    EXPECT_EQ(m.Columna(0), QString("0\r\n\r\n1\r\n\r\n0\r\n\r\n0\r\n\r\n"));
    EXPECT_EQ(m.Cabecera(2), QString("3\r\n"));
    EXPECT_EQ(m.Filas(), QString("1\r\n\r\n2\r\n\r\n3\r\n\r\n4\r\n\r\n"));
    EXPECT_TRUE(m.VentanaReducida() && m.Visibles() == 4 && m.ColumnaVisible(3) && !m.ColumnaVisible(4));
    EXPECT_TRUE(m.Columna(4).isEmpty() && !m.FlechaVisible(Flecha::Abajo));
    mundo.interaccion.Mostrar(m);
    EXPECT_TRUE(m.Cerrado()) << "sin persona se cierra";
    mundo.Construir(g, "Simple", 6);
    EXPECT_TRUE(MatrizAdy(g).VentanaReducida() && Habilitadas(MatrizAdy(g)).empty());
    mundo.Construir(g, "Simple", 1);
    EXPECT_TRUE(!MatrizAdy(g).VentanaReducida() && MatrizAdy(g).FlechaVisible(Flecha::Arriba));
    EXPECT_EQ(Habilitadas(MatrizAdy(g)), "BD");
}

// Twelve vertices (a weighted digraph): the arrows scroll one row or column up to the last, a disabled arrow
// does nothing, and every cell shown is the entry of its row and column.
TEST_F(MatrizAdyTest, DoceVerticesBajarYVolver)
{
    mundo.Construir(g, "Digrafo_Ponderado", 12);
    for (int i = 1; i <= 12; ++i)
        for (int j = 1; j <= 12; ++j)
            g.InsertarMatriz(i, j, static_cast<std::int16_t>(i == j ? 0 : 100 * i + j));
    MatrizAdy m(g);
    struct Paso {
        Flecha flecha;
        int fila, columna;
        const char* habilitadas;
    };
    using enum MatrizAdy::Flecha; // the class's own name: clang 14 takes no alias here
    // clang-format off
    const Paso pasos[] = {{Arriba, 0, 0, "BD"}, {Abajo, 1, 0, "ABD"}, {Abajo, 2, 0, "AD"}, {Abajo, 2, 0, "AD"},
                          {Arriba, 1, 0, "ABD"}, {Arriba, 0, 0, "BD"}, {Derecha, 0, 1, "BID"},
                          {Derecha, 0, 2, "BI"}, {Abajo, 1, 2, "ABI"}, {Derecha, 1, 2, "ABI"}};
    // clang-format on
    for (auto [flecha, fila, columna, habilitadas] : pasos) {
        m.Pulsar(flecha);
        EXPECT_EQ(std::tuple(m.FilaInicial(), m.ColumnaInicial(), Habilitadas(m)),
                  std::tuple(fila, columna, std::string(habilitadas)));
        QString filas;
        for (int k = 0; k < 10; ++k) {
            filas += QString::number(fila + k + 1) + "\r\n\r\n";
            QString celdas;
            for (int i = 1; i <= 10; ++i)
                celdas += QString::number(g.elem_matriz(fila + i, columna + k + 1)) + "\r\n\r\n";
            EXPECT_EQ(m.Columna(k), celdas) << k;
            EXPECT_EQ(m.Cabecera(k), QString::number(columna + k + 1) + "\r\n");
        }
        EXPECT_EQ(m.Filas(), filas);
    }
}

} // namespace
