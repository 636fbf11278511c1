#include "ui/Impactos.h"

#include <cmath>

#include "model/Grafo.h"

bool VerticeEnPunto(const Grafo& g, int v, double x, double y)
{
    const double vx = g.Posic_CoordX(v), vy = g.Posic_CoordY(v);
    return vx - 110 < x && x < vx + 110 && vy - 110 < y && y < vy + 110;
}

std::int16_t UltimoVerticeEnPunto(const Grafo& g, double x, double y)
{
    std::int16_t ultimo = 0;
    for (int v = 1; v <= g.dimen(); ++v)
        if (VerticeEnPunto(g, v, x, y))
            ultimo = static_cast<std::int16_t>(v);
    return ultimo;
}

double DistanciaAVertice(const Grafo& g, double x, double y, int v)
{
    return std::hypot(x - g.Posic_CoordX(v), y - g.Posic_CoordY(v));
}

bool LugarLibre(const Grafo& g, double x, double y, int ancho, int alto, int salvo)
{
    if (x < 150 || x > ancho - 150 || y < 150 || y > alto - 150)
        return false;
    for (int v = 1; v <= g.dimen(); ++v)
        if (v != salvo && std::nearbyint(DistanciaAVertice(g, x, y, v)) < 270)
            return false;
    return true;
}

namespace {

bool EntreConMargen(double t, double extremo1, double extremo2)
{
    return (extremo1 + 55 <= t && t <= extremo2 - 55) || (extremo2 + 55 <= t && t <= extremo1 - 55);
}

bool Entre(double t, double extremo1, double extremo2)
{
    return (extremo1 <= t && t <= extremo2) || (extremo2 <= t && t <= extremo1);
}

} // namespace

bool PuntoEnArista(const Grafo& g, int a, int b, double x, double y)
{
    const double xa = g.Posic_CoordX(a), ya = g.Posic_CoordY(a);
    const double xb = g.Posic_CoordX(b), yb = g.Posic_CoordY(b);
    if (std::abs(xa - xb) <= 120)
        return xa - 70 < x && x < xa + 70 && EntreConMargen(y, ya, yb);
    if (std::abs(ya - yb) <= 120)
        return ya - 70 < y && y < ya + 70 && EntreConMargen(x, xa, xb);
    if (y == ya || y == yb)
        return false;
    if (!Entre(x, xa, xb) || !Entre(y, ya, yb))
        return false;
    // The point is on the segment when the slopes to both ends agree within 20 %.
    const double q1 = (xa - x) / (ya - y);
    const double q2 = (x - xb) / (y - yb);
    return (0.8 * q2 < q1 && q1 < 1.2 * q2) || (0.8 * q1 < q2 && q2 < 1.2 * q1) || (0.8 * -q1 < -q2 && -q2 < 1.2 * -q1);
}

std::int16_t AristaEnPunto(const Grafo& g, double x, double y)
{
    for (int a = 1; a <= g.dimen(); ++a)
        for (int b = 1; b <= g.dimen(); ++b) {
            if (g.elem_matriz(a, b) == 0 || !PuntoEnArista(g, a, b, x, y))
                continue;
            const bool opuesto = g.Dirigido() && g.elem_matriz(b, a) != 0;
            if (opuesto && DistanciaAVertice(g, x, y, a) < DistanciaAVertice(g, x, y, b))
                return CodigoArista(b, a);
            return CodigoArista(a, b);
        }
    return -1;
}
