// What every generator shares: sizing the record, placing a vertex, adding an
// edge the way generated graphs carry it, and the common ending.
#pragma once

#include <cstdint>

#include "drawing/Coordenadas.h"

class EstadoComandos;
class Grafo;

// Sets the vertex count (with its window effects) for a family of n vertices.
void Dimensionar(Grafo& grafo, int n);
// Vertex v at (x, y), rounded half to even.
void Colocar(Grafo& grafo, int v, double x, double y);

// The edge {a, b}: both entries 1, counted once, or twice for the directed
// types (a generated digraph has both arcs of every edge). A loop or an edge
// already there is left alone, so a closing edge that would repeat one adds
// nothing.
void Unir(Grafo& grafo, int a, int b);

// The common ending: a drawing that leaves the work area is brought back into
// it; random weights when the type is weighted and "Pesos Aleatorios" is
// ticked (unless `pesos` is false); then the redraw and the window's command
// states, through the record's environment.
void Terminar(Grafo& grafo, DimensionesArea area, bool pesos = true);

// The commands a freshly generated graph allows: adjacency matrix, statistics,
// adding edges, identifying vertices, changing weights.
void ActualizarVentanaGenerada(const Grafo& grafo, EstadoComandos& comandos);

// W and H taken to whole numbers, for the placements written with "div".
inline long AnchoEntero(DimensionesArea area)
{
    return Entero(area.ancho);
}
inline long AltoEntero(DimensionesArea area)
{
    return Entero(area.alto);
}
