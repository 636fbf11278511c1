// A graph with a straight-line drawing, as the shape-file tool computes it,
// and the checks a good drawing passes: no crossing edges where it should be
// planar, vertices apart, no vertex sitting on an edge it is not on.
#pragma once

#include <QPointF>
#include <utility>
#include <vector>

struct Figura {
    int n = 0;
    std::vector<std::pair<int, int>> aristas; // 0-based ends
    std::vector<QPointF> posiciones;          // twips, y down

    void Unir(int a, int b) { aristas.emplace_back(a, b); }
    std::vector<int> Grados() const;
};

// Pairs of edges without a common end that cross.
int Cruces(const Figura& figura);
// The least distance between two vertices.
double SeparacionVertices(const Figura& figura);
// The least distance from a vertex to an edge not at it.
double HolguraAristas(const Figura& figura);

// Scales and moves the drawing so that it fills the box centred on (cx, cy)
// with half-sides (ax, ay), keeping its proportions.
void Encajar(Figura& figura, double cx, double cy, double ax, double ay);
