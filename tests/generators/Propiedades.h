// Graph properties the generator tests check on a record: neighbours, girth, odd cycles, edge crossings of
// its drawing, and building a family the way the menu does, from the catalogue.
#pragma once

#include <QLineF>
#include <algorithm>
#include <queue>
#include <vector>

#include "generators/Catalogo.h"
#include "model/Grafo.h"

// A namespace of their own: other tests have helpers of the same names.
namespace generados {

inline const DimensionesArea Area{9000, 6000};

// Builds `control` from `numeros` into g (type set, no vertex); the status.
inline std::int16_t Generar(Grafo& g, const QString& control, const Numeros& numeros = {})
{
    const Generador* generador = BuscarGenerador(control);
    return generador ? generador->construir(g, Area, numeros) : std::int16_t{-1};
}

// Neighbours by the matrix, 1-based, either direction.
inline std::vector<std::vector<int>> Vecinos(const Grafo& g)
{
    std::vector<std::vector<int>> v(g.dimen() + 1);
    for (int a = 1; a <= g.dimen(); ++a)
        for (int b = 1; b <= g.dimen(); ++b)
            if (a != b && (g.elem_matriz(a, b) != 0 || g.elem_matriz(b, a) != 0))
                v[a].push_back(b);
    return v;
}

// The length of a shortest cycle (0 for a forest) and whether some cycle is odd: a breadth-first search from
// every vertex, where an edge between two vertices at the same distance closes an odd cycle.
struct Ciclos {
    int cintura = 0;
    bool impar = false;
};
inline Ciclos CiclosDe(const Grafo& g)
{
    const auto vecinos = Vecinos(g);
    Ciclos c;
    for (int s = 1; s <= g.dimen(); ++s) {
        std::vector<int> dist(g.dimen() + 1, -1), padre(g.dimen() + 1, 0);
        std::queue<int> cola;
        dist[s] = 0;
        cola.push(s);
        while (!cola.empty()) {
            const int u = cola.front();
            cola.pop();
            for (int w : vecinos[u])
                if (dist[w] < 0) {
                    dist[w] = dist[u] + 1;
                    padre[w] = u;
                    cola.push(w);
                } else if (padre[u] != w) {
                    const int ciclo = dist[u] + dist[w] + 1;
                    c.cintura = c.cintura == 0 ? ciclo : std::min(c.cintura, ciclo);
                    c.impar = c.impar || dist[u] == dist[w];
                }
        }
    }
    return c;
}

// Pairs of edges with no common end whose drawn segments cross.
inline int CrucesDibujo(const Grafo& g)
{
    std::vector<std::pair<int, int>> aristas;
    for (int a = 1; a <= g.dimen(); ++a)
        for (int b = a + 1; b <= g.dimen(); ++b)
            if (g.elem_matriz(a, b) != 0)
                aristas.emplace_back(a, b);
    auto segmento = [&](std::pair<int, int> e) {
        return QLineF(g.Posic_CoordX(e.first), g.Posic_CoordY(e.first), g.Posic_CoordX(e.second),
                      g.Posic_CoordY(e.second));
    };
    int cruces = 0;
    for (std::size_t i = 0; i < aristas.size(); ++i)
        for (std::size_t j = i + 1; j < aristas.size(); ++j) {
            const auto [a, b] = aristas[i];
            const auto [c, d] = aristas[j];
            if (a != c && a != d && b != c && b != d &&
                segmento(aristas[i]).intersects(segmento(aristas[j]), nullptr) == QLineF::BoundedIntersection)
                ++cruces;
        }
    return cruces;
}

} // namespace generados
