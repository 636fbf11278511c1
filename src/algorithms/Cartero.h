// The Chinese postman: the odd vertices paired by a matching of least total
// distance found by local improvement, the shortest path of each pair
// walked twice, and a tour of the enlarged graph by Fleury's rule.
#pragma once

#include <utility>
#include <vector>

#include "algorithms/GrafoRestante.h"

class FuenteAleatoria;
struct Contexto;

// Pairs of indices into the distance table's rows.
using Parejas = std::vector<std::pair<int, int>>;

// From a random pairing, exchanges between two pairs while one makes the
// total lighter: a matching that no exchange of two pairs improves.
Parejas Emparejamiento(const std::vector<std::vector<int>>& distancias, FuenteAleatoria& azar);
// A closed walk over every edge of the graph and every duplicated edge,
// from a random vertex, never crossing a bridge of what is left while
// another edge remains.
ListaAristas Recorrido_Cartero(const Grafo& grafo, const ListaAristas& duplicadas, FuenteAleatoria& azar);

// "Problema del cartero", run name "Cartero".
void Cartero(Contexto& contexto);
