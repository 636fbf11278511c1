// nodeva-cli run in-process: info describes a file, dibujar puts the picture where the file's positions say,
// in PNG pixels and SVG units alike, convertir picks the formats by extension, generar writes the graph asked
// for; a bad file gets the reader's message and status 1, bad arguments the usage and 2.
#include <QDir>
#include <QImage>
#include <QProcess>

#include "cli/CliPrueba.h"
#include "cli/InteraccionCli.h"
#include "generators/Catalogo.h"

namespace {

struct Cli : ::testing::Test, CarpetaPrueba {};

TEST_F(Cli, InfoDescribeElGrafoEnSuAreaDeTrabajo)
{
    const Ejecucion e = Ejecutar({"info", Fichero("g.grf", Triangulo)});
    EXPECT_TRUE(e.estado == 0 && e.errores.isEmpty());
    EXPECT_EQ(e.salida, "Tipo: Ponderado\nVértices: 3\nAristas: 2\nPosiciones:\n"
                        "  1: (1200, 900)\n  2: (3000, 900)\n  3: (2100, 2400)\n");
    // 3000 lies within 150 twips of a 3100-twip-wide area: scaled by 2560 / 3000.
    const Ejecucion estrecha = Ejecutar({"info", Ruta("g.grf"), "--ancho", "3100", "--alto", "20000"});
    EXPECT_TRUE(estrecha.salida.contains("  2: (2560, 768)\n")) << estrecha.salida.toStdString();
}

TEST(CliArgumentos, LosQueNoTienenSentidoDanElUsoYEstadoDos)
{
    for (const QString linea :
         {"info", "info a.grf b.grf", "info a.grf --alto 0", "dibujar g.grf g.bmp", "dibujar g.grf g.svg --escala 2",
          "dibujar g.grf g.png --escala x", "convertir", "convertir a.grf", "convertir a.grf b.png",
          "convertir a.grf b.grf c.grf", "convertir a.grf b.dot --ancho 0", "convertir a.gml ./a.gml"}) {
        const Ejecucion e = Ejecutar(linea.split(' '));
        EXPECT_TRUE(e.estado == 2 && e.salida.isEmpty()) << linea.toStdString();
        EXPECT_TRUE(e.errores.contains("Uso: nodeva-cli " + linea.section(' ', 0, 0))) << e.errores.toStdString();
    }
    const Ejecucion ayuda = Ejecutar({"info", "--help"});
    EXPECT_EQ(ayuda.estado, 0);
    EXPECT_TRUE(ayuda.salida.startsWith("Uso: nodeva-cli info ARCHIVO [--ancho N] [--alto N]\n"));
    EXPECT_TRUE(Ejecutar({"convertir", "--help"}).salida.startsWith("Uso: nodeva-cli convertir ENTRADA SALIDA"));
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
    const QString grafo = Fichero("g.grf", Triangulo);
    for (const int escala : {1, 3}) {
        const QString png = Ruta(QString("g%1.png").arg(escala));
        ASSERT_EQ(Ejecutar({"dibujar", grafo, png, "--escala", QString::number(escala)}).estado, 0);
        const QImage imagen(png);
        ASSERT_EQ(imagen.size(), QSize(600, 400) * escala);
        EXPECT_TRUE(Oscuro(imagen, {1200, 900 - 110}, escala)) << "top of circle 1, scale " << escala;
        EXPECT_TRUE(Oscuro(imagen, {2100 + 110, 2400}, escala)) << "right of circle 3, scale " << escala;
        EXPECT_FALSE(Oscuro(imagen, {1200, 3000}, escala)) << "white background, scale " << escala;
    }
    ASSERT_EQ(Ejecutar({"dibujar", grafo, Ruta("g.png"), "--ancho", "12000", "--alto", "4500"}).estado, 0);
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

TEST_F(Cli, ConvertirEligeElFormatoPorLaExtensionYElGrafoVuelveIgual)
{
    const QString grf = Fichero("t.grf", Triangulo);
    const Ejecucion ida = Ejecutar({"convertir", grf, Ruta("t.GraphML")});
    EXPECT_TRUE(ida.estado == 0 && ida.errores.isEmpty()) << ida.errores.toStdString();
    EXPECT_EQ(ida.salida, "Ponderado: 3 vértices, 2 aristas en " + Ruta("t.GraphML") + " (GraphML)\n");
    // Through every other format and back, as info describes it (the positions already fit the area).
    QString anterior = "t.GraphML";
    for (const QString siguiente : {"t.gml", "t.gv", "t.net", "u.grf"}) {
        ASSERT_EQ(Ejecutar({"convertir", Ruta(anterior), Ruta(siguiente)}).estado, 0) << siguiente.toStdString();
        anterior = siguiente;
    }
    const QString info = Ejecutar({"info", Ruta("u.grf")}).salida;
    EXPECT_TRUE(info.startsWith("Tipo: Ponderado\nVértices: 3\nAristas: 2\n")) << info.toStdString();
    EXPECT_EQ(Ejecutar({"info", Ruta("t.net")}).salida, info);
    // ejecutar opens another tool's file as the window opens the graph file it gives.
    const Ejecucion net = Ejecutar({"ejecutar", "Estadisticas", Ruta("t.net")});
    EXPECT_EQ(net.estado, 0) << net.errores.toStdString();
    EXPECT_EQ(net.salida, Ejecutar({"ejecutar", "Estadisticas", Ruta("u.grf")}).salida);
}

// A bad file, or a format that cannot hold the graph, gets the reader's or writer's message and status 1.
TEST_F(Cli, UnFicheroMaloOUnaSalidaRechazadaDanSuErrorYEstadoUno)
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

    const QString grf = Fichero("t.grf", Triangulo);
    const Ejecucion g6 = Ejecutar({"convertir", grf, Ruta("t.g6")});
    EXPECT_EQ(g6.estado, 1);
    EXPECT_TRUE(g6.errores.startsWith("ERROR: graph6 solo guarda grafos no dirigidos y sin pesos"))
        << g6.errores.toStdString();
    EXPECT_FALSE(QFile::exists(Ruta("t.g6")));
    const QString dot = Fichero("m.dot", "graph { a -- }");
    for (const QStringList& linea : {QStringList{"convertir", dot, Ruta("m.grf")}, QStringList{"info", dot},
                                     QStringList{"dibujar", dot, Ruta("m.png")}}) {
        const Ejecucion mala = Ejecutar(linea);
        EXPECT_EQ(mala.estado, 1) << linea[0].toStdString();
        EXPECT_TRUE(mala.errores.startsWith("ERROR: El fichero no es un DOT que se pueda leer; Graphviz dice:"))
            << mala.errores.toStdString();
    }
    const Ejecucion ausente = Ejecutar({"convertir", Ruta("no.net"), Ruta("n.grf")});
    EXPECT_TRUE(ausente.estado == 1 && ausente.errores.startsWith("ERROR: No se pudo abrir el fichero no.net"));
}

TEST(CliGenerar, EscribeElGrafoPedidoYRechazaUnNumeroFueraDeSuCotaOSobrante)
{
    CarpetaPrueba c;
    const Ejecucion e = Ejecutar({"generar", "Harary", "6", "3", "--tipo", "Digrafo", c.Ruta("h.grf")});
    ASSERT_EQ(e.estado, 0) << e.errores.toStdString();
    EXPECT_TRUE(Ejecutar({"info", c.Ruta("h.grf")}).salida.startsWith("Tipo: Digrafo\nVértices: 6\nAristas: 18\n"));

    const Ejecucion mal = Ejecutar({"generar", "Harary", "6", "7", c.Ruta("k.grf")});
    EXPECT_EQ(mal.estado, 2);
    // The question's prompt and bound, as the catalogue gives them.
    const PreguntaGenerador& k = BuscarGenerador("Harary")->preguntas.at(1);
    EXPECT_TRUE(mal.errores.contains(k.indicacion.trimmed().chopped(1)) &&
                mal.errores.contains(QStringLiteral("entre 1 y %1").arg(MaximoPregunta(k, {6}))))
        << mal.errores.toStdString();
    EXPECT_FALSE(QFile::exists(c.Ruta("k.grf")));

    // One argument too many, read as the file's name, would write a graph into a file named like a number.
    const QString antes = QDir::currentPath();
    QDir::setCurrent(c.Ruta(""));
    const Ejecucion sobra = Ejecutar({"generar", "Ciclo", "5", "6"});
    QDir::setCurrent(antes);
    EXPECT_EQ(sobra.estado, 2);
    EXPECT_TRUE(sobra.errores.startsWith("Sobra el argumento 6, o falta el fichero de salida."))
        << sobra.errores.toStdString();
    EXPECT_FALSE(QFile::exists(c.Ruta("6")));
}

} // namespace
