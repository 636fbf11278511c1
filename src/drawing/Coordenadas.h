// The work area's size and the conversions every placement shares: positions
// are 16-bit twips, and "nearest" always rounds an exact half to the even side.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

// Width and height of the work area in twips, read when an operation starts.
// Fractional on purpose: the area's scale need not be a whole number of twips,
// and some placements use W/2 before any rounding.
struct DimensionesArea {
    double ancho = 0;
    double alto = 0;
};

// A rectangle of a window or dialog, in twips.
struct Rectangulo {
    int izquierda = 0;
    int arriba = 0;
    int ancho = 0;
    int alto = 0;
};

// A whole number, rounded half to even (std::nearbyint in the default mode).
inline long Entero(double valor)
{
    return static_cast<long>(std::nearbyint(valor));
}

// A position as the record stores it. Values past the 16-bit range are held at
// its ends rather than wrapped, so a far-off vertex stays far off.
inline std::int16_t ACoordenada(double valor)
{
    const double redondeado = std::nearbyint(valor);
    return static_cast<std::int16_t>(std::clamp(redondeado, -32768.0, 32767.0));
}
