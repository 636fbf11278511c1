// nodeva-cli generar in-process: a command with its numbers writes the graph file; a number past its dialog's
// bound is refused, naming the bound.
#include <QDir>

#include "cli/CargaCli.h"
#include "cli/CliPrueba.h"
#include "generators/Catalogo.h"
#include "model/Grafo.h"

TEST(CliGenerar, EscribeElGrafoPedidoYRechazaUnNumeroFueraDeSuCota)
{
    CarpetaPrueba c;
    const Ejecucion e = Ejecutar({"generar", "Harary", "6", "3", "--tipo", "Digrafo", c.Ruta("h.grf")});
    ASSERT_EQ(e.estado, 0) << e.errores.toStdString();
    Grafo g;
    QString errores;
    QTextStream flujo(&errores);
    ASSERT_TRUE(CargarGrafoCli(c.Ruta("h.grf"), AreaTrabajoPorOmision, g, flujo));
    EXPECT_TRUE(g.Tipo() == TipoGrafo::Digrafo && g.dimen() == 6 && g.numero_aristas() == 18);
    for (int i = 1; i <= 3; ++i)
        EXPECT_NE(g.elem_matriz(i, i + 3), 0) << i;

    const Ejecucion mal = Ejecutar({"generar", "Harary", "6", "7", c.Ruta("k.grf")});
    EXPECT_EQ(mal.estado, 2);
    // The question's prompt and bound, as the catalogue gives them.
    const PreguntaGenerador& k = BuscarGenerador("Harary")->preguntas.at(1);
    EXPECT_TRUE(mal.errores.contains(k.indicacion.trimmed().chopped(1)) &&
                mal.errores.contains(QStringLiteral("entre 1 y %1").arg(MaximoPregunta(k, {6}))))
        << mal.errores.toStdString();
    EXPECT_FALSE(QFile::exists(c.Ruta("k.grf")));
}

// One argument too many, read as the file's name, would write a graph into a file named like a number.
TEST(CliGenerar, UnNumeroNoEsElFicheroDeSalida)
{
    CarpetaPrueba c;
    const QString antes = QDir::currentPath();
    QDir::setCurrent(c.Ruta(""));
    const Ejecucion e = Ejecutar({"generar", "Ciclo", "5", "6"});
    QDir::setCurrent(antes);
    EXPECT_EQ(e.estado, 2);
    EXPECT_TRUE(e.errores.startsWith("Sobra el argumento 6, o falta el fichero de salida.")) << e.errores.toStdString();
    EXPECT_FALSE(QFile::exists(c.Ruta("6")));
}
