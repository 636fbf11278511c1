#include "generators/Enlazados.h"

#include <numeric>

#include "drawing/Distribucion_Vert.h"
#include "generators/Marco.h"
#include "model/Grafo.h"

namespace {

void EnCirculo(Grafo& grafo, DimensionesArea area, int n)
{
    Dimensionar(grafo, n);
    const RadiosEstandar radios = CalcularRadiosEstandar(area);
    DistribucionAuto(grafo, area, static_cast<std::int16_t>(n), 1, radios.a, radios.r);
}

// The step-k cycles cover 1..n in gcd(n, k) disjoint cycles of n / gcd(n, k)
// edges each; vertex p lies on the p-th of them.
void EnlazarTodos(Grafo& grafo, int k)
{
    const int ciclos = std::gcd(static_cast<int>(grafo.dimen()), k);
    for (int p = 1; p <= ciclos; ++p)
        EnlazarCiclo(grafo, p, k);
}

} // namespace

void EnlazarCiclo(Grafo& grafo, int p, int k)
{
    const int n = grafo.dimen();
    if (n < 1)
        return;
    int c = p;
    int d = (p + k - 1) % n + 1; // p + k for every step the dialogs allow
    while (d != p) {
        Unir(grafo, c, d);
        c = d;
        d = (c + k - 1) % n + 1;
    }
    Unir(grafo, c, p);
}

void EnlazadoNR(Grafo& grafo, DimensionesArea area, int n, int r)
{
    EnCirculo(grafo, area, n);
    EnlazarTodos(grafo, r);
    Terminar(grafo, area);
}

void EnlazadoNRS(Grafo& grafo, DimensionesArea area, int n, int r, int s)
{
    EnCirculo(grafo, area, n);
    EnlazarTodos(grafo, r);
    EnlazarTodos(grafo, s);
    Terminar(grafo, area);
}
