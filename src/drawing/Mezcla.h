// Mezcla: a colour blended over a pixel of a 32-bit image, with the
// roundings of Qt's raster engine, so that what is painted by hand matches
// what the painter would leave, byte for byte.
#pragma once

#include <QImage>
#include <QRgb>
#include <array>
#include <cstdint>

// Each 8-bit channel times a/255, rounded as the painter rounds it.
inline QRgb PorAlfa(QRgb x, unsigned a)
{
    std::uint64_t t = ((std::uint64_t(x) | (std::uint64_t(x) << 24)) & 0x00ff00ff00ff00ffULL) * a;
    t = (t + ((t >> 8) & 0x00ff00ff00ff00ffULL) + 0x0080008000800080ULL) >> 8;
    t &= 0x00ff00ff00ff00ffULL;
    return QRgb(t) | QRgb(t >> 24);
}

// A premultiplied colour over the pixel.
inline QRgb Encima(QRgb pixel, QRgb tinta)
{
    return tinta + PorAlfa(pixel, 255 - qAlpha(tinta));
}

// The colour at every coverage, worked out once for a run of lines alike.
inline const std::array<QRgb, 256>& Tintas(QRgb color)
{
    thread_local QRgb ultimo = 0;
    thread_local std::array<QRgb, 256> tintas{};
    if (ultimo != color) { // never at first: colours here are opaque
        for (unsigned k = 0; k < 256; ++k)
            tintas[k] = PorAlfa(color, k);
        ultimo = color;
    }
    return tintas;
}

// Whether this blending reproduces the painter's on the image in this
// colour: 32-bit pixels, an opaque colour.
inline bool SeMezclaAMano(const QImage& imagen, QRgb color)
{
    const QImage::Format formato = imagen.format();
    return (formato == QImage::Format_RGB32 || formato == QImage::Format_ARGB32_Premultiplied) && qAlpha(color) == 255;
}
