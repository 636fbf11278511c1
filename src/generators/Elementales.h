// The elementary families: star, cycle, wheel, null and complete graphs,
// complete bipartite and tripartite graphs, rectangular and triangular grids.
// Each fills a record whose type is set and that holds no vertex yet, places
// the vertices for the work area and ends as every generator does.
#pragma once

#include "drawing/Coordenadas.h"

class Grafo;

void Estrella(Grafo& grafo, DimensionesArea area, int n);
void Ciclo(Grafo& grafo, DimensionesArea area, int n);
void Rueda(Grafo& grafo, DimensionesArea area, int n);
void GrafoNulo(Grafo& grafo, DimensionesArea area, int n);
void GrafoCompleto(Grafo& grafo, DimensionesArea area, int n);
void CompletoBipartido(Grafo& grafo, DimensionesArea area, int r, int s);
void CompletoTripartido(Grafo& grafo, DimensionesArea area, int r, int s, int t);
// h columns by v rows.
void RejillaEnRectangulo(Grafo& grafo, DimensionesArea area, int h, int v);
// `niveles` levels of 1, 2, ... vertices, each joined to the two below it and
// to its right neighbour.
void RejillaEnTriangulo(Grafo& grafo, DimensionesArea area, int niveles);
