// Minimum spanning trees by Kruskal, Prim and Boruvka, shown edge by edge
// (Boruvka step by step) inside the run frame. They read only the upper
// triangle of the matrix, so every graph is taken as undirected.
#pragma once

#include "drawing/Dibujo.h"

struct Contexto;

// Their colours in words: Kruskal and Prim draw the tree in one colour,
// Boruvka each component's edges in a colour of its own.
const Leyenda& LeyendaArbol();
const Leyenda& LeyendaBoruvka();

void Kruskal(Contexto& contexto);
void Prim(Contexto& contexto);
void Boruvka(Contexto& contexto);
