// nodeva-cli run in-process, with its status and both streams.
#pragma once

#include "cli/Subcomandos.h"
#include "support/CarpetaPrueba.h"

// Vertices at (1200, 900), (3000, 900) and (2100, 2400), two weighted edges.
inline const QByteArray Triangulo = "Ponderado\r\n 3 \r\n 0  4 -2 \r\n 4  0  0 \r\n-2  0  0 \r\n\r\n"
                                    " 1200 ,  900 \r\n 3000 ,  900 \r\n 2100 ,  2400 \r\n";

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
