#include "generators/Elementales.h"

#include "drawing/Distribucion_Vert.h"
#include "generators/Marco.h"
#include "model/Grafo.h"

namespace {

void EnCirculo(Grafo& grafo, DimensionesArea area, int n)
{
    const RadiosEstandar radios = CalcularRadiosEstandar(area);
    DistribucionAuto(grafo, area, static_cast<std::int16_t>(n), 1, radios.a, radios.r);
}

// Every vertex of desde..hasta joined to every vertex of a..b.
void UnirLados(Grafo& grafo, int desde, int hasta, int a, int b)
{
    for (int i = desde; i <= hasta; ++i)
        for (int j = a; j <= b; ++j)
            Unir(grafo, i, j);
}

} // namespace

void Estrella(Grafo& grafo, DimensionesArea area, int n)
{
    Dimensionar(grafo, n);
    DistribucionEstrella(grafo, area, static_cast<std::int16_t>(n));
    UnirLados(grafo, 1, 1, 2, n);
    Terminar(grafo, area);
}

void Ciclo(Grafo& grafo, DimensionesArea area, int n)
{
    Dimensionar(grafo, n);
    EnCirculo(grafo, area, n);
    for (int i = 1; i < n; ++i)
        Unir(grafo, i, i + 1);
    Unir(grafo, n, 1);
    Terminar(grafo, area);
}

void Rueda(Grafo& grafo, DimensionesArea area, int n)
{
    Dimensionar(grafo, n);
    DistribucionEstrella(grafo, area, static_cast<std::int16_t>(n));
    for (int i = 2; i < n; ++i)
        Unir(grafo, i, i + 1);
    if (n >= 2) // a wheel of one vertex has no vertex 2 to close its rim on
        Unir(grafo, n, 2);
    UnirLados(grafo, 1, 1, 2, n);
    Terminar(grafo, area);
}

void GrafoNulo(Grafo& grafo, DimensionesArea area, int n)
{
    Dimensionar(grafo, n);
    EnCirculo(grafo, area, n);
    Terminar(grafo, area, false);
}

void GrafoCompleto(Grafo& grafo, DimensionesArea area, int n)
{
    Dimensionar(grafo, n);
    if (n == 1) {
        Colocar(grafo, 1, AnchoEntero(area) / 2, AltoEntero(area) / 2);
        Terminar(grafo, area, false);
        return;
    }
    EnCirculo(grafo, area, n);
    for (int i = 1; i < n; ++i)
        UnirLados(grafo, i, i, i + 1, n);
    Terminar(grafo, area);
}

void CompletoBipartido(Grafo& grafo, DimensionesArea area, int r, int s)
{
    const int n = r + s;
    Dimensionar(grafo, n);
    DistribucionBipartita(grafo, area, static_cast<std::int16_t>(r));
    UnirLados(grafo, 1, r, r + 1, n);
    Terminar(grafo, area);
}

void CompletoTripartido(Grafo& grafo, DimensionesArea area, int r, int s, int t)
{
    const int n = r + s + t;
    Dimensionar(grafo, n);
    DistribucionTripartita(grafo, area, static_cast<std::int16_t>(r), static_cast<std::int16_t>(s));
    UnirLados(grafo, 1, r, r + 1, n);
    UnirLados(grafo, r + 1, r + s, r + s + 1, n);
    Terminar(grafo, area);
}

void RejillaEnRectangulo(Grafo& grafo, DimensionesArea area, int h, int v)
{
    const int n = h * v;
    Dimensionar(grafo, n);
    RejillaRectangular(grafo, area, static_cast<std::int16_t>(h), static_cast<std::int16_t>(v));
    for (int k = 1; k <= n; ++k) {
        if (k % h != 0)
            Unir(grafo, k, k + 1);
        if (k + h <= n)
            Unir(grafo, k, k + h);
    }
    Terminar(grafo, area);
}

void RejillaEnTriangulo(Grafo& grafo, DimensionesArea area, int niveles)
{
    Dimensionar(grafo, niveles * (niveles + 1) / 2);
    RejillaTriangular(grafo, area, static_cast<std::int16_t>(niveles));
    int b = 1;
    for (int i = 1; i <= niveles; ++i)
        for (int j = 1; j <= i; ++j, ++b) {
            if (i < niveles) {
                Unir(grafo, b, b + i);
                Unir(grafo, b, b + i + 1);
            }
            if (j < i)
                Unir(grafo, b, b + 1);
        }
    Terminar(grafo, area);
}
