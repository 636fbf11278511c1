#include "drawing/GeometriaArista.h"

#include <cmath>
#include <cstdlib>

namespace GeometriaArista {

double Radianes(double grados)
{
    return grados * Pi / 180.0;
}

QPointF Polar(QPointF p, double r, double grados)
{
    const double a = Radianes(grados);
    return p + r * QPointF(std::cos(a), std::sin(a));
}

double Rumbo(double x1, double y1, double x2, double y2)
{
    const double s = y1 == y2 ? 180.0 : (x2 - x1) / (y2 - y1);
    const double t = std::atan(s) * 180.0 / Pi;
    double rumbo;
    if (s < 0)
        rumbo = -t;
    else if (s > 0)
        rumbo = 180.0 - t;
    else
        rumbo = y2 > y1 ? 180.0 : 0.0;
    if (x2 < x1)
        rumbo += 180.0;
    return rumbo;
}

QPointF Direccion(double rumbo)
{
    const double a = Radianes(rumbo);
    return {std::sin(a), -std::cos(a)};
}

double SumarAngulo(double grados, double mas)
{
    const double suma = grados + mas;
    return suma >= 360.0 ? suma - 360.0 : suma;
}

namespace {

// Left shift of a label on an edge that goes down or is near-vertical: wide
// numbers need more, and more still when the line leans to the left under it.
int IzquierdaBajando(bool haciaIzquierda, bool grande)
{
    if (haciaIzquierda)
        return grande ? -480 : -270;
    return grande ? -380 : -170;
}

} // namespace

QPointF DesplazamientoEtiqueta(int x1, int y1, int x2, int y2, bool grande)
{
    int dx = 0;
    int dy = 0;
    if (y1 < y2)
        dx = IzquierdaBajando(x1 >= x2, grande);
    else if (x1 < x2)
        dx = 120;
    else {
        dx = 50;
        dy = -50;
    }
    if (std::abs(x1 - x2) < 700)
        dx = y1 <= y2 ? IzquierdaBajando(false, grande) : 70;
    if (std::abs(y1 - y2) >= 700) {
        if (x1 > x2 + 1100)
            dy = y2 < y1 ? -180 : -120;
    } else
        dy = x1 > x2 ? -200 : 30;
    return QPointF(dx, dy);
}

Tramo Desplazar(Tramo tramo, int o)
{
    QPointF& s = tramo.inicio;
    QPointF& e = tramo.fin;
    if (std::abs(s.x() - e.x()) < 10) {
        s.rx() -= o;
        e.rx() -= o;
        return tramo;
    }
    // Differences are whole twips, rounded half to even, before dividing.
    const long alto = std::lround(std::nearbyint(e.y() - s.y()));
    const long ancho = std::lround(std::nearbyint(s.x() - e.x()));
    const long k = alto / ancho;
    if (k >= -1 && k <= 1) {
        s.ry() += o;
        e.ry() += o;
    } else {
        const int lado = k > 1 ? o : -o;
        s.rx() += lado;
        e.rx() += lado;
    }
    return tramo;
}

QString TextoNumero(int n)
{
    return (n < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + QString::number(std::abs(n));
}

} // namespace GeometriaArista
