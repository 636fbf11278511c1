#include "run/Reproduccion.h"

#include <algorithm>
#include <cmath>

void Reproduccion::PonerRitmo(double segundos)
{
    // A setting read back from a damaged file may be anything.
    if (std::isnan(segundos))
        segundos = RitmoPorDefecto;
    const double ritmo = std::clamp(segundos, RitmoMinimo, RitmoMaximo);
    if (ritmo == ritmo_)
        return;
    ritmo_ = ritmo;
    if (guardar_)
        guardar_(ritmo_);
}
