// The graph file writer: its exact bytes, and that whatever it writes reads back as the same graph.
#include "files/Escritor.h"
#include "files/LecturaPrueba.h"
#include "support/Aristas.h"

namespace {

// Each type written exactly as it was read, weights at their limits and positions just clear of the margins,
// and read back as the same graph.
TEST(Escritor, CadaTipoSeEscribeComoSeLeeYSeReleeIgual)
{
    const QByteArray posiciones = "\r\n 400 ,  5000 \r\n 8700 ,  5700 \r\n 151 ,  151 \r\n";
    for (const QByteArray matriz : {"Simple\r\n 3 \r\n 0  1  1 \r\n 1  0  0 \r\n 1  0  0 \r\n",
                                    "Ponderado\r\n 3 \r\n 0 -17  9999 \r\n-17  0  0 \r\n 9999  0  0 \r\n",
                                    "Digrafo\r\n 3 \r\n 0  1  0 \r\n 1  0  1 \r\n 0  0  0 \r\n",
                                    "Digrafo_Ponderado\r\n 3 \r\n 0 -9999  0 \r\n 3  0  250 \r\n 0  0  0 \r\n"}) {
        SCOPED_TRACE(matriz.left(matriz.indexOf('\r')).toStdString());
        LecturaPrueba ida, vuelta;
        ASSERT_EQ(ida.Leer(matriz + posiciones), 0) << ida.Ultimo();
        EXPECT_EQ(ida.grafo.elem_matriz(3, 2), 0) << "a row holds the arcs out of its vertex";
        EXPECT_EQ(TextoGrafo(ida.grafo), matriz + posiciones);
        ASSERT_TRUE(EscribirGrafo(ida.Ruta("ida.grf"), ida.grafo).hecha);
        ASSERT_EQ(vuelta.LeerRuta(ida.Ruta("ida.grf")), 0) << vuelta.Ultimo();
        EXPECT_TRUE(vuelta.grafo == ida.grafo);
    }
}

// The file must always read back: weights are kept to what a file can hold, an unweighted graph writes 0 or 1
// whatever its entries hold. A negative coordinate is written with its sign, and refused when read.
TEST(Escritor, AcotaLoQueElLectorRechazaria)
{
    Grafo pesos, simple;
    PonerGrafo(pesos, "Digrafo_Ponderado", {{0, 0}, {0, 0}}, {{1, 2, 20000}, {2, 1, -32768}});
    EXPECT_EQ(TextoGrafo(pesos), "Digrafo_Ponderado\r\n 2 \r\n 0  9999 \r\n-9999  0 \r\n\r\n 0 ,  0 \r\n 0 ,  0 \r\n");
    simple.Insertar_Dimension(1, false);
    simple.InsertarMatriz(1, 1, 7);
    simple.InsertarPosicionX(1, -40);
    EXPECT_EQ(TextoGrafo(simple), "Simple\r\n 1 \r\n 1 \r\n\r\n-40 ,  0 \r\n");
    LecturaPrueba lectura;
    EXPECT_NE(lectura.Leer(TextoGrafo(simple)), 0);
    EXPECT_EQ(lectura.Ultimo(), "Posición no numérica");
}

} // namespace
