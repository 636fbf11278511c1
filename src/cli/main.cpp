// nodeva-cli: batch use of Nodeva's core (graph files, drawings, runs).
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

#include "cli/Subcomandos.h"

int main(int argc, char** argv)
{
    // Drawing needs a GUI application, never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream salida(stdout);
    QTextStream errores(stderr);
    const int estado = EjecutarCli(app.arguments().mid(1), salida, errores);
    salida.flush();
    errores.flush();
    return estado;
}
