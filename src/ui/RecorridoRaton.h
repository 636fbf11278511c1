// The work area while the user's walk takes its clicks: a click on a vertex
// only hands the vertex to the walk, which reads it from the selection, and
// every move redraws the vertices under and just left by the pointer instead
// of the editor's refresh of its marks. Nothing is selected or dragged.
#pragma once

#include <cstdint>

class Dibujo;
struct Seleccion;

namespace RecorridoRaton {

void Clic(Seleccion& marcas, Dibujo& dibujo, std::int16_t vertice);
void Mover(const Seleccion& marcas, Dibujo& dibujo);

} // namespace RecorridoRaton
