#include "ui/RecorridoRaton.h"

#include "drawing/Dibujo.h"
#include "model/Seleccion.h"

namespace RecorridoRaton {

// The clicked vertex loses the hover look at once: the walk marks its
// vertices in no colour of their own, and the hover would otherwise stay
// on it, the walk's last vertex included.
void Clic(Seleccion& marcas, Dibujo& dibujo, std::int16_t vertice)
{
    marcas.VerticeBajoCursor = 0;
    dibujo.DibujarVertice(vertice, Qt::black);
    marcas.VerticeSeleccionado = vertice;
}

// The drawing picks the hover look from the selection itself.
void Mover(const Seleccion& marcas, Dibujo& dibujo)
{
    for (const std::int16_t v : {marcas.VerticeBajoCursor, marcas.VerticeAnterior})
        if (v > 0)
            dibujo.DibujarVertice(v, Qt::black);
}

} // namespace RecorridoRaton
