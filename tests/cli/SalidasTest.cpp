// What nodeva-cli writes replaces a file whole or not at all: a full disk, a failed run, an output that is
// the input and a picture too big to make all leave every existing file as it was (what is no regular file
// is refused by the same writer, in its own tests).
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QXmlStreamReader>
#include <sys/resource.h>

#include "cli/CliPrueba.h"
#include "generators/Catalogo.h"

namespace {

const QByteArray Viejo = "lo que había\n";

struct Salidas : ::testing::Test, CarpetaPrueba {
    QStringList Entradas() const { return QDir(carpeta.path()).entryList(QDir::Files | QDir::System); }
};

// The disk fills up while the output is written (a file size limit stands for it, on the real binary): status
// 1, and the old output keeps its bytes.
TEST_F(Salidas, UnDiscoLlenoDejaLaSalidaAnterior)
{
    Fichero("g.grf", Triangulo);
    for (const auto& [linea, salida] :
         {std::pair{"generar Grafo_completo 49 s.grf", "s.grf"},
          {"dibujar g.grf s.png --escala 4", "s.png"},
          {"ejecutar Componentes g.grf --dibujo s.png --ancho 36000 --alto 24000", "s.png"}}) {
        QStringList args = QString(linea).split(' ');
        for (QString& a : args)
            if (a.contains('.'))
                a = Ruta(a);
        Fichero(salida, Viejo);
        QProcess proceso;
        proceso.setChildProcessModifier([] {
            const rlimit limite{4096, 4096};
            ::setrlimit(RLIMIT_FSIZE, &limite);
        });
        proceso.start(NODEVA_CLI, args);
        ASSERT_TRUE(proceso.waitForFinished(60000));
        EXPECT_EQ(proceso.exitCode(), 1) << linea;
        EXPECT_TRUE(QString::fromUtf8(proceso.readAllStandardError())
                        .endsWith("No se pudo escribir " + Ruta(salida) +
                                  ": el fichero pasa del tamaño que se permite escribir\n"))
            << linea;
        EXPECT_EQ(Contenido(salida), Viejo) << linea;
        EXPECT_EQ(Entradas(), (QStringList{"g.grf", salida})) << linea;
        QFile::remove(Ruta(salida));
    }
}

// The drawing onto the graph file itself (or a link to it) is refused before anything is read; a run that
// fails writes nothing.
TEST_F(Salidas, ElDibujoNuncaEstropeaUnFicheroExistente)
{
    const QString grafo = Fichero("g.svg", Triangulo);
    ASSERT_TRUE(QFile::link(grafo, Ruta("enlace.svg")));
    for (const QString& dibujo : {grafo, Ruta("enlace.svg")}) {
        const Ejecucion e = Ejecutar({"ejecutar", "Componentes", grafo, "--dibujo", dibujo});
        EXPECT_EQ(e.estado, 2);
        EXPECT_TRUE(e.errores.startsWith("El dibujo no puede guardarse en el propio fichero de grafo.\n"));
    }
    EXPECT_EQ(Contenido("g.svg"), Triangulo);

    Fichero("d.png", Viejo);
    EXPECT_EQ(Ejecutar({"ejecutar", "Boruvka", Fichero("m.grf", "Cuadrado\r\n"), "--dibujo", Ruta("d.png")}).estado, 1);
    EXPECT_EQ(Contenido("d.png"), Viejo);
}

// Every size or list typed is bounded: past its bound the command stops with status 2 and says why, before
// reading the graph or making a picture (the largest drawings are only measured).
TEST_F(Salidas, LoQueExcedeSusCotasSeRechazaConEstadoDos)
{
    Fichero("g.grf", Triangulo);
    const QString mil = QStringList(1000, "1").join(','), tantos = QStringList(2501, "1").join(',');
    const PreguntaGenerador& n = BuscarGenerador("Grafo_completo")->preguntas.at(0);
    const QString lejos = "; no puede pasar de 268435456 (16384 x 16384) ni de 32767 por lado.\n";
    const std::pair<QString, QString> casos[] = {
        {"dibujar g.grf d.png --ancho 15360 --alto 15361 --escala 16",
         "El dibujo tendría 16384 x 16386 píxeles" + lejos},
        {"dibujar g.grf d.png --ancho 1000000 --alto 1 --escala 16", "El dibujo tendría 1066667 x 2 píxeles" + lejos},
        {"dibujar g.grf d.svg --ancho 491520 --alto 15", "El dibujo tendría 32768 x 1 píxeles" + lejos},
        {"ejecutar Componentes g.grf --dibujo d.svg --ancho 1000000 --alto 1000000",
         "El dibujo tendría 66667 x 66667 píxeles" + lejos},
        {"dibujar g.grf d.png --ancho 1000001", "Valor no válido para --ancho.\n"},
        {"dibujar g.grf d.png --escala 16.5", "Valor no válido para --escala.\n"},
        {"dibujar g.grf d.png --escala 0.2", "Valor no válido para --escala.\n"},
        {"ejecutar Componentes g.grf --alto 0",
         "Valor no válido para --alto: debe ser un número entero positivo de twips.\n"},
        {"ejecutar Prufer_Decoding --codigo " + mil, "Valor no válido para --codigo: " + mil + "\n"},
        {"ejecutar FleuryUsuario g.grf --recorrido " + tantos, "Valor no válido para --recorrido: " + tantos + "\n"},
        {"ejecutar FleuryUsuario g.grf --recorrido 1,51", "Valor no válido para --recorrido: 1,51\n"},
        {"generar Grafo_completo 51 s.grf", QStringLiteral("Grafo_completo: «%1» (%2) debe estar entre 1 y %3; se ha "
                                                           "dado 51.\n")
                                                .arg(n.indicacion.trimmed().chopped(1), n.nombre)
                                                .arg(MaximoPregunta(n, {}))},
    };
    for (const auto& [linea, error] : casos) {
        QStringList args = linea.split(' ');
        for (QString& a : args)
            if (QStringList{"g.grf", "d.png", "d.svg", "s.grf"}.contains(a))
                a = Ruta(a);
        const Ejecucion e = Ejecutar(args);
        EXPECT_EQ(e.estado, 2) << linea.toStdString();
        EXPECT_TRUE(e.errores.startsWith(error)) << e.errores.left(300).toStdString();
    }
    EXPECT_EQ(Entradas(), QStringList{"g.grf"});
}

// The title of an SVG drawing is the graph file's name, whatever it holds, less the characters XML does not
// allow (a control character, U+FFFE); one SVG unit is a 96-dpi pixel: twips / 15.
TEST_F(Salidas, ElSvgEsXmlValidoEnPixelesDe96Ppp)
{
    const QString grafo = Fichero(QString("a<b>&\"c\x01") + QChar(0xFFFE) + ".grf", Triangulo);
    for (const QStringList& args : {QStringList{"dibujar", grafo, Ruta("d.svg")},
                                    QStringList{"ejecutar", "Componentes", grafo, "--dibujo", Ruta("d.svg")}}) {
        ASSERT_EQ(Ejecutar(args).estado, 0) << args[0].toStdString();
        QXmlStreamReader xml(Contenido("d.svg"));
        QString titulo;
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"title")
                titulo = xml.readElementText();
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        EXPECT_EQ(titulo, "a<b>&\"c.grf");
        EXPECT_TRUE(Contenido("d.svg").contains("viewBox=\"0 0 600 400\""));
        EXPECT_TRUE(Contenido("d.svg").contains("<circle cx=\"140\" cy=\"160\" r=\"7.33333\"/>"));
    }
}

