// Prüfer codes of labelled trees, both ways, step by step: the encoding
// takes the leaves off the drawing one by one, the decoding builds the tree
// of a sequence edge by edge on a new graph of N vertices on a circle.
#pragma once

struct Contexto;

// Whether the graph is a tree: the silent depth-first search from vertex 1
// reaches every vertex along as many tree edges as the graph has edges.
bool EsArbol(Contexto& contexto);

// A graph that is not a tree gets a line in the trace, not a message box.
// The record is left as it was (the work is done on a copy of the matrix).
void CodificarPrufer(Contexto& contexto);

// The sequence is contexto.parametros.lista (N - 2 elements from 1 to N).
// The graph becomes the tree: N vertices (the count is set if it is not
// already N), placed on a circle, and its N - 1 edges.
void DecodificarPrufer(Contexto& contexto);
