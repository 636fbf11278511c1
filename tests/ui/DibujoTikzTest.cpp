// The work area's picture as TikZ that pdflatex reads: each type, and Kruskal's tree half built at a pause.
// CI installs no TeX Live: without pdflatex the files are still written and checked, and not compiled.
#include <QProcess>
#include <QStandardPaths>

#include "support/CarpetaPrueba.h"
#include "support/MundoEjecucion.h"
#include "ui/DibujoTikz.h"

namespace {

const Aristas Pesadas = {{1, 2, 4}, {2, 3, 1}, {3, 4, 7}, {4, 5, 2}, {5, 1, 3}, {1, 3, 6}, {2, 5, 8}};

} // namespace

TEST(DibujoTikz, PdflatexCompilaCadaTipoYUnPasoDeKruskal)
{
    CarpetaPrueba carpeta;
    QStringList ficheros;
    for (int tipo = 0; tipo < 4; ++tipo) {
        MundoCon<PersonaEjecucion> m;
        m.Poner(tipo, 5, Pesadas);
        m.p.Redibujar();
        ficheros << carpeta.Ruta(NombreTipo(tipo) + ".tex");
        ASSERT_TRUE(EscribirTikz(m.p.Area().Memoria(), ficheros.back()).hecha);
    }
    MundoCon<PersonaEjecucion> m;
    ficheros << carpeta.Ruta("kruskal.tex");
    m.persona.alPausar = [&](BotonesInterrupcion&) { // the second pause's picture
        if (m.persona.pausas.size() == 2) {
            EXPECT_TRUE(EscribirTikz(m.p.Area().Memoria(), ficheros.back()).hecha);
        }
    };
    m.Poner(1, 5, Pesadas);
    m.p.Redibujar();
    m.p.EjecutarAlgoritmo(QStringLiteral("Kruskal"));
    // Two edges of the tree so far in its colour, the other five still plain.
    const QString paso = QString::fromUtf8(carpeta.Contenido("kruskal.tex"));
    EXPECT_EQ(paso.count("\\draw[arista, c800000, gruesa] (v"), 2) << paso.toStdString();
    EXPECT_EQ(paso.count("\\draw[arista] (v"), 5) << paso.toStdString();

    const QString pdflatex = QStandardPaths::findExecutable(QStringLiteral("pdflatex"));
    if (pdflatex.isEmpty())
        GTEST_SKIP() << "pdflatex no está instalado (TeX Live): no se compila ninguna figura";
    for (const QString& fichero : ficheros) {
        QProcess tex;
        tex.setWorkingDirectory(carpeta.carpeta.path());
        tex.start(pdflatex, {"-interaction=nonstopmode", "-halt-on-error", "-no-shell-escape", fichero});
        ASSERT_TRUE(tex.waitForFinished(120000));
        EXPECT_EQ(tex.exitCode(), 0) << fichero.toStdString() << "\n" << tex.readAllStandardOutput().toStdString();
        EXPECT_TRUE(QFile::exists(QString(fichero).replace(".tex", ".pdf"))) << fichero.toStdString();
    }
}
