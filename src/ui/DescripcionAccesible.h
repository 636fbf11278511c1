// The graph in words, for a screen reader: the work area offers the whole
// graph, each vertex and each edge as an element with these texts. Kept
// apart from the widgets so that what a blind student hears can be checked
// without a display.
#pragma once

#include <QString>
#include <vector>

class Grafo;

// "Grafo ponderado, 6 vértices, 9 aristas"; a digraph counts arcs.
QString DescribirGrafo(const Grafo& grafo);
// "Vértice 3: grado 4; adyacente a 1, 2, 5 y 6", or for a digraph its
// degrees out and in and its successors; `resalte` ("en el árbol",
// "visitado", "color 2"…) is what a run shows on it, if anything.
QString DescribirVertice(const Grafo& grafo, int v, const QString& resalte = {});
// "Arista 1–3, peso 7"; "Arco 2→5" in a digraph.
QString DescribirArista(const Grafo& grafo, int a, int b, const QString& resalte = {});

// "1, 2, 5 y 6".
QString Enumerar(const std::vector<int>& numeros);
