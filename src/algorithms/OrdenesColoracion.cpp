// The orders show in the trace line by line, so each one keeps its own
// tie-break exactly: the degree order is stable, the smallest-last order and
// the saturation scan take the first candidate they meet.
#include "algorithms/OrdenesColoracion.h"

#include <algorithm>
#include <numeric>

#include "model/Grafo.h"

namespace {

bool Adyacentes(const Grafo& g, int a, int b)
{
    return g.elem_matriz(a, b) != 0;
}

// The colours of v's neighbours among coloreados[1..hasta], as flags 1..limite.
std::vector<bool> ColoresVecinos(const Grafo& g, int v, const ListaVertices& coloreados, int hasta,
                                 const ListaVertices& color, int limite)
{
    std::vector<bool> usado(limite + 1, false);
    for (int j = 1; j <= hasta; ++j)
        if (Adyacentes(g, v, coloreados[j]))
            usado[color[coloreados[j]]] = true;
    return usado;
}

// The lowest-numbered vertex of smallest degree, removed ones (negative) left out.
int MenorGrado(const std::vector<int>& grado)
{
    const int n = int(grado.size()) - 1;
    int menor = n, elegido = 0;
    for (int v = 1; v <= n; ++v)
        if (grado[v] >= 0 && grado[v] < menor) {
            menor = grado[v];
            elegido = v;
        }
    return elegido;
}

} // namespace

std::int16_t Menor_Color_Libre(int limite, const std::vector<bool>& usado)
{
    for (int c = 1; c < limite; ++c)
        if (!usado[c])
            return std::int16_t(c);
    return std::int16_t(limite);
}

Coloracion Colorear_Secuencial(const Grafo& g, ListaVertices orden)
{
    const int n = int(orden.size()) - 1;
    Coloracion r{std::move(orden), ListaVertices(g.dimen() + 1, 0), 0};
    if (n < 1)
        return r;
    r.color[r.orden[1]] = 1;
    r.k = 1;
    for (int i = 2; i <= n; ++i) {
        const int v = r.orden[i];
        const std::int16_t c = Menor_Color_Libre(i, ColoresVecinos(g, v, r.orden, i - 1, r.color, i));
        r.k = std::max(r.k, c);
        r.color[v] = c;
    }
    return r;
}

ListaVertices OrdenNatural(int n)
{
    ListaVertices orden(n + 1);
    std::iota(orden.begin(), orden.end(), std::int16_t{0});
    return orden;
}

ListaVertices Ordenar_Por_Grado(const Grafo& g, ListaVertices orden)
{
    // A stable sort gives the bubble sort's result: it swaps only on a
    // strictly smaller degree, so equal degrees never pass each other.
    std::stable_sort(orden.begin() + 1, orden.end(),
                     [&](std::int16_t a, std::int16_t b) { return g.Grado(a) > g.Grado(b); });
    return orden;
}

ListaVertices Orden_Menor_Ultimo(const Grafo& g)
{
    const int n = g.dimen();
    ListaVertices orden(n + 1, 0);
    if (n < 1)
        return orden;
    std::vector<int> grado(n + 1, 0);
    for (int v = 1; v <= n; ++v)
        grado[v] = g.Grado(v);
    int m = MenorGrado(grado);
    for (int p = n; p >= 2; --p) {
        orden[p] = std::int16_t(m);
        grado[m] = -1;
        for (int j = 1; j <= n; ++j)
            if (Adyacentes(g, j, m))
                --grado[j];
        m = MenorGrado(grado);
    }
    orden[1] = std::int16_t(m);
    return orden;
}

int Grado_Saturacion(const Grafo& g, int w, const ListaVertices& coloreados, int hasta, const ListaVertices& color)
{
    const std::vector<bool> usado = ColoresVecinos(g, w, coloreados, hasta, color, Grafo::Limite);
    return int(std::count(usado.begin(), usado.end(), true));
}

Coloracion ColorearBrelaz(const Grafo& g)
{
    const int n = g.dimen();
    Coloracion r{ListaVertices(n + 1, 0), ListaVertices(n + 1, 0), 0};
    if (n < 1)
        return r;
    const ListaVertices s = Ordenar_Por_Grado(g, OrdenNatural(n));
    std::vector<bool> tomado(n + 1, false);
    r.orden[1] = s[1];
    r.color[s[1]] = 1;
    r.k = 1;
    tomado[1] = true;
    for (int paso = 2; paso <= n; ++paso) {
        int mejor = -1, elegido = 0;
        for (int j = 1; j <= n; ++j) {
            if (tomado[j])
                continue;
            const int saturacion = Grado_Saturacion(g, s[j], r.orden, paso - 1, r.color);
            if (saturacion > mejor) {
                mejor = saturacion;
                elegido = j;
            }
            // Nothing can be more saturated than all k colours.
            if (saturacion == r.k)
                break;
        }
        const int v = s[elegido];
        const std::int16_t c = Menor_Color_Libre(r.k + 1, ColoresVecinos(g, v, r.orden, paso - 1, r.color, r.k + 1));
        r.k = std::max(r.k, c);
        r.color[v] = c;
        r.orden[paso] = std::int16_t(v);
        tomado[elegido] = true;
    }
    return r;
}
