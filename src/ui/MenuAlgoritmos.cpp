#include "ui/MenuAlgoritmos.h"

#include <QHash>

#include "model/Controles.h"

QString NombreEjecucion(const QString& control)
{
    static const QHash<QString, QString> nombres = {
        {Control::Algoritmo_kruskal, QStringLiteral("Kruskal")},
        {Control::Algoritmo_prim, QStringLiteral("Prim")},
        {Control::Algoritmo_boruvka, QStringLiteral("Boruvka")},
    };
    return nombres.value(control);
}
