// Graphs for the tests, put straight into the record or into a file's bytes: the one edge list every helper
// takes, the graphs several tests share, the random edges of the property tests, and the matrix read back as
// edges.
#pragma once

#include <QPoint>
#include <QString>
#include <algorithm>
#include <cmath>
#include <compare>
#include <ostream>
#include <random>
#include <set>
#include <utility>
#include <vector>

#include "files/Escritor.h"
#include "model/Grafo.h"

// An edge (an arc from a to b in a digraph); the weight counts only in a weighted graph.
struct Arista {
    // A constructor, not an aggregate: clang 14 (the sanitizer build) cannot build an aggregate from
    // parentheses, as emplace_back does.
    Arista(int desde = 0, int hasta = 0, int p = 1) : a(desde), b(hasta), peso(p) {}
    int a, b;
    int peso;
    auto operator<=>(const Arista&) const = default;
};
using Aristas = std::vector<Arista>;

inline void PrintTo(const Arista& e, std::ostream* os)
{
    *os << e.a << "-" << e.b << " (" << e.peso << ")";
}

// Gives g a type, vertex v at posiciones[v - 1] and these edges (both entries of an undirected one; weight
// 0: none) with their count; whatever g held before is cleared.
inline void PonerGrafo(Grafo& g, const QString& tipo, const std::vector<QPoint>& posiciones,
                       const Aristas& aristas = {})
{
    g.InsertarTipo(tipo);
    const int n = static_cast<int>(posiciones.size());
    g.Insertar_Dimension(static_cast<std::int16_t>(n), false);
    for (int a = 1; a <= Grafo::Limite; ++a) {
        for (int b = 1; b <= Grafo::Limite; ++b)
            g.InsertarMatriz(a, b, 0);
        g.InsertarPosicionX(a, static_cast<std::int16_t>(a > n ? 0 : posiciones[a - 1].x()));
        g.InsertarPosicionY(a, static_cast<std::int16_t>(a > n ? 0 : posiciones[a - 1].y()));
    }
    std::int16_t m = 0;
    for (const auto& [a, b, peso] : aristas) {
        g.InsertarMatriz(a, b, static_cast<std::int16_t>(peso));
        if (!g.Dirigido())
            g.InsertarMatriz(b, a, static_cast<std::int16_t>(peso));
        m += peso != 0;
    }
    g.InsertarNumAristas(m);
}

// The same with n vertices on a circle.
inline void PonerGrafo(Grafo& g, const QString& tipo, int n, const Aristas& aristas)
{
    std::vector<QPoint> circulo;
    for (int v = 1; v <= n; ++v)
        circulo.emplace_back(int(4500 + 2500 * std::cos(0.3 * v)), int(3000 + 2500 * std::sin(0.3 * v)));
    PonerGrafo(g, tipo, circulo, aristas);
}

// The bytes of a graph file holding what PonerGrafo puts in a record.
inline QByteArray TextoDe(const QString& tipo, const std::vector<QPoint>& posiciones, const Aristas& aristas = {})
{
    Grafo g;
    PonerGrafo(g, tipo, posiciones, aristas);
    return TextoGrafo(g);
}
inline QByteArray TextoDe(const QString& tipo, int n, const Aristas& aristas)
{
    Grafo g;
    PonerGrafo(g, tipo, n, aristas);
    return TextoGrafo(g);
}

// The path 1 - 2 - ... - n, and the complete graph on n vertices.
inline Aristas AristasCamino(int n)
{
    Aristas aristas;
    for (int v = 1; v < n; ++v)
        aristas.emplace_back(v, v + 1);
    return aristas;
}
inline Aristas AristasCompleto(int n)
{
    Aristas aristas;
    for (int a = 1; a <= n; ++a)
        for (int b = a + 1; b <= n; ++b)
            aristas.emplace_back(a, b);
    return aristas;
}

// Two triangles sharing vertex 3, drawn as a bow tie.
inline const Aristas Pajarita{{1, 2}, {2, 3}, {1, 3}, {3, 4}, {4, 5}, {3, 5}};
inline const std::vector<QPoint> EnPajarita{{900, 900}, {900, 3000}, {2500, 2000}, {4000, 900}, {4000, 3000}};

// Seeded random edges on n vertices of this type: a random tree first when connected, then any other pair
// (arc) with this probability; weights from 1 to pesoMaximo on the weighted types.
inline Aristas AristasAlAzar(std::mt19937& azar, int tipo, int n, double densidad, bool conexo, int pesoMaximo = 1)
{
    std::bernoulli_distribution otra(std::min(1.0, densidad));
    auto peso = [&] { return EsPonderado(tipo) ? std::uniform_int_distribution(1, pesoMaximo)(azar) : 1; };
    Aristas aristas;
    std::set<std::pair<int, int>> puestas;
    for (int v = 2; conexo && v <= n; ++v) {
        const int u = std::uniform_int_distribution(1, v - 1)(azar);
        aristas.push_back({u, v, peso()});
        puestas.emplace(u, v);
    }
    for (int a = 1; a <= n; ++a)
        for (int b = EsDirigido(tipo) ? 1 : a + 1; b <= n; ++b)
            if (a != b && !puestas.count({a, b}) && otra(azar))
                aristas.push_back({a, b, peso()});
    return aristas;
}

// The edges the matrix holds, row by row, each with its entry as weight. An undirected edge appears once,
// from the smaller end, unless its two entries differ.
inline Aristas ArcosDe(const Grafo& g)
{
    Aristas arcos;
    for (int i = 1; i <= g.dimen(); ++i)
        for (int j = 1; j <= g.dimen(); ++j)
            if (g.elem_matriz(i, j) != 0 && (g.Dirigido() || i <= j || g.elem_matriz(i, j) != g.elem_matriz(j, i)))
                arcos.push_back({i, j, g.elem_matriz(i, j)});
    return arcos;
}
