#include "ui/IdentificarVert.h"

#include <algorithm>

#include "model/Grafo.h"
#include "ui/ListasVertices.h"

IdentificarVert::IdentificarVert(Grafo& grafo, std::function<void()> redibujar)
    : grafo_(grafo), redibujar_(std::move(redibujar))
{
    lista1_ = lista2_ = ListaVertices(grafo_.dimen());
}

void IdentificarVert::ElegirEnCombo1(int indice)
{
    if (!cerrado_)
        ElegirExcluyendo(lista1_, indice, PrimerVertice_, lista2_);
}

void IdentificarVert::ElegirEnCombo2(int indice)
{
    if (!cerrado_)
        ElegirExcluyendo(lista2_, indice, SegundoVertice_, lista1_);
}

void IdentificarVert::Aceptar()
{
    if (cerrado_ || !AceptarHabilitado())
        return;
    const int u = std::min(PrimerVertice_, SegundoVertice_);
    const int w = std::max(PrimerVertice_, SegundoVertice_);
    grafo_.IdentificarVert(u, w, true);
    if (redibujar_)
        redibujar_();
    cerrado_ = true;
    aceptado_ = true;
}
