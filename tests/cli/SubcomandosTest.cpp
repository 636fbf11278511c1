// nodeva-cli run in-process: info describes a file, dibujar puts the picture where the file's positions say,
// in PNG pixels and SVG units alike; a bad file gets the reader's message and status 1, bad arguments the
// usage and 2.
#include <QImage>
#include <QProcess>

#include "cli/CliPrueba.h"
#include "cli/InteraccionCli.h"

namespace {

struct Cli : ::testing::Test, CarpetaPrueba {
    QString ConTriangulo() { return Fichero("g.grf", Triangulo); }
};

TEST_F(Cli, InfoDescribeElGrafoEnSuAreaDeTrabajo)
{
    const Ejecucion e = Ejecutar({"info", ConTriangulo()});
    EXPECT_TRUE(e.estado == 0 && e.errores.isEmpty());
    EXPECT_EQ(e.salida, "Tipo: Ponderado\nVértices: 3\nAristas: 2\nPosiciones:\n"
                        "  1: (1200, 900)\n  2: (3000, 900)\n  3: (2100, 2400)\n");
    // 3000 lies within 150 twips of a 3100-twip-wide area: scaled by 2560 / 3000.
    const Ejecucion estrecha = Ejecutar({"info", Ruta("g.grf"), "--ancho", "3100", "--alto", "20000"});
    EXPECT_TRUE(estrecha.salida.contains("  2: (2560, 768)\n")) << estrecha.salida.toStdString();
}

TEST_F(Cli, UnFicheroMaloDaElMensajeDelLectorYEstadoUno)
{
    const Ejecucion dibujar = Ejecutar({"dibujar", Fichero("m.grf", "Cuadrado\r\n2\r\n"), Ruta("m.png")});
    EXPECT_EQ(dibujar.estado, 1);
    EXPECT_EQ(dibujar.errores, "ERROR: Formato de archivo incorrecto; tipo de grafo desconocido\n");
    EXPECT_FALSE(QFile::exists(Ruta("m.png")));

    // The real binary: the message on stderr, nothing on stdout.
    QProcess proceso;
    proceso.start(NODEVA_CLI, {"info", Ruta("no-existe.grf")});
    ASSERT_TRUE(proceso.waitForFinished(60000));
    EXPECT_TRUE(proceso.exitStatus() == QProcess::NormalExit && proceso.exitCode() == 1);
    EXPECT_EQ(proceso.readAllStandardOutput(), "");
    EXPECT_TRUE(QString::fromUtf8(proceso.readAllStandardError())
                    .split('\n')
                    .contains("ERROR: Fichero inexistente o formato incorrecto"));
}

TEST(CliArgumentos, LosQueNoTienenSentidoDanElUsoYEstadoDos)
{
    for (const QString linea : {"info", "info a.grf b.grf", "info a.grf --alto 0", "dibujar g.grf g.bmp",
                                "dibujar g.grf g.svg --escala 2", "dibujar g.grf g.png --escala x"}) {
        const Ejecucion e = Ejecutar(linea.split(' '));
        EXPECT_TRUE(e.estado == 2 && e.salida.isEmpty()) << linea.toStdString();
        EXPECT_TRUE(e.errores.contains("Uso: nodeva-cli " + linea.section(' ', 0, 0))) << e.errores.toStdString();
    }
    const Ejecucion ayuda = Ejecutar({"info", "--help"});
    EXPECT_EQ(ayuda.estado, 0);
    EXPECT_TRUE(ayuda.salida.startsWith("Uso: nodeva-cli info ARCHIVO [--ancho N] [--alto N]\n"));
}

// Whether the 3 x 3 device pixels around a point given in twips hold ink.
bool Oscuro(const QImage& imagen, QPointF twips, double escala)
{
    int minimo = 255;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            minimo = std::min(minimo, qGray(imagen.pixel((twips * escala / 15).toPoint() + QPoint(dx, dy))));
    return minimo < 110;
}

TEST_F(Cli, DibujarPngA96PppOAEscalaDelTamañoDelArea)
{
    for (const int escala : {1, 3}) {
        const QString png = Ruta(QString("g%1.png").arg(escala));
        ASSERT_EQ(Ejecutar({"dibujar", ConTriangulo(), png, "--escala", QString::number(escala)}).estado, 0);
        const QImage imagen(png);
        ASSERT_EQ(imagen.size(), QSize(600, 400) * escala);
        EXPECT_TRUE(Oscuro(imagen, {1200, 900 - 110}, escala)) << "top of circle 1, scale " << escala;
        EXPECT_TRUE(Oscuro(imagen, {2100 + 110, 2400}, escala)) << "right of circle 3, scale " << escala;
        EXPECT_FALSE(Oscuro(imagen, {1200, 3000}, escala)) << "white background, scale " << escala;
    }
    ASSERT_EQ(Ejecutar({"dibujar", Ruta("g.grf"), Ruta("g.png"), "--ancho", "12000", "--alto", "4500"}).estado, 0);
    EXPECT_EQ(QImage(Ruta("g.png")).size(), QSize(800, 300));
}

TEST(InteraccionCli, EscribeCadaMensajeYSigueAdelante)
{
    QString texto;
    QTextStream errores(&texto);
    InteraccionCli io(errores);
    EXPECT_EQ(io.Mensaje("¿Guardar?", "", Icono::Pregunta, Botones::SiNoCancelar), Respuesta::Si);
    EXPECT_EQ(io.Mensaje("Hecho", "Salvar Grafo", Icono::Informacion, Botones::Aceptar), Respuesta::Aceptar);
    EXPECT_EQ(texto, "Nodeva: ¿Guardar?\nSalvar Grafo: Hecho\n");
    EXPECT_EQ(io.NombreParaGuardar("x.grf", "Grafo (*.grf)|*.grf"), "");
}

} // namespace
