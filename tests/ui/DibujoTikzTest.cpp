// The work area's picture written as TikZ reads in pdflatex: a plain graph of each type, and Kruskal's tree
// half built, written from the memory at a pause. CI installs no TeX Live: without pdflatex the files are
// still written and checked, and the compilation is skipped, saying why.
#include <QProcess>
#include <QStandardPaths>

#include "support/CarpetaPrueba.h"
#include "support/MundoEjecucion.h"
#include "ui/DibujoTikz.h"

namespace {

const Aristas Pesadas = {{1, 2, 4}, {2, 3, 1}, {3, 4, 7}, {4, 5, 2}, {5, 1, 3}, {1, 3, 6}, {2, 5, 8}};

// Writes the picture at the second pause of a run.
struct PersonaQueGuarda : PersonaEjecucion {
    Principal* p = nullptr;
    QString fichero;
    void Mostrar(ModeloDialogo& dialogo) override
    {
        if (dynamic_cast<BotonesInterrupcion*>(&dialogo) && pausas.size() == 1) {
            EXPECT_TRUE(EscribirTikz(p->Area().Memoria(), fichero).hecha);
        }
        PersonaEjecucion::Mostrar(dialogo);
    }
};

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
    MundoCon<PersonaQueGuarda> m;
    m.persona.p = &m.p;
    m.persona.fichero = carpeta.Ruta("kruskal.tex");
    ficheros << m.persona.fichero;
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
