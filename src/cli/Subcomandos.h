// The subcommands of nodeva-cli. Each takes its own arguments (without the
// subcommand's name) and the two output streams, and returns the exit status.
#pragma once

#include <QStringList>
#include <QTextStream>

struct Subcomando {
    const char* nombre;
    const char* resumen; // one line for the general help
    int (*ejecutar)(const QStringList& argumentos, QTextStream& salida, QTextStream& errores);
};

// The table the dispatcher of main.cpp walks, in the order the help lists it.
const std::vector<Subcomando>& Subcomandos();
// Runs "nodeva-cli ARGUMENTOS..." in-process; used by main() and the tests.
int EjecutarCli(const QStringList& argumentos, QTextStream& salida, QTextStream& errores);
