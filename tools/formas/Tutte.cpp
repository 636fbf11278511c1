#include <QtMath>
#include <array>
#include <cmath>

#include "Formas.h"

namespace {

// Local numbers of a fragment's vertices, from its compulsory end p outwards.
// The fragment comes from a pentagonal prism (outer o0..o4, inner i0..i4):
// o0 and o2, the outer ends of two non-adjacent spokes, become triangles
// {a, b, c} and {a2, b2, c2}; the edge b-c is replaced by the path b-p-c and
// b2-c2 is removed, so p, b2 and c2 are the three ends that leave it.
enum Local { P, B, C, A, I0, I1, I4, O1, O4, I2, I3, O3, A2, B2, C2, PorFragmento };

constexpr std::array<std::pair<int, int>, 21> AristasFragmento{{
    {I0, I1}, {I1, I2}, {I2, I3}, {I3, I4}, {I4, I0}, // inner pentagon
    {O1, I1}, {O3, I3}, {O4, I4},                     // the remaining spokes
    {B, O1},  {O1, B2}, {C2, O3}, {O3, O4}, {O4, C},  // what is left of the outer pentagon
    {A, I0},  {A2, I2},                               // the two spokes whose ends became triangles
    {A, B},   {A, C},   {A2, B2}, {A2, C2},           // the triangles, less the edges taken out
    {P, B},   {P, C},                                 // the path that replaced b-c
}};

int Vertice(int fragmento, int local)
{
    return 1 + fragmento * PorFragmento + local;
}

Figura TutteCombinatorio()
{
    Figura f;
    f.n = 1 + 3 * PorFragmento;
    for (int k = 0; k < 3; ++k) {
        for (auto [a, b] : AristasFragmento)
            f.Unir(Vertice(k, a), Vertice(k, b));
        f.Unir(0, Vertice(k, P));
        f.Unir(Vertice(k, B2), Vertice((k + 1) % 3, C2));
    }
    return f;
}

// Each fragment's outer cycle on a circle of its own, p facing the centre,
// b2 and c2 towards the neighbouring fragments, a2 outside; angles from p.
constexpr std::array<std::pair<int, double>, 9> Contorno{{
    {P, 0},
    {B, 40},
    {O1, 78},
    {B2, 120},
    {A2, 180},
    {C2, 240},
    {O3, 280},
    {O4, 313},
    {C, 338},
}};
constexpr double Distancia = 1650; // from the centre to a fragment's circle
constexpr double Radio = 1050;     // of that circle

// Tutte's own drawing method, fragment by fragment: with the centre and every
// fragment's outer cycle fixed on convex positions, each remaining vertex sits
// at the mean of its neighbours, which leaves no crossing.
void Baricentros(Figura& f, const std::vector<bool>& fijo)
{
    std::vector<std::vector<int>> vecinos(f.n);
    for (auto [a, b] : f.aristas) {
        vecinos[a].push_back(b);
        vecinos[b].push_back(a);
    }
    for (int vuelta = 0; vuelta < 2000; ++vuelta)
        for (int v = 0; v < f.n; ++v) {
            if (fijo[v])
                continue;
            QPointF suma;
            for (int u : vecinos[v])
                suma += f.posiciones[u];
            f.posiciones[v] = suma / double(vecinos[v].size());
        }
}

QPointF Polar(double radio, double grados)
{
    const double t = qDegreesToRadians(grados);
    return QPointF(radio * std::cos(t), radio * std::sin(t));
}

} // namespace

Figura TutteDibujado()
{
    Figura f = TutteCombinatorio();
    f.posiciones.assign(f.n, QPointF());
    std::vector<bool> fijo(f.n, false);
    fijo[0] = true;
    for (int k = 0; k < 3; ++k) {
        const double rumbo = -90 + 120 * k;
        const QPointF centro = Polar(Distancia, rumbo);
        for (auto [local, angulo] : Contorno) {
            f.posiciones[Vertice(k, local)] = centro + Polar(Radio, rumbo + 180 - angulo);
            fijo[Vertice(k, local)] = true;
        }
    }
    Baricentros(f, fijo);
    // Wider than high, like the work area; a stretch keeps every crossing out.
    for (QPointF& p : f.posiciones)
        p.setX(p.x() * 1.25);
    Encajar(f, 4500, 3000, 3800, 2600);
    return f;
}
