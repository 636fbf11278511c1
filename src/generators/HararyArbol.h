// The Harary graphs H(k, n), the k-connected graphs with fewest edges, and
// the complete n-ary trees.
#pragma once

#include <cstdint>

#include "drawing/Coordenadas.h"

class Grafo;

// n vertices on a circle (an ellipse beyond 20), each joined to the k div 2
// nearest on either side, with the extra chords that odd k needs.
void Harary(Grafo& grafo, DimensionesArea area, int n, int k);

// The deepest tree the depth dialog offers for this width.
int ProfundidadMaxima(int anchura);
// A root with `anchura` children per vertex down to `profundidad` levels below
// it, numbered level by level. More than 50 vertices is refused with a
// message (non-zero result) and leaves the record as it was.
std::int16_t ArbolNarioCompleto(Grafo& grafo, DimensionesArea area, int anchura, int profundidad);
