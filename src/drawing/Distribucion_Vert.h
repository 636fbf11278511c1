// Standard vertex layouts for generated graphs: each writes the positions of a
// range of vertices into the record, sized from the work area, and draws nothing.
#pragma once

#include <cstdint>

#include "drawing/Coordenadas.h"

class Grafo;

// The radii the generators hand to DistribucionAuto: a = W/2 - 600 across,
// r = H/2 - 300 down, each rounded to the nearest.
struct RadiosEstandar {
    std::int16_t a = 0;
    std::int16_t r = 0;
};
RadiosEstandar CalcularRadiosEstandar(DimensionesArea area);

// Vertices primero .. primero + n - 1 clockwise from straight above the centre.
void DistribucionCircular(Grafo& grafo, DimensionesArea area, std::int16_t n, std::int16_t primero, std::int16_t r);
void DistribucionElipse(Grafo& grafo, DimensionesArea area, std::int16_t n, std::int16_t primero, std::int16_t a,
                        std::int16_t r);
// A circle of radius r up to 20 vertices, an ellipse a x r beyond.
void DistribucionAuto(Grafo& grafo, DimensionesArea area, std::int16_t n, std::int16_t primero, std::int16_t a,
                      std::int16_t r);

// Vertex 1 in the centre, 2..n around it on the standard radii.
void DistribucionEstrella(Grafo& grafo, DimensionesArea area, std::int16_t n);
// Vertices 1..r in a left column, r + 1..n (n from the record) in a right one.
void DistribucionBipartita(Grafo& grafo, DimensionesArea area, std::int16_t r);
// h columns by v rows, numbered row by row from the top, centred on the area.
void RejillaRectangular(Grafo& grafo, DimensionesArea area, std::int16_t h, std::int16_t v);
// L levels of 1, 2, ..., L vertices, each centred under the one above.
void RejillaTriangular(Grafo& grafo, DimensionesArea area, std::int16_t L);
// Sides of r and s vertices running down from the top, the rest along the
// bottom (n from the record). Fixed distances: the triangle ignores the height.
void DistribucionTripartita(Grafo& grafo, DimensionesArea area, std::int16_t r, std::int16_t s);
// The complete k-ary tree with L levels below the root, level by level,
// each level spread over the whole width.
void DistribucionArbol(Grafo& grafo, DimensionesArea area, std::int16_t k, std::int16_t L);
