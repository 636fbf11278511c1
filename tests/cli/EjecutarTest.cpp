// nodeva-cli ejecutar in-process: the plain trace of a straight run with its drawing, the commands that run
// without steps, and a refused precondition.
#include <QImage>

#include "cli/CliPrueba.h"

namespace {

// 1-2 (1), 2-3 (2), 3-4 (1), 4-1 (3) on a square.
const QByteArray Cuadrado = "Ponderado\r\n 4 \r\n 0 1 0 3 \r\n 1 0 2 0 \r\n 0 2 0 1 \r\n 3 0 1 0 \r\n\r\n"
                            " 1500 , 1500 \r\n 4500 , 1500 \r\n 4500 , 4500 \r\n 1500 , 4500 \r\n";

TEST(CliEjecutar, KruskalEscribeLaTrazaFinalYGuardaElDibujoResaltado)
{
    CarpetaCli c;
    const Ejecucion e =
        Ejecutar({"ejecutar", "Kruskal", c.Fichero("g.grf", Cuadrado), "--dibujo", c.Ruta("k.png")});
    EXPECT_TRUE(e.estado == 0 && e.errores.isEmpty()) << e.errores.toStdString();
    EXPECT_EQ(e.salida, "Algoritmo de KRUSKAL\n\nArista: (1,2)    \tArista: (3,4)    \tArista: (2,3)    \t"
                        "FIN Kruskal\n\nPESO TOTAL DEL ARBOL: 4\n\nPresione ACEPTAR  para continuar.\n");
    // Edge 1-2 runs along y = 1500 twips, pixel row 100, in palette entry 1.
    EXPECT_EQ(QImage(c.Ruta("k.png")).pixelColor(150, 100), QColor(128, 0, 0));
    EXPECT_EQ(Ejecutar({"ejecutar", "Puentes", c.Ruta("g.grf")}).salida,
              "NO EXISTEN ARISTAS PUENTE\nPresione ACEPTAR  para continuar.\n");
    EXPECT_TRUE(Ejecutar({"ejecutar", "Estadisticas", c.Ruta("g.grf")})
                    .salida.endsWith("Sucesión de grados: \n2, 2, 2, 2\n"));
}

// A failed precondition, or an algorithm the window never offers on the graph's type (statistics of a digraph
// would be all zeros, Kruskal on arcs nonsense): the message, status 2, and the drawing asked for left as it
// was.
TEST(CliEjecutar, UnaPrecondicionFallidaOUnTipoNoOfrecidoDanEstadoDos)
{
    CarpetaCli c;
    c.Fichero("i.grf", "Ponderado\r\n 2 \r\n 0 0 \r\n 0 0 \r\n\r\n 900 , 900 \r\n 2000 , 900 \r\n");
    c.Fichero("d.grf", "Digrafo\r\n 2 \r\n 0 1 \r\n 0 0 \r\n\r\n 900 , 900 \r\n 2000 , 900 \r\n");
    c.Fichero("d.png", "viejo");
    const struct {
        const char *algoritmo, *grafo, *error;
    } casos[] = {
        {"Boruvka", "i.grf", "Precondición: El algoritmo de Boruvka requiere que el grafo sea conexo.\n"},
        {"Kruskal", "d.grf", "Kruskal no se ofrece para los grafos de tipo Digrafo: solo para Ponderado.\n"},
        {"Estadisticas", "d.grf",
         "Estadisticas no se ofrece para los grafos de tipo Digrafo: solo para Simple y Ponderado.\n"},
    };
    for (const auto& caso : casos) {
        const Ejecucion e = Ejecutar({"ejecutar", caso.algoritmo, c.Ruta(caso.grafo), "--dibujo", c.Ruta("d.png")});
        EXPECT_TRUE(e.estado == 2 && e.salida.isEmpty() && c.Leer("d.png") == "viejo") << caso.algoritmo;
        EXPECT_EQ(e.errores, caso.error);
    }
    EXPECT_EQ(Ejecutar({"ejecutar", "Puentes", c.Ruta("d.grf")}).estado, 0);
}

} // namespace
