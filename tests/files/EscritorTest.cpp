// The graph file writer: its exact bytes, and that whatever it writes reads
// back as the same graph.
#include <QBuffer>

#include "files/Escritor.h"
#include "files/LecturaPrueba.h"

namespace {

Grafo Ejemplo(int tipo)
{
    Grafo g;
    g.InsertarTipo(NombreTipo(tipo));
    g.Insertar_Dimension(4, false);
    const bool pesos = EsPonderado(tipo);
    const auto poner = [&](int a, int b, std::int16_t peso) {
        const std::int16_t valor = pesos ? peso : 1;
        g.InsertarMatriz(a, b, valor);
        if (!EsDirigido(tipo))
            g.InsertarMatriz(b, a, valor);
        g.IncrementarNumAristas();
    };
    poner(1, 2, -17);
    poner(2, 3, 9999);
    poner(4, 1, -9999);
    poner(3, 4, 250);
    if (EsDirigido(tipo))
        poner(2, 1, 3);
    const Posicion posiciones[] = {{0, 0}, {400, 5000}, {2500, 300}, {8700, 5700}, {151, 151}};
    for (int v = 1; v <= 4; ++v) {
        g.InsertarPosicionX(v, posiciones[v].X);
        g.InsertarPosicionY(v, posiciones[v].Y);
    }
    return g;
}

TEST(Escritor, FormatoExacto)
{
    Grafo g;
    g.InsertarTipo("Ponderado");
    g.Insertar_Dimension(2, false);
    g.InsertarMatriz(1, 2, -5);
    g.InsertarMatriz(2, 1, -5);
    g.InsertarPosicionX(1, 250);
    g.InsertarPosicionY(1, 300);
    g.InsertarPosicionX(2, 1000);
    g.InsertarPosicionY(2, 2000);
    EXPECT_EQ(TextoGrafo(g), QByteArray("Ponderado\r\n 2 \r\n 0 -5 \r\n-5  0 \r\n\r\n"
                                        " 250 ,  300 \r\n 1000 ,  2000 \r\n"));
}

class IdaYVuelta : public testing::TestWithParam<int> {};

TEST_P(IdaYVuelta, LeeLoQueEscribe)
{
    LecturaPrueba lectura;
    const Grafo original = Ejemplo(GetParam());
    ASSERT_TRUE(EscribirGrafo(lectura.Ruta("ida.grf"), original));
    ASSERT_EQ(LeerGrafo(lectura.Ruta("ida.grf"), lectura.grafo, lectura.documento,
                        lectura.entorno.interaccion, AreaPrueba),
              0)
        << lectura.entorno.interaccion.UltimoTexto().toStdString();
    EXPECT_TRUE(lectura.grafo == original);
    EXPECT_EQ(lectura.grafo.numero_aristas(), original.numero_aristas());
    EXPECT_EQ(lectura.grafo.elem_matriz(1, 2), EsPonderado(GetParam()) ? -17 : 1);
}

INSTANTIATE_TEST_SUITE_P(Tipos, IdaYVuelta,
                         testing::Values(TipoGrafo::Simple, TipoGrafo::Ponderado, TipoGrafo::Digrafo,
                                         TipoGrafo::Digrafo_Ponderado),
                         [](const auto& info) { return NombreTipo(info.param).toStdString(); });

// The file must always read back: weights are kept to what a file can hold
// and an unweighted graph writes 0 or 1 whatever its entries hold.
TEST(Escritor, AcotaLoQueElLectorRechazaria)
{
    Grafo pesos;
    pesos.InsertarTipo("Digrafo_Ponderado");
    pesos.Insertar_Dimension(2, false);
    pesos.InsertarMatriz(1, 2, 20000);
    pesos.InsertarMatriz(2, 1, -32768);
    EXPECT_EQ(TextoGrafo(pesos), QByteArray("Digrafo_Ponderado\r\n 2 \r\n 0  9999 \r\n-9999  0 \r\n\r\n"
                                            " 0 ,  0 \r\n 0 ,  0 \r\n"));
    Grafo simple;
    simple.Insertar_Dimension(1, false);
    simple.InsertarMatriz(1, 1, 7);
    EXPECT_EQ(TextoGrafo(simple), QByteArray("Simple\r\n 1 \r\n 1 \r\n\r\n 0 ,  0 \r\n"));
}

TEST(Escritor, CoordenadaNegativaNoSeRelee)
{
    Grafo g;
    g.Insertar_Dimension(1, false);
    g.InsertarPosicionX(1, -40);
    g.InsertarPosicionY(1, 500);
    const QByteArray texto = TextoGrafo(g);
    EXPECT_TRUE(texto.endsWith("\r\n-40 ,  500 \r\n"));
    LecturaPrueba lectura;
    EXPECT_NE(lectura.Leer(texto), 0);
    EXPECT_EQ(lectura.entorno.interaccion.UltimoTexto(), "Posición no numérica");
}

} // namespace
