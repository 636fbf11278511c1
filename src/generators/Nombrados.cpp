#include "generators/Nombrados.h"

#include <cmath>
#include <initializer_list>
#include <utility>

#include "drawing/Distribucion_Vert.h"
#include "generators/Marco.h"
#include "model/Grafo.h"

namespace {

// The angles use this value of pi, like the layouts.
constexpr double Pi = 3.1416;

using Aristas = std::initializer_list<std::pair<int, int>>;

void UnirTodas(Grafo& grafo, Aristas aristas)
{
    for (auto [a, b] : aristas)
        Unir(grafo, a, b);
}

// Vertices 1..5 on a circle H div 2 - 500 round, 6..10 on one H div 2 - 2000
// round, both starting straight above the centre.
void DosPentagonos(Grafo& grafo, DimensionesArea area)
{
    const long medioAlto = AltoEntero(area) / 2;
    DistribucionCircular(grafo, area, 5, 1, static_cast<std::int16_t>(medioAlto - 500));
    DistribucionCircular(grafo, area, 5, 6, static_cast<std::int16_t>(medioAlto - 2000));
}

void EnElCentro(Grafo& grafo, int v, DimensionesArea area)
{
    Colocar(grafo, v, AnchoEntero(area) / 2, AltoEntero(area) / 2);
}

} // namespace

void Petersen(Grafo& grafo, DimensionesArea area)
{
    Dimensionar(grafo, 10);
    DosPentagonos(grafo, area);
    // clang-format off
    UnirTodas(grafo, {{1, 2}, {2, 3}, {3, 4}, {4, 5}, {1, 5}, {1, 6}, {2, 7}, {3, 8}, {4, 9}, {5, 10},
                      {6, 8}, {6, 9}, {7, 9}, {7, 10}, {8, 10}});
    // clang-format on
    Terminar(grafo, area);
}

void Herschel(Grafo& grafo, DimensionesArea area)
{
    Dimensionar(grafo, 11);
    const long W = AnchoEntero(area), H = AltoEntero(area);
    DistribucionElipse(grafo, area, 4, 1, static_cast<std::int16_t>(W / 2 - 1000),
                       static_cast<std::int16_t>(H / 2 - 400));
    for (int k = 0; k <= 5; ++k) {
        const double angulo = 60.0 * k * Pi / 180;
        Colocar(grafo, 5 + k, area.ancho / 2 + double(H / 2 - 1100) * std::cos(angulo),
                area.alto / 2 + double(H / 2 - 1800) * std::sin(angulo));
    }
    EnElCentro(grafo, 11, area);
    // clang-format off
    UnirTodas(grafo, {{1, 2}, {2, 3}, {3, 4}, {5, 6}, {7, 8}, {8, 9}, {10, 11}, {2, 5}, {3, 6}, {3, 7},
                      {4, 8}, {7, 11}, {5, 10}, {6, 11}, {1, 4}, {9, 11}, {1, 10}, {1, 9}});
    // clang-format on
    Terminar(grafo, area);
}

void Grötzsch(Grafo& grafo, DimensionesArea area)
{
    Dimensionar(grafo, 11);
    DosPentagonos(grafo, area);
    EnElCentro(grafo, 11, area);
    UnirTodas(grafo, {{1, 2}, {2, 3}, {3, 4}, {4, 5},  {1, 5},  {2, 6},  {5, 6},  {1, 7},  {3, 7},  {2, 8},
                      {4, 8}, {3, 9}, {5, 9}, {1, 10}, {4, 10}, {6, 11}, {7, 11}, {8, 11}, {9, 11}, {10, 11}});
    Terminar(grafo, area);
}

void Heawood(Grafo& grafo, DimensionesArea area)
{
    Dimensionar(grafo, 14);
    DistribucionCircular(grafo, area, 14, 1, static_cast<std::int16_t>(AltoEntero(area) / 2 - 400));
    for (int i = 1; i <= 14; ++i) {
        Unir(grafo, i, i % 14 + 1);
        if (i % 2 == 1)
            Unir(grafo, i, (i + 4) % 14 + 1);
    }
    Terminar(grafo, area);
}
