// The linked graphs L(n, r) and L(n, r, s): n vertices on a circle, each
// joined to the vertices r (and s) steps further around it.
#pragma once

#include "drawing/Coordenadas.h"

class Grafo;

// Walks the cycle p, p + k, p + 2k, ... around 1..n back to p, joining each
// step; an edge already there is not added or counted again.
void EnlazarCiclo(Grafo& grafo, int p, int k);

// 1 <= r, s <= (n - 1) div 2.
void EnlazadoNR(Grafo& grafo, DimensionesArea area, int n, int r);
void EnlazadoNRS(Grafo& grafo, DimensionesArea area, int n, int r, int s);
