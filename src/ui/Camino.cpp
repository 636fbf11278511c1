#include "ui/Camino.h"

#include "ui/ListasVertices.h"

Camino::Camino(int n, const QString& modo) : listaOrigen_(ListaVertices(n)), listaDestino_(listaOrigen_)
{
    if (modo == QStringLiteral("Dijkstra"))
        listaDestino_ << TextoTodos();
}

void Camino::ElegirOrigen(int indice)
{
    if (!cerrado_)
        ElegirExcluyendo(listaOrigen_, indice, origen_, listaDestino_);
}

void Camino::ElegirDestino(int indice)
{
    if (cerrado_ || indice < 0 || indice >= listaDestino_.size())
        return;
    todos_ = listaDestino_[indice] == TextoTodos();
    ElegirExcluyendo(listaDestino_, indice, destino_, listaOrigen_);
}

void Camino::Aceptar()
{
    if (cerrado_ || !AceptarHabilitado())
        return;
    cerrado_ = true;
    aceptado_ = true;
}
