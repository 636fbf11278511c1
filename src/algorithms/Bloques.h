// The blocks of a connected graph (its biconnected components and its
// bridges), found from the depth-first tree, the cut vertices and the low
// points, listed in the trace and drawn each in its own colour. Directed
// graphs count their arcs without direction, as the other connectivity
// commands do.
#pragma once

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "model/Grafo.h"

struct Contexto;

// The block list: (vertex, block number) entries, each block's entries
// together with its first vertex first; a cut vertex stands once in every
// block that holds it.
using ListaBloques = std::vector<std::pair<std::int16_t, std::int16_t>>;

// By vertex, 1-based: the smallest visiting number reachable from its
// subtree of the depth-first tree with at most one back edge.
using Bajos = std::array<std::int16_t, Grafo::Limite + 1>;

// Runs the depth-first search from vertex 1 silently (the run frame then
// holds OrdenDFS, ArbolDesde and ArbolHasta) and returns the low points.
// The graph must be connected.
Bajos CalcularBajo(Contexto& contexto);

// The menu command: refuses a disconnected graph with its message box;
// otherwise traces, draws and ends the run.
void Bloques(Contexto& contexto);
