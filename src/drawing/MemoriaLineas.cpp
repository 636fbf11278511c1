#include "drawing/MemoriaLineas.h"

#include <functional>

std::size_t MemoriaLineas::Hash::operator()(const Clave& c) const
{
    std::size_t h = 0;
    const auto mezclar = [&h](auto v) { h = (h ^ std::hash<decltype(v)>{}(v)) * 0x100000001b3ull; };
    mezclar(c.x1);
    mezclar(c.y1);
    mezclar(c.x2);
    mezclar(c.y2);
    mezclar(c.ancho);
    mezclar(c.x);
    mezclar(c.y);
    mezclar(c.w);
    mezclar(c.h);
    return h;
}

std::size_t MemoriaLineas::Peso(const Recordada& r)
{
    return sizeof(Clave) + sizeof(Recordada) + r.cobertura.Bytes();
}

// Room for so many more bytes in the newer half: when it is full, it
// becomes the older one, and what was older goes.
void MemoriaLineas::HacerSitio(std::size_t bytes)
{
    if (bytesNueva_ + bytes <= mitad_)
        return;
    vieja_ = std::move(nueva_);
    bytesVieja_ = bytesNueva_;
    nueva_ = Mapa();
    bytesNueva_ = 0;
}

const MemoriaLineas::Recordada* MemoriaLineas::Buscar(const Clave& clave)
{
    if (const auto it = nueva_.find(clave); it != nueva_.end())
        return &it->second;
    auto nodo = vieja_.extract(clave);
    if (nodo.empty())
        return nullptr;
    // Still in use: it moves to the newer half.
    const std::size_t peso = Peso(nodo.mapped());
    bytesVieja_ -= peso;
    HacerSitio(peso);
    bytesNueva_ += peso;
    return &nueva_.insert(std::move(nodo)).position->second;
}

void MemoriaLineas::Guardar(const Clave& clave, Recordada recordada)
{
    const std::size_t peso = Peso(recordada);
    if (peso > mitad_)
        return;
    HacerSitio(peso);
    bytesNueva_ += peso;
    nueva_.insert_or_assign(clave, std::move(recordada));
}
