// nodeva-cli run in-process, with its status and both streams.
#pragma once

#include "cli/Subcomandos.h"
#include "support/CarpetaPrueba.h"

struct Ejecucion {
    int estado = 0;
    QString salida, errores;
};

inline Ejecucion Ejecutar(const QStringList& argumentos)
{
    Ejecucion e;
    QTextStream salida(&e.salida), errores(&e.errores);
    e.estado = EjecutarCli(argumentos, salida, errores);
    salida.flush();
    errores.flush();
    return e;
}

