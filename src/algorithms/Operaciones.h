// The Operations menu: the graph in hand replaced by its complement or by
// its line graph, drawn at once, with no trace and no pauses. Both are
// offered for simple graphs only, whose matrix holds 0/1 and is symmetric.
#pragma once

#include <cstdint>

class Grafo;
struct Contexto;

// The most edges a line graph can come from: each edge becomes a vertex.
inline constexpr int MaxAristasLineal = 50;

struct Punto {
    std::int16_t x = 0;
    std::int16_t y = 0;
    bool operator==(const Punto&) const = default;
};

// Halfway between the positions of a and b, each coordinate rounded
// towards zero.
Punto PuntoMedio(const Grafo& grafo, int a, int b);

// Numbers the edges i < j in row order of the upper triangle: M(i, j)
// becomes the edge's number and M(j, i) 0. Returns how many there are.
std::int16_t NumerarAristas(Grafo& grafo);

void Complementario(Contexto& contexto);
// More than MaxAristasLineal edges: the "ERROR" box, and the graph is left
// as it was.
void GrafoLineal(Contexto& contexto);
