#include "ui/RecorridoRaton.h"

#include "drawing/Dibujo.h"
#include "model/Seleccion.h"

namespace RecorridoRaton {

void Clic(Seleccion& marcas, std::int16_t vertice)
{
    marcas.VerticeSeleccionado = vertice;
    marcas.VerticeBajoCursor = 0;
}

// The drawing picks the hover look from the selection itself.
void Mover(const Seleccion& marcas, Dibujo& dibujo)
{
    for (const std::int16_t v : {marcas.VerticeBajoCursor, marcas.VerticeAnterior})
        if (v > 0)
            dibujo.DibujarVertice(v, Qt::black);
}

} // namespace RecorridoRaton
