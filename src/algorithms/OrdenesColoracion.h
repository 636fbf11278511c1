// The four greedy vertex colourings: the orders they colour in (given,
// largest degree first, smallest last, most saturated next) and the greedy
// choice of the smallest free colour. Pure computations on a simple graph
// whose degrees have been counted (Grafo::ContarGrados); nothing is drawn.
#pragma once

#include <cstdint>
#include <vector>

class Grafo;

// Arrays are 1-based like the vertex numbers; entry 0 is unused.
using ListaVertices = std::vector<std::int16_t>;

struct Coloracion {
    ListaVertices orden; // the vertices in the order they were coloured
    ListaVertices color; // by vertex, 1..k
    std::int16_t k = 0;  // colours used, the largest colour number
};

// The smallest c in 1..limite - 1 with usado[c] false, or limite.
std::int16_t Menor_Color_Libre(int limite, const std::vector<bool>& usado);
// Each vertex of the order takes the smallest colour its earlier neighbours
// leave free.
Coloracion Colorear_Secuencial(const Grafo& grafo, ListaVertices orden);
// 1, 2, ..., n.
ListaVertices OrdenNatural(int n);
// Non-increasing degree; equal degrees keep their relative order.
ListaVertices Ordenar_Por_Grado(const Grafo& grafo, ListaVertices orden);
// Filled from the end with the vertex of smallest remaining degree, the
// lowest number on ties.
ListaVertices Orden_Menor_Ultimo(const Grafo& grafo);
// Distinct colours among w's neighbours in coloreados[1..hasta].
int Grado_Saturacion(const Grafo& grafo, int w, const ListaVertices& coloreados, int hasta, const ListaVertices& color);
// Next the most saturated uncoloured vertex, ties to the earlier in the
// degree order.
Coloracion ColorearBrelaz(const Grafo& grafo);
