#include "files/AjustarPosiciones.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "model/Grafo.h"

namespace {
constexpr int Margen = 540;

// The factor that brings `mayor` to `espacio`, or none when no vertex lies
// on the positive side of this axis.
std::optional<double> Factor(int espacio, int mayor)
{
    if (mayor <= 0)
        return std::nullopt;
    return double(espacio) / mayor;
}

std::int16_t Escalar(std::int16_t valor, double factor)
{
    const double escalado = std::nearbyint(valor * factor);
    return static_cast<std::int16_t>(std::clamp<double>(escalado, std::numeric_limits<std::int16_t>::min(),
                                                        std::numeric_limits<std::int16_t>::max()));
}
} // namespace

void AjustarPosiciones(Grafo& grafo, QSize areaTrabajo)
{
    const int n = std::clamp<int>(grafo.dimen(), 0, Grafo::Limite);
    int mayorX = -1;
    int mayorY = -1;
    for (int v = 1; v <= n; ++v) {
        mayorX = std::max<int>(mayorX, grafo.Posic_CoordX(v));
        mayorY = std::max<int>(mayorY, grafo.Posic_CoordY(v));
    }
    const std::optional<double> fx = Factor(areaTrabajo.width() - Margen, mayorX);
    const std::optional<double> fy = Factor(areaTrabajo.height() - Margen, mayorY);
    if (!fx && !fy)
        return;
    const double f = fx && fy ? std::min(*fx, *fy) : fx.value_or(fy.value_or(0));
    if (f <= 0)
        return;
    for (int v = 1; v <= n; ++v) {
        grafo.InsertarPosicionX(v, Escalar(grafo.Posic_CoordX(v), f));
        grafo.InsertarPosicionY(v, Escalar(grafo.Posic_CoordY(v), f));
    }
}
