// The run names the step-by-step dialog dispatches on.
#include <QHash>

#include "run/Algoritmo.h"

Algoritmo BuscarAlgoritmo(const QString& nombre)
{
    static const QHash<QString, Algoritmo> tabla = {
    };
    return tabla.value(nombre, nullptr);
}
