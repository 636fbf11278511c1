// nodeva-cli ejecutar in-process: the plain trace of a straight run with its
// drawing, the commands that run without steps, and a refused precondition.
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "cli/Subcomandos.h"

namespace {

struct Salida {
    int estado = 0;
    QString salida, errores;
};

Salida Ejecutar(const QStringList& argumentos)
{
    Salida e;
    QTextStream salida(&e.salida), errores(&e.errores);
    e.estado = EjecutarCli(argumentos, salida, errores);
    salida.flush();
    errores.flush();
    return e;
}

QString Fichero(const QTemporaryDir& carpeta, const QByteArray& bytes)
{
    QFile f(carpeta.filePath("g.grf"));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return f.fileName();
}

// 1-2 (1), 2-3 (2), 3-4 (1), 4-1 (3) on a square.
const QByteArray Cuadrado = "Ponderado\r\n 4 \r\n 0 1 0 3 \r\n 1 0 2 0 \r\n 0 2 0 1 \r\n 3 0 1 0 \r\n\r\n"
                            " 1500 , 1500 \r\n 4500 , 1500 \r\n 4500 , 4500 \r\n 1500 , 4500 \r\n";

TEST(CliEjecutar, KruskalEscribeLaTrazaFinalYGuardaElDibujoResaltado)
{
    QTemporaryDir carpeta;
    const QString png = carpeta.filePath("k.png");
    const Salida e = Ejecutar({"ejecutar", "Kruskal", Fichero(carpeta, Cuadrado), "--dibujo", png});
    EXPECT_EQ(e.estado, 0);
    EXPECT_EQ(e.errores, "");
    EXPECT_EQ(e.salida, "Algoritmo de KRUSKAL\n\nArista: (1,2)    \tArista: (3,4)    \tArista: (2,3)    \t"
                        "FIN Kruskal\n\nPESO TOTAL DEL ARBOL: 4\n\nPresione ACEPTAR  para continuar.\n");
    const QImage imagen(png);
    ASSERT_EQ(imagen.size(), QSize(600, 400));
    // Edge 1-2 runs along y = 1500 twips, pixel row 100, in palette entry 1.
    EXPECT_EQ(imagen.pixelColor(150, 100), QColor(128, 0, 0));
}

TEST(CliEjecutar, LasOrdenesSinPasosEscribenSuTrazaOSuVentana)
{
    QTemporaryDir carpeta;
    const QString grafo = Fichero(carpeta, Cuadrado);
    EXPECT_EQ(Ejecutar({"ejecutar", "Puentes", grafo}).salida,
              "NO EXISTEN ARISTAS PUENTE\nPresione ACEPTAR  para continuar.\n");
    const QString estadisticas = Ejecutar({"ejecutar", "Estadisticas", grafo}).salida;
    EXPECT_TRUE(estadisticas.endsWith("Sucesión de grados: \n2, 2, 2, 2\n")) << estadisticas.toStdString();
}

TEST(CliEjecutar, UnaPrecondicionFallidaDaSuMensajeYEstadoDos)
{
    QTemporaryDir carpeta;
    const QString svg = carpeta.filePath("d.svg");
    const Salida e = Ejecutar(
        {"ejecutar", "Boruvka",
         Fichero(carpeta, "Ponderado\r\n 2 \r\n 0 0 \r\n 0 0 \r\n\r\n 900 , 900 \r\n 2000 , 900 \r\n"),
         "--dibujo", svg});
    EXPECT_EQ(e.estado, 2);
    EXPECT_EQ(e.salida, "");
    EXPECT_EQ(e.errores, "Precondición: El algoritmo de Boruvka requiere que el grafo sea conexo.\n");
    EXPECT_FALSE(QFile::exists(svg));
}

} // namespace
