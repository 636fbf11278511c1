#include "drawing/Distribucion_Vert.h"

#include <cmath>

#include "model/Grafo.h"

namespace {

// The angles of the layouts use this value of pi, so the positions come out
// exactly as the program has always placed them.
constexpr double Pi = 3.1416;

// Indexes past the record's arrays are a caller's mistake; they are skipped
// rather than written out of bounds.
void Colocar(Grafo& grafo, long v, double x, double y)
{
    if (v < 1 || v > Grafo::Limite)
        return;
    grafo.InsertarPosicionX(static_cast<int>(v), ACoordenada(x));
    grafo.InsertarPosicionY(static_cast<int>(v), ACoordenada(y));
}

// cuenta vertices from primero, evenly spaced on a segment from (x0, y0)
// spanning (anchoTotal, altoTotal), neither end occupied. The step is a
// whole-number division, so the last vertex may fall short of the end.
void RepartirEnSegmento(Grafo& grafo, long primero, long cuenta, double x0, double y0, long anchoTotal, long altoTotal)
{
    if (cuenta < 1)
        return;
    const long pasoX = anchoTotal / (cuenta + 1);
    const long pasoY = altoTotal / (cuenta + 1);
    for (long i = 1; i <= cuenta; ++i)
        Colocar(grafo, primero + i - 1, x0 + i * pasoX, y0 + i * pasoY);
}

// The x of the first of cuenta vertices paso apart whose middle is at centro.
double InicioCentrado(double centro, long cuenta, long paso)
{
    return centro - (cuenta - 1) * paso / 2.0;
}

void ColocarFila(Grafo& grafo, long primero, long cuenta, double x0, long paso, double y)
{
    for (long i = 0; i < cuenta; ++i)
        Colocar(grafo, primero + i, x0 + i * paso, y);
}

} // namespace

RadiosEstandar CalcularRadiosEstandar(DimensionesArea area)
{
    return {ACoordenada(area.ancho / 2 - 600), ACoordenada(area.alto / 2 - 300)};
}

void DistribucionCircular(Grafo& grafo, DimensionesArea area, std::int16_t n, std::int16_t primero, std::int16_t r)
{
    DistribucionElipse(grafo, area, n, primero, r, r);
}

void DistribucionElipse(Grafo& grafo, DimensionesArea area, std::int16_t n, std::int16_t primero, std::int16_t a,
                        std::int16_t r)
{
    if (n < 1)
        return;
    const double paso = 360.0 / n;
    for (int i = 0; i < n; ++i) {
        const double alfa = (i * paso - 90) * Pi / 180;
        Colocar(grafo, primero + i, area.ancho / 2 + a * std::cos(alfa), area.alto / 2 + r * std::sin(alfa));
    }
}

void DistribucionAuto(Grafo& grafo, DimensionesArea area, std::int16_t n, std::int16_t primero, std::int16_t a,
                      std::int16_t r)
{
    if (n <= 20)
        DistribucionCircular(grafo, area, n, primero, r);
    else
        DistribucionElipse(grafo, area, n, primero, a, r);
}

void DistribucionEstrella(Grafo& grafo, DimensionesArea area, std::int16_t n)
{
    Colocar(grafo, 1, Entero(area.ancho) / 2, Entero(area.alto) / 2);
    const RadiosEstandar radios = CalcularRadiosEstandar(area);
    DistribucionAuto(grafo, area, static_cast<std::int16_t>(n - 1), 2, radios.a, radios.r);
}

void DistribucionBipartita(Grafo& grafo, DimensionesArea area, std::int16_t r)
{
    const long n = grafo.dimen();
    const long alto = Entero(area.alto);
    RepartirEnSegmento(grafo, 1, r, Entero(area.ancho) / 4, 0, 0, alto);
    RepartirEnSegmento(grafo, r + 1, n - r, 0.75 * area.ancho, 0, 0, alto);
}

void RejillaRectangular(Grafo& grafo, DimensionesArea area, std::int16_t h, std::int16_t v)
{
    if (h < 1 || v < 1)
        return;
    const long dx = Entero(area.ancho) / (h + 1);
    const long dy = Entero(area.alto) / (v + 1);
    const double x0 = InicioCentrado(area.ancho / 2, h, dx);
    const double y0 = InicioCentrado(area.alto / 2, v, dy);
    for (long j = 0; j < v; ++j)
        ColocarFila(grafo, j * h + 1, h, x0, dx, y0 + j * dy);
}

void RejillaTriangular(Grafo& grafo, DimensionesArea area, std::int16_t L)
{
    if (L < 1)
        return;
    const long dx = Entero(area.ancho) / (L + 1);
    const long dy = Entero(area.alto) / (L + 1);
    for (long j = 1; j <= L; ++j)
        ColocarFila(grafo, j * (j - 1) / 2 + 1, j, InicioCentrado(area.ancho / 2, j, dx), dx,
                    static_cast<double>(j * dy));
}

void DistribucionTripartita(Grafo& grafo, DimensionesArea area, std::int16_t r, std::int16_t s)
{
    const long t = grafo.dimen() - r - s;
    const long w = Entero(area.ancho) / 2;
    RepartirEnSegmento(grafo, 1, r, w - 1200, 250, -4400, 5250);
    RepartirEnSegmento(grafo, r + 1, s, w + 1200, 250, 4400, 5250);
    RepartirEnSegmento(grafo, r + s + 1, t, w - 4200, 6200, 8400, 0);
}

void DistribucionArbol(Grafo& grafo, DimensionesArea area, std::int16_t k, std::int16_t L)
{
    if (L < 0)
        return;
    const long ancho = Entero(area.ancho);
    const long alto = Entero(area.alto);
    Colocar(grafo, 1, ancho / 2, alto / (L + 2));
    long vertice = 2;
    long c = 1;
    for (long j = 2; j <= L + 1 && vertice <= Grafo::Limite; ++j) {
        c *= k;
        const long y = alto * j / (L + 2);
        for (long i = 1; i <= c && vertice <= Grafo::Limite; ++i)
            Colocar(grafo, vertice++, ancho * i / (c + 1), y);
    }
}
