// nodeva-cli generar in-process: a command with its numbers writes the graph
// file; a number past its dialog's bound is refused, naming the bound.
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "cli/CargaCli.h"
#include "cli/Subcomandos.h"
#include "model/Grafo.h"

namespace {

int Ejecutar(const QStringList& argumentos, QString& salida, QString& errores)
{
    QTextStream s(&salida), e(&errores);
    const int estado = EjecutarCli(argumentos, s, e);
    s.flush();
    e.flush();
    return estado;
}

} // namespace

TEST(CliGenerar, EscribeElGrafoPedido)
{
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath("h.grf");
    QString salida, errores;
    ASSERT_EQ(Ejecutar({"generar", "Harary", "6", "3", "--tipo", "Digrafo", ruta}, salida, errores), 0)
        << errores.toStdString();
    Grafo g;
    QTextStream e(&errores);
    ASSERT_TRUE(CargarGrafoCli(ruta, AreaTrabajoPorOmision, g, e));
    EXPECT_EQ(g.Tipo(), TipoGrafo::Digrafo);
    EXPECT_EQ(g.dimen(), 6);
    EXPECT_EQ(g.numero_aristas(), 18);
    for (int i = 1; i <= 3; ++i)
        EXPECT_NE(g.elem_matriz(i, i + 3), 0) << i;
}

TEST(CliGenerar, UnNumeroFueraDeSuCotaSeRechaza)
{
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath("h.grf");
    QString salida, errores;
    EXPECT_EQ(Ejecutar({"generar", "Harary", "6", "7", ruta}, salida, errores), 1);
    EXPECT_TRUE(errores.contains("Conectividad del grafo, k") && errores.contains("entre 1 y 5"))
        << errores.toStdString();
    EXPECT_FALSE(QFile::exists(ruta));
}
