// The tetrahedron and the octahedron, each in a planar drawing and in a
// perspective one whose edges cross.
#pragma once

#include "drawing/Coordenadas.h"

class Grafo;

// K4: a triangle with a vertex inside, or a square with both diagonals.
void Tetraedro(Grafo& grafo, DimensionesArea area, bool plano);
// Every vertex joined to all but its opposite ({1, 6}, {2, 5}, {3, 4}): two
// nested triangles, or two apexes over a square in perspective.
void Octaedro(Grafo& grafo, DimensionesArea area, bool plano);
