// The arithmetic behind an edge's picture: its bearing, where its weight is
// written, how two opposite arcs are drawn apart. Pure functions, in twips.
#pragma once

#include <QPointF>
#include <QString>

namespace GeometriaArista {

// The drawing has always used this value of pi; the bearings it produces
// (90.318 degrees for a horizontal edge, not 90) depend on it.
inline constexpr double Pi = 3.1416;

double Radianes(double grados);
// The point at distance r from p in direction angulo (degrees, measured as
// the screen's x axis turning toward its downward y axis).
QPointF Polar(QPointF p, double r, double grados);

// Bearing of the vector (x1, y1) -> (x2, y2) in degrees, clockwise from
// screen-up. A horizontal vector takes the slope 180 instead of infinity.
double Rumbo(double x1, double y1, double x2, double y2);
// Unit vector of a bearing.
QPointF Direccion(double rumbo);
// Adds two angles in degrees and wraps once into [0, 360).
double SumarAngulo(double grados, double mas);

// Offset from the edge's midpoint to the top-left corner of its label.
// grande: a wide number (more than two digits) needs more room on the left.
QPointF DesplazamientoEtiqueta(int x1, int y1, int x2, int y2, bool grande);

struct Tramo {
    QPointF inicio;
    QPointF fin;
};
// Moves the line sideways by o twips (-25 or +25), across its main slope.
Tramo Desplazar(Tramo tramo, int o);

// A number as the surface writes it: a space, or "-" for a negative, then digits.
QString TextoNumero(int n);

} // namespace GeometriaArista
