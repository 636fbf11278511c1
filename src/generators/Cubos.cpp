#include "generators/Cubos.h"

#include "generators/Marco.h"
#include "model/Grafo.h"

namespace {

// The k-th vertex of the first copy joined to the k-th of the second.
void UnirCopias(Grafo& grafo, int m, int tamaño)
{
    for (int k = 1; k <= tamaño; ++k)
        Unir(grafo, m + k, m + tamaño + k);
}

void CuboQ1(Grafo& grafo, DimensionesArea area)
{
    Dimensionar(grafo, 2);
    Colocar(grafo, 1, area.ancho / 2, area.alto / 3);
    Colocar(grafo, 2, area.ancho / 2, 2 * area.alto / 3);
    Unir(grafo, 1, 2);
}

void CuadradoExterior(Grafo& grafo, DimensionesArea area)
{
    Cuadrado(grafo, area.ancho - 6000, area.alto - 3000, 3000, 1500);
}

} // namespace

void Cuadrado(Grafo& grafo, double w, double h, double x, double y)
{
    const int m = grafo.dimen();
    Dimensionar(grafo, m + 4);
    Colocar(grafo, m + 1, x, y);
    Colocar(grafo, m + 2, x + w, y);
    Colocar(grafo, m + 3, x, y + h);
    Colocar(grafo, m + 4, x + w, y + h);
    Unir(grafo, m + 1, m + 2);
    Unir(grafo, m + 1, m + 3);
    Unir(grafo, m + 2, m + 4);
    Unir(grafo, m + 3, m + 4);
}

void Cubo3(Grafo& grafo, double x, double y, double s)
{
    const int m = grafo.dimen();
    Cuadrado(grafo, s, s, x, y);
    Cuadrado(grafo, s, s, x + s / 3, y - s / 3);
    UnirCopias(grafo, m, 4);
}

void Cubo4(Grafo& grafo, double x, double y, double s)
{
    const int m = grafo.dimen();
    Cubo3(grafo, x, y, s);
    Cubo3(grafo, x + 3.5 * s, y - 2.5 * s, s);
    UnirCopias(grafo, m, 8);
}

void Cubo5(Grafo& grafo, DimensionesArea area, double x, double y, double s)
{
    const int m = grafo.dimen();
    Cubo4(grafo, x, y, s);
    Cubo4(grafo, area.ancho / 2, y + s / 3, s);
    UnirCopias(grafo, m, 16);
}

void Hipercubo(Grafo& grafo, DimensionesArea area, int dimension)
{
    const double W = area.ancho, H = area.alto;
    switch (dimension) {
    case 1: CuboQ1(grafo, area); break;
    case 2: CuadradoExterior(grafo, area); break;
    case 3: {
        const double s = H / 3;
        Cubo3(grafo, W / 2 - (s + s / 3) / 2, H / 2 - s / 3, s);
        break;
    }
    case 4: {
        const double s = H / 5;
        Cubo4(grafo, 3 * W / 10 - 2 * s / 3, 3 * H / 4 - s / 3, s);
        break;
    }
    case 5: {
        const double s = H / 6;
        Cubo5(grafo, area, 2 * s / 3, 3 * H / 4 - 2 * s / 3, s);
        break;
    }
    default: return;
    }
    Terminar(grafo, area);
}

void HexaedroPlano(Grafo& grafo, DimensionesArea area)
{
    const double W = area.ancho, H = area.alto;
    CuadradoExterior(grafo, area);
    Cuadrado(grafo, (W - 6000) / 2, (H - 3000) / 2, W / 2 - (W - 6000) / 4, H / 2 - (H - 3000) / 4);
    UnirCopias(grafo, 0, 4);
    Terminar(grafo, area);
}
