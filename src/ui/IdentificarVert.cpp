#include "ui/IdentificarVert.h"

#include <algorithm>

#include "model/Grafo.h"

IdentificarVert::IdentificarVert(Grafo& grafo, std::function<void()> redibujar)
    : grafo_(grafo), redibujar_(std::move(redibujar))
{
    for (int v = 1; v <= grafo_.dimen(); ++v)
        lista1_ << QString::number(v);
    lista2_ = lista1_;
}

void IdentificarVert::ElegirEnCombo1(int indice)
{
    if (!cerrado_)
        Elegir(lista1_, indice, PrimerVertice_, lista2_);
}

void IdentificarVert::ElegirEnCombo2(int indice)
{
    if (!cerrado_)
        Elegir(lista2_, indice, SegundoVertice_, lista1_);
}

// The other list lacks exactly the vertex chosen here, so vertex p sits at
// position p - 1 of it once that vertex is back in.
void IdentificarVert::Elegir(const QStringList& lista, int indice, std::int16_t& elegido, QStringList& otra)
{
    if (indice < 0 || indice >= lista.size())
        return;
    if (elegido > 0)
        otra.insert(elegido - 1, QString::number(elegido));
    elegido = static_cast<std::int16_t>(lista[indice].toInt());
    otra.removeAt(elegido - 1);
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
