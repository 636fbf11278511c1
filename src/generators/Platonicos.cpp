#include "generators/Platonicos.h"

#include "generators/Cubos.h"
#include "generators/Marco.h"
#include "model/Grafo.h"

namespace {

void TetraedroPlano(Grafo& grafo, long W, long H)
{
    Dimensionar(grafo, 4);
    Colocar(grafo, 1, W / 2, H / 2);
    Colocar(grafo, 2, W / 2, H / 3);
    Colocar(grafo, 3, W / 4, 2 * H / 3);
    Colocar(grafo, 4, 3 * W / 4, 2 * H / 3);
    for (int i = 1; i <= 3; ++i)
        for (int j = i + 1; j <= 4; ++j)
            Unir(grafo, i, j);
}

void TetraedroNoPlano(Grafo& grafo, long W, long H)
{
    Cuadrado(grafo, W / 2, H / 3, W / 4, H / 3);
    Unir(grafo, 1, 4);
    Unir(grafo, 2, 3);
}

void OctaedroPlano(Grafo& grafo, long W, long H)
{
    Colocar(grafo, 1, W / 2, H / 5);
    Colocar(grafo, 2, W / 4, 0.8 * H);
    Colocar(grafo, 3, 0.75 * W, 0.8 * H);
    Colocar(grafo, 4, W / 2 - 500, H / 2);
    Colocar(grafo, 5, W / 2 + 500, H / 2);
    Colocar(grafo, 6, W / 2, H / 2 + 1000);
}

void OctaedroNoPlano(Grafo& grafo, long W, long H)
{
    Colocar(grafo, 1, W / 2, H / 5);
    Colocar(grafo, 6, W / 2, 0.8 * H);
    Colocar(grafo, 2, W / 2 + 0.3 * H, H / 2 - 250);
    Colocar(grafo, 3, W / 2 + 500, H / 2 + 250);
    Colocar(grafo, 4, W / 2 - 500, H / 2 - 250);
    Colocar(grafo, 5, W / 2 - 0.3 * H, H / 2 + 250);
}

} // namespace

void Tetraedro(Grafo& grafo, DimensionesArea area, bool plano)
{
    if (plano)
        TetraedroPlano(grafo, AnchoEntero(area), AltoEntero(area));
    else
        TetraedroNoPlano(grafo, AnchoEntero(area), AltoEntero(area));
    Terminar(grafo, area);
}

void Octaedro(Grafo& grafo, DimensionesArea area, bool plano)
{
    Dimensionar(grafo, 6);
    if (plano)
        OctaedroPlano(grafo, AnchoEntero(area), AltoEntero(area));
    else
        OctaedroNoPlano(grafo, AnchoEntero(area), AltoEntero(area));
    for (int i = 1; i <= 5; ++i)
        for (int j = i + 1; j <= 6; ++j)
            if (j != 7 - i)
                Unir(grafo, i, j);
    Terminar(grafo, area);
}
