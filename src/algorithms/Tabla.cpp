// The run names the step-by-step dialog dispatches on.
#include <QHash>
#include <algorithm>

#include "algorithms/ArbolGenerador.h"
#include "run/Algoritmo.h"

namespace {

const QHash<QString, Algoritmo>& Tabla()
{
    static const QHash<QString, Algoritmo> tabla = {
        {QStringLiteral("Kruskal"), &Kruskal},
        {QStringLiteral("Prim"), &Prim},
        {QStringLiteral("Boruvka"), &Boruvka},
    };
    return tabla;
}

} // namespace

Algoritmo BuscarAlgoritmo(const QString& nombre)
{
    return Tabla().value(nombre, nullptr);
}

QStringList NombresAlgoritmos()
{
    QStringList nombres = Tabla().keys();
    std::sort(nombres.begin(), nombres.end());
    return nombres;
}
