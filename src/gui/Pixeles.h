// Twips of the windows' models to the views' pixels: 15 twips a pixel.
#pragma once

#include <QRect>

#include "drawing/Coordenadas.h"

constexpr int TwipsPorPixel = 15;

constexpr int Pixeles(int twips)
{
    return twips / TwipsPorPixel;
}

inline QRect Pixeles(const Rectangulo& r)
{
    return {Pixeles(r.izquierda), Pixeles(r.arriba), Pixeles(r.ancho), Pixeles(r.alto)};
}
