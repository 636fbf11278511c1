#include "ui/ListasVertices.h"

QStringList ListaVertices(int n)
{
    QStringList lista;
    for (int v = 1; v <= n; ++v)
        lista << QString::number(v);
    return lista;
}

void ElegirExcluyendo(const QStringList& lista, int indice, std::int16_t& elegido, QStringList& otra)
{
    if (indice < 0 || indice >= lista.size())
        return;
    if (elegido > 0)
        otra.insert(elegido - 1, QString::number(elegido));
    elegido = static_cast<std::int16_t>(lista[indice].toInt());
    if (elegido > 0)
        otra.removeAt(elegido - 1);
}