// A .tex drawing is a LaTeX document with the figure, of any size the area may take: a run's final picture is
// the same drawn straight into it or copied at the end from the work area of --pasos. --escala is refused as
// for an SVG drawing.
TEST_F(Salidas, ElTexEsUnDocumentoConLaFiguraFinal)
{
    const QString grafo = Fichero("g.grf", Triangulo);
    ASSERT_EQ(Ejecutar({"dibujar", grafo, Ruta("d.TEX"), "--ancho", "1000000", "--alto", "1000000"}).estado, 0);
    const QString dibujo = QString::fromUtf8(Contenido("d.TEX"));
    EXPECT_TRUE(
        dibujo.contains("\\documentclass[tikz,border=2mm]{standalone}\n\\begin{document}\n\\begin{tikzpicture}"));
    EXPECT_TRUE(dibujo.contains("\\node[vertice] (v3) at (3.70,53.56) {3};")) << dibujo.toStdString();
    EXPECT_TRUE(dibujo.endsWith("\\end{tikzpicture}\n\\end{document}\n"));
    const QString positivo = Fichero("p.grf", QByteArray(Triangulo).replace("-2", " 2"));
    ASSERT_TRUE(QDir(carpeta.path()).mkdir("pasos"));
    ASSERT_EQ(Ejecutar({"ejecutar", "Kruskal", positivo, "--dibujo", Ruta("k.tex")}).estado, 0);
    ASSERT_EQ(Ejecutar({"ejecutar", "Kruskal", positivo, "--dibujo", Ruta("p.tex"), "--pasos", Ruta("pasos")}).estado,
              0);
    EXPECT_EQ(Contenido("k.tex"), Contenido("p.tex"));
    EXPECT_EQ(Contenido("k.tex").count("\\draw[arista, c800000, gruesa] (v"), 2);
    const Ejecucion e = Ejecutar({"dibujar", grafo, Ruta("e.tex"), "--escala", "2"});
    EXPECT_EQ(e.estado, 2);
    EXPECT_EQ(e.errores.section('\n', 0, 0), "--escala solo se aplica a las imágenes PNG.");
}

// Names whose bytes are not UTF-8 reach the real binary as bytes (through a shell): each output is
// written under the very name given, read back, and still told apart from the input.
TEST_F(Salidas, LosNombresQueNoSonUtf8SonLosQueSeEscriben)
{
    const QString guion = "c=\"$0\"; n=$(printf 'caf\\351.grf'); p=$(printf 'p\\351'); mkdir \"$p\" && "
                          "\"$c\" generar Ciclo 4 \"$n\" >/dev/null && "
                          "\"$c\" ejecutar En_Anchura \"$n\" --raiz 1 --grafo \"$(printf 'ni\\361o.grf')\" "
                          "--dibujo \"$(printf 'd\\351.png')\" --pasos \"$p\" >/dev/null && "
                          "\"$c\" info \"$(printf 'ni\\361o.grf')\" | head -n 1 && "
                          "{ \"$c\" ejecutar Fleury \"$n\" --dibujo \"$n\" 2>/dev/null; echo $?; } && "
                          "ls \"$p\" | wc -l && ls";
    QProcess proceso;
    proceso.setWorkingDirectory(carpeta.path());
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert("LC_ALL", "C");
    proceso.setProcessEnvironment(entorno);
    proceso.start("/bin/sh", {"-c", guion, NODEVA_CLI});
    ASSERT_TRUE(proceso.waitForFinished(60000));
    EXPECT_EQ(proceso.readAllStandardOutput(),
              QByteArray("Tipo: Simple\n2\n14\ncaf\xe9.grf\nd\xe9.png\nni\xf1o.grf\np\xe9\n"));
}

} // namespace
