// nodeva-cli: batch use of Nodeva's core (graph files, drawings, runs).
#include <QGuiApplication>
#include <QTextStream>
#include <csignal>
#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "cli/Subcomandos.h"
#include "files/NombreFichero.h"

namespace {

// Qt falls back to a private runtime folder when the session has none, but
// says so on stderr, where a batch user expects only the program's messages.
void CarpetaDeEjecucion()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const std::string carpeta = "/tmp/runtime-" + std::to_string(getuid());
    mkdir(carpeta.c_str(), 0700);
    qputenv("XDG_RUNTIME_DIR", carpeta.c_str());
}

} // namespace

int main(int argc, char** argv)
{
    // Past a file size limit a write then fails, the output keeps its old
    // bytes and the status says so, instead of a kill that leaves a stray file.
    std::signal(SIGXFSZ, SIG_IGN);
    CarpetaDeEjecucion();
    // Drawing needs a GUI application, never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream salida(stdout);
    QTextStream errores(stderr);
    // The arguments as their bytes are: a file name need not be UTF-8.
    QStringList argumentos;
    for (int i = 1; i < argc; ++i)
        argumentos << NombreDesdeBytes(QByteArray(argv[i]));
    const int estado = EjecutarCli(argumentos, salida, errores);
    salida.flush();
    errores.flush();
    return estado;
}
