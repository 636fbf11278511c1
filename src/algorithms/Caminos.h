// Routes between two chosen vertices: a path with the fewest edges, and
// Dijkstra's shortest paths with their table of labels. Both follow arcs
// in their direction and accept every graph type; an unweighted edge
// weighs 1.
#pragma once

#include <cstdint>

#include "drawing/Dibujo.h"

struct Contexto;

// Their colours in words: the vertices made definitive, the tree of
// shortest paths, the path found and its destination.
const Leyenda& LeyendaCamino();
const Leyenda& LeyendaDijkstra();

// A path with the fewest edges from origen to destino, straight through:
// among the shortest, the first found scanning level by level and each
// vertex's neighbours in increasing number.
void CaminoEntreVertices(Contexto& contexto, std::int16_t origen, std::int16_t destino);

// Dijkstra's labels from origen, one table row and one pause per vertex
// made definitive, then the path to destino and its length; destino 0
// labels every vertex. Distances from 10000 up count as no route, and a
// negative weight is added like any other.
void Dijkstra(Contexto& contexto, std::int16_t origen, std::int16_t destino);

// The menu runs, between contexto.parametros.origen and destino (Dijkstra:
// every vertex when parametros.todos is set).
void EjecutarCamino(Contexto& contexto);
void EjecutarDijkstra(Contexto& contexto);
