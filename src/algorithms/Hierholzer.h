// Hierholzer's and Tucker's constructions of a closed Eulerian tour.
#pragma once

struct Contexto;

// Grows the tour by splicing random closed trails into it, each from the
// first vertex of the tour that still has free edges.
void Hierholzer(Contexto& contexto);
// Splits every vertex into vertices of degree 2, so that the graph falls
// into cycles, then identifies the split vertices again pair by pair,
// joining the cycles into the tour. The graph is given back as it was.
void Tucker(Contexto& contexto);
