// The search trees: depth-first and breadth-first search from a root,
// shown step by step inside the run frame. Neighbours are always taken in
// increasing vertex number, as the person reads the visiting order.
#pragma once

#include <cstdint>

#include "drawing/Dibujo.h"

struct Contexto;

// The search's colours in words: the tree's edges, the vertex being
// expanded, the vertices visited.
const Leyenda& LeyendaBusqueda();

// Depth-first search from `raiz` (1..n) over the matrix entries that are
// not 0.
//
// Returns the number of tree edges (n - 1), or -1 when the graph is not
// connected. It fills the run frame's OrdenDFS (by vertex, the visiting
// number: 0 for the root), ArbolDesde and ArbolHasta (by tree edge
// k = 1..n-1 in order of discovery, the edge's two ends).
//
// With contexto.marco.DesdeMenu set it is the menu's run: it refuses a
// disconnected graph with its message box, draws the tree, writes the
// visiting order, pauses and ends the run. With DesdeMenu clear it is
// silent (no message, drawing, trace or pause) but, once the graph is
// connected, it still enters run mode (the window locked, the trace
// emptied): the calling algorithm goes on in that run and ends it.
std::int16_t BusquedaProfundidad(Contexto& contexto, std::int16_t raiz);

// Breadth-first search from `raiz`: refuses a disconnected graph, then
// draws the tree, writes the visiting order and ends the run. It always
// draws; it has no silent mode.
void BusquedaAnchura(Contexto& contexto, std::int16_t raiz);

// The menu runs, from the root in contexto.parametros.raiz.
void EnProfundidad(Contexto& contexto);
void EnAnchura(Contexto& contexto);
