// Graph properties the generator tests check on a record: neighbours, girth, odd cycles, edge crossings of
// its drawing, and building a family the way the menu does, from the catalogue.
#pragma once

#include <QLineF>
#include <algorithm>
#include <queue>
#include <vector>

#include "generators/Catalogo.h"
#include "model/Grafo.h"
#include "support/EntornoPrueba.h"
#include "support/GrafoBoost.h"

// A namespace of their own: other tests have helpers of the same names.
namespace generados {

inline const DimensionesArea Area{9000, 6000};

// Builds `control` from `numeros` into g (type set, no vertex); the status.
inline std::int16_t Generar(Grafo& g, const QString& control, const Numeros& numeros = {})
{
    const Generador* generador = BuscarGenerador(control);
    return generador ? generador->construir(g, Area, numeros) : std::int16_t{-1};
}

// `control` built from `numeros` in a graph of the given type, as the menu builds it.
struct Generado {
    EntornoPrueba entorno;
    Grafo g{entorno.Entorno()};
    Generado(const QString& control, const Numeros& numeros = {}, int tipo = 0)
    {
        g.InsertarTipo(NombreTipo(tipo));
        EXPECT_EQ(Generar(g, control, numeros), 0);
    }
};

// The length of a shortest cycle (0 for a forest) and whether some cycle is odd: a breadth-first search from
// every vertex, where an edge between two vertices at the same distance closes an odd cycle.
struct Ciclos {
    int cintura = 0;
    bool impar = false;
};
inline Ciclos CiclosDe(const Grafo& g)
{
    const auto b = ABoost<GrafoBoostSinSentido>(g);
    Ciclos c;
    for (int s = 0; s < g.dimen(); ++s) {
        std::vector<int> dist(g.dimen(), -1), padre(g.dimen(), -1);
        std::queue<int> cola;
        dist[s] = 0;
        cola.push(s);
        while (!cola.empty()) {
            const int u = cola.front();
            cola.pop();
            for (const int w : boost::make_iterator_range(boost::adjacent_vertices(u, b)))
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
    const auto punto = [&g](int v) { return QPointF(g.Posic_CoordX(v), g.Posic_CoordY(v)); };
    std::vector<std::pair<int, int>> aristas;
    for (int a = 1; a <= g.dimen(); ++a)
        for (int b = a + 1; b <= g.dimen(); ++b)
            if (g.elem_matriz(a, b) != 0)
                aristas.emplace_back(a, b);
    int cruces = 0;
    for (const auto& [a, b] : aristas)
        for (const auto& [c, d] : aristas)
            cruces += a < c && b != c && b != d &&
                      QLineF(punto(a), punto(b)).intersects(QLineF(punto(c), punto(d)), nullptr) ==
                          QLineF::BoundedIntersection;
    return cruces;
}

} // namespace generados
