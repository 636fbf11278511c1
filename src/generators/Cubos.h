// The hypercubes Q1 to Q5, drawn as nested and shifted squares sized from the
// work area, and the planar drawing of the cube. Vertices whose numbers differ
// in one bit of (number - 1) are adjacent.
#pragma once

#include "drawing/Coordenadas.h"

class Grafo;

// Each appends to the vertices already in the record (m of them): a w x h
// square with its corner at (x, y), numbered m + 1 .. m + 4 left to right,
// top to bottom, with its four sides.
void Cuadrado(Grafo& grafo, double w, double h, double x, double y);
// Two squares of side s, the second shifted by (s/3, -s/3), corners joined.
void Cubo3(Grafo& grafo, double x, double y, double s);
// Two Q3, the second shifted by (3.5 s, -2.5 s), matching vertices joined.
void Cubo4(Grafo& grafo, double x, double y, double s);
// Two Q4, the second with its corner at (W/2, y + s/3).
void Cubo5(Grafo& grafo, DimensionesArea area, double x, double y, double s);

// Q1 .. Q5 for dimension 1 .. 5.
void Hipercubo(Grafo& grafo, DimensionesArea area, int dimension);
// An outer and an inner square joined corner to corner.
void HexaedroPlano(Grafo& grafo, DimensionesArea area);
