// Minimum spanning trees by Kruskal, Prim and Boruvka, shown edge by edge
// (Boruvka step by step) inside the run frame. They read only the upper
// triangle of the matrix, so every graph is taken as undirected.
#pragma once

struct Contexto;

void Kruskal(Contexto& contexto);
void Prim(Contexto& contexto);
void Boruvka(Contexto& contexto);
