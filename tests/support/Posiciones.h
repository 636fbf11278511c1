// Vertex positions for the layout and transform tests: build a graph from a list of positions, read them
// back, and let gtest compare and print them.
#pragma once

#include <ostream>
#include <vector>

#include "model/Grafo.h"

inline bool operator==(const Posicion& p, const Posicion& q)
{
    return p.X == q.X && p.Y == q.Y;
}

inline void PrintTo(const Posicion& p, std::ostream* os)
{
    *os << "(" << p.X << ", " << p.Y << ")";
}

// Positions of vertices desde..hasta.
inline std::vector<Posicion> PosicionesDe(const Grafo& g, int desde, int hasta)
{
    std::vector<Posicion> ps;
    for (int v = desde; v <= hasta; ++v)
        ps.push_back({g.Posic_CoordX(v), g.Posic_CoordY(v)});
    return ps;
}

inline std::vector<Posicion> PosicionesDe(const Grafo& g)
{
    return PosicionesDe(g, 1, g.dimen());
}

// A graph with no edges whose vertex v stands at ps[v - 1].
inline void PonerPosiciones(Grafo& g, const std::vector<Posicion>& ps)
{
    g.Insertar_Dimension(static_cast<std::int16_t>(ps.size()), false);
    for (std::size_t i = 0; i < ps.size(); ++i) {
        g.InsertarPosicionX(static_cast<int>(i + 1), ps[i].X);
        g.InsertarPosicionY(static_cast<int>(i + 1), ps[i].Y);
    }
}
