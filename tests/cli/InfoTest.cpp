// nodeva-cli info: the description of a valid file, the reader's message and
// exit status for a bad one, argument errors, and the real binary's stderr.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "cli/InteraccionCli.h"
#include "cli/Subcomandos.h"

namespace {

struct Ejecucion {
    int estado = 0;
    QString salida;
    QString errores;
};

Ejecucion Ejecutar(const QStringList& argumentos)
{
    Ejecucion e;
    QTextStream salida(&e.salida);
    QTextStream errores(&e.errores);
    e.estado = EjecutarCli(argumentos, salida, errores);
    salida.flush();
    errores.flush();
    return e;
}

struct Carpeta {
    QTemporaryDir dir;
    QString Fichero(const QString& nombre, const QByteArray& bytes)
    {
        QFile f(dir.filePath(nombre));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }
};

const QByteArray Triangulo = "Ponderado\r\n 3 \r\n 0  4 -2 \r\n 4  0  0 \r\n-2  0  0 \r\n\r\n"
                             " 1200 ,  900 \r\n 3000 ,  900 \r\n 2100 ,  2400 \r\n";

TEST(CliInfo, DescribeElGrafo)
{
    Carpeta c;
    const Ejecucion e = Ejecutar({"info", c.Fichero("t.grf", Triangulo)});
    EXPECT_EQ(e.estado, 0);
    EXPECT_EQ(e.errores, "");
    EXPECT_EQ(e.salida, "Tipo: Ponderado\nVértices: 3\nAristas: 2\nPosiciones:\n"
                        "  1: (1200, 900)\n  2: (3000, 900)\n  3: (2100, 2400)\n");
}

TEST(CliInfo, ElAreaDeTrabajoDecideElReescalado)
{
    Carpeta c;
    // 3000 lies within 150 twips of a 3100-twip-wide area: scaled by 2560 / 3000.
    const Ejecucion e =
        Ejecutar({"info", c.Fichero("t.grf", Triangulo), "--ancho", "3100", "--alto", "20000"});
    EXPECT_EQ(e.estado, 0);
    EXPECT_TRUE(e.salida.contains("  2: (2560, 768)\n")) << e.salida.toStdString();
}

TEST(CliInfo, FicheroRechazado)
{
    Carpeta c;
    const Ejecucion e = Ejecutar({"info", c.Fichero("p.grf", "Ponderado\r\n 2 \r\n 0  10000 \r\n")});
    EXPECT_EQ(e.estado, 1);
    EXPECT_EQ(e.salida, "");
    EXPECT_EQ(e.errores, "ERROR: Peso incorrecto.\n");
}

TEST(CliInfo, ArgumentosNoValidos)
{
    for (const QStringList& args :
         {QStringList{"info"}, QStringList{"info", "a.grf", "b.grf"}, QStringList{"info", "a.grf", "--ancho"},
          QStringList{"info", "a.grf", "--alto", "0"}, QStringList{"info", "a.grf", "--fondo", "3"}}) {
        const Ejecucion e = Ejecutar(args);
        EXPECT_EQ(e.estado, 2) << args.join(' ').toStdString();
        EXPECT_EQ(e.salida, "");
        EXPECT_TRUE(e.errores.contains("Uso: nodeva-cli info ARCHIVO")) << e.errores.toStdString();
    }
    const Ejecucion ayuda = Ejecutar({"info", "--help"});
    EXPECT_EQ(ayuda.estado, 0);
    EXPECT_TRUE(ayuda.salida.startsWith("Uso: nodeva-cli info ARCHIVO [--ancho N] [--alto N]\n"));
}

TEST(CliInfo, ElEjecutableInformaPorLaSalidaDeErrores)
{
    Carpeta c;
    QProcess proceso;
    proceso.start(NODEVA_CLI, {"info", c.dir.filePath("no-existe.grf")});
    ASSERT_TRUE(proceso.waitForFinished(60000));
    EXPECT_EQ(proceso.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(proceso.exitCode(), 1);
    EXPECT_EQ(proceso.readAllStandardOutput(), "");
    const QStringList lineas = QString::fromUtf8(proceso.readAllStandardError()).split('\n');
    EXPECT_TRUE(lineas.contains("ERROR: Fichero inexistente o formato incorrecto"));
}

TEST(InteraccionCli, EscribeCadaMensajeYSigueAdelante)
{
    QString texto;
    QTextStream errores(&texto);
    InteraccionCli io(errores);
    EXPECT_EQ(io.Mensaje("¿Guardar?", "", Icono::Pregunta, Botones::SiNoCancelar), Respuesta::Si);
    EXPECT_EQ(io.Mensaje("Hecho", "Salvar Grafo", Icono::Informacion, Botones::Aceptar), Respuesta::Aceptar);
    EXPECT_EQ(texto, "Nodeva: ¿Guardar?\nSalvar Grafo: Hecho\n");
    ASSERT_EQ(io.Mensajes().size(), 2u);
    EXPECT_EQ(io.Mensajes()[0].titulo, "Nodeva");
    EXPECT_EQ(io.NombreParaGuardar("x.grf", "Grafo (*.grf)|*.grf"), "");
}

} // namespace
