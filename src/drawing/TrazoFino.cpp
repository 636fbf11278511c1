#include "drawing/TrazoFino.h"

#include <QImage>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <utility>

#include "drawing/Mezcla.h"

namespace {

using Fijo = std::int64_t;

// Cuts the line to the device grown by a pixel, in floating point as the
// painter does, so that the fixed-point walk starts from the same place
// whatever the clip. False when nothing of it is left.
bool Cortar(double& x1, double& y1, double& x2, double& y2, double xmax, double ymax)
{
    const auto eje = [](double& a1, double& b1, double& a2, double& b2, double min, double max) {
        if (a1 < min) {
            if (a2 <= min)
                return false;
            b1 += (b2 - b1) / (a2 - a1) * (min - a1);
            a1 = min;
        } else if (a1 > max) {
            if (a2 >= max)
                return false;
            b1 += (b2 - b1) / (a2 - a1) * (max - a1);
            a1 = max;
        }
        if (a2 < min) {
            b2 += (b2 - b1) / (a2 - a1) * (min - a2);
            a2 = min;
        } else if (a2 > max) {
            b2 += (b2 - b1) / (a2 - a1) * (max - a2);
            a2 = max;
        }
        return true;
    };
    return eje(x1, y1, x2, y2, -1, xmax) && eje(y1, x1, y2, x2, -1, ymax);
}

// Rounded down, for either sign.
Fijo Abajo(Fijo a, Fijo b)
{
    const Fijo q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// Where the pixels go and the colour at every coverage. Steps run along
// the line's longer axis and across it, whichever of the image's axes
// those are.
struct Destino {
    QRgb* bits;
    qsizetype pasoLargo, pasoAncho; // pixels between neighbours along and across the line
    const std::array<QRgb, 256>& tintas;
    Fijo anchoMin, anchoMax; // the pixels in sight across the line

    [[gnu::always_inline]] void Poner(Fijo largo, Fijo ancho, unsigned cobertura) const
    {
        if (cobertura == 0 || ancho < anchoMin || ancho > anchoMax)
            return;
        QRgb& p = bits[largo * pasoLargo + ancho * pasoAncho];
        p = Encima(p, tintas[cobertura]);
    }
};

// A line along its longer axis: from a1 to a2 in 26.6 (a1 <= a2), the
// shorter axis at b1 (26.6) and moving by inc (16.16) a pixel.
struct Recorrido {
    Fijo a1, b1, a2, inc;

    // Each step lights the two pixels across the line that the crossing
    // falls between; the first and last only by the part of their pixel the
    // line covers. Only the steps within [amin, amax] along the line whose
    // pixels can be in sight across it are taken.
    void Pintar(const Destino& d, Fijo amin, Fijo amax) const
    {
        Fijo b = (b1 - 32) * (1 << 10);
        b -= ((a1 & 63) - 32) * inc >> 6;
        // The round ends stretch the line by half a pixel each way.
        const Fijo desde = a1 - 32, hasta = a2 + 32;
        b -= inc >> 1;
        const Fijo primera = desde >> 6, ultima = hasta >> 6;
        const Fijo inicio = primera == ultima ? hasta - desde : 64 - (desde & 63);
        const Fijo fin = primera == ultima ? 0 : hasta & 63;
        // Steps whose crossing lies in [min - 1, max + 1) pixels, a step wider each way.
        if (inc != 0) {
            constexpr Fijo Uno = 1 << 16;
            const Fijo p = Abajo((d.anchoMin - 1) * Uno - b, inc), q = Abajo((d.anchoMax + 1) * Uno - b, inc);
            amin = std::max(amin, primera + std::min(p, q) - 1);
            amax = std::min(amax, primera + std::max(p, q) + 1);
        } else if ((b >> 16) + 1 < d.anchoMin || (b >> 16) > d.anchoMax) {
            return;
        }
        const auto paso = [&](Fijo a, Fijo en, Fijo parte) {
            const unsigned alfa = std::uint8_t(en >> 8);
            d.Poner(a, en >> 16, unsigned((255 - alfa) * parte >> 6));
            d.Poner(a, (en >> 16) + 1, unsigned(alfa * parte >> 6));
        };
        if (primera >= amin && primera <= amax)
            paso(primera, b, inicio);
        const Fijo desdePaso = std::max(primera + 1, amin), hastaPaso = std::min(ultima - 1, amax);
        Fijo en = b + (desdePaso - primera) * inc;
        for (Fijo a = desdePaso; a <= hastaPaso; ++a, en += inc) {
            const unsigned alfa = std::uint8_t(en >> 8);
            d.Poner(a, en >> 16, 255 - alfa);
            d.Poner(a, (en >> 16) + 1, alfa);
        }
        if (fin != 0 && ultima > primera && ultima >= amin && ultima <= amax)
            paso(ultima, b + (ultima - primera) * inc, fin);
    }
};

// x times 65536 over y, truncated as the painter truncates it.
Fijo Cociente16(Fijo x, Fijo y)
{
    return x * (1 << 16) / y;
}

} // namespace

bool TrazarLineaFina(QImage& imagen, const QRect& recorte, const QLineF& linea, QRgb color)
{
    if (!SeMezclaAMano(imagen, color) || linea.p1() == linea.p2() || !std::isfinite(linea.x1()) ||
        !std::isfinite(linea.y1()) || !std::isfinite(linea.x2()) || !std::isfinite(linea.y2()))
        return false;
    const QRect visible = recorte.intersected(imagen.rect());
    double rx1 = linea.x1(), ry1 = linea.y1(), rx2 = linea.x2(), ry2 = linea.y2();
    if (visible.isEmpty() || !Cortar(rx1, ry1, rx2, ry2, imagen.width() + 1, imagen.height() + 1))
        return true;
    Fijo x1 = int(rx1 * 64.), y1 = int(ry1 * 64.), x2 = int(rx2 * 64.), y2 = int(ry2 * 64.);
    const Fijo dx = x2 - x1, dy = y2 - y1;
    if (dx == 0 && dy == 0)
        return true;

    // The painter's own buffer, never a copy of it.
    QRgb* const bits = reinterpret_cast<QRgb*>(const_cast<uchar*>(imagen.constBits()));
    const qsizetype porLinea = imagen.bytesPerLine() / 4;
    const std::array<QRgb, 256>& tintas = Tintas(color);
    if (std::abs(dx) < std::abs(dy)) {
        if (y1 > y2) {
            std::swap(x1, x2);
            std::swap(y1, y2);
        }
        const Destino d{bits, porLinea, 1, tintas, visible.left(), visible.right()};
        Recorrido{y1, x1, y2, Cociente16(dx, dy)}.Pintar(d, visible.top(), visible.bottom());
    } else {
        if (x1 > x2) {
            std::swap(x1, x2);
            std::swap(y1, y2);
        }
        const Destino d{bits, 1, porLinea, tintas, visible.top(), visible.bottom()};
        Recorrido{x1, y1, x2, Cociente16(dy, dx)}.Pintar(d, visible.left(), visible.right());
    }
    return true;
}
