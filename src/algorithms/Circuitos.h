// Closed trails as Hierholzer and Tucker build and show them: a trail with
// the colour of each of its edges, the colours of the circuits, and the
// display of a circuit or of the final tour edge by edge.
#pragma once

#include <QColor>
#include <vector>

#include "algorithms/GrafoRestante.h"

class FuenteAleatoria;
struct Contexto;

struct Circuito {
    ListaAristas aristas;        // in the direction of travel
    std::vector<QColor> colores; // one per edge
};

// The colour of circuit i, 0..14; black outside.
QColor Color_Circuito(int i);

// The vertices the trail passes: its start, then the end of each edge.
std::vector<std::int16_t> VerticesDe(const ListaAristas& aristas);

// A closed trail from s over the edges still free, chosen at random edge by
// edge; each edge is taken out of `restante` as it is walked. In a graph
// whose vertices all have even degree (in-degree equal to out-degree) in
// what is left, the walk can only end back at s.
ListaAristas Circuito_Aleatorio(int s, GrafoRestante& restante, FuenteAleatoria& azar);

// Writes the circuit's edges and draws them one a second, numbered; a
// straight run draws only the final tour. Returns at once on Escape.
void Mostrar_Circuito(Contexto& contexto, const Circuito& circuito, bool final);
