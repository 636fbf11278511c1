#include "drawing/TrazoGrueso.h"

#include <QImage>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <cmath>
#include <vector>

#include "drawing/Mezcla.h"
#include "drawing/RellenoExacto.h"

namespace {

// Curves are flattened until they stray less than this from the true ones
// (in pixels, on an untransformed painter), and every rounding below is the
// painter's: a different one moves some pixel's grey by a step.
constexpr double Planitud = 0.25;

PuntoFijo AFijo(QPointF p)
{
    return {long(qRound(p.x() * 64)) << (RellenoExacto::BitsPixel - 6), long(qRound(p.y() * 64))
                                                                            << (RellenoExacto::BitsPixel - 6)};
}

struct Bezier {
    double x1, y1, x2, y2, x3, y3, x4, y4;
};

// De Casteljau at the middle, with the painter's order of operations.
void Partir(const Bezier& b, Bezier& primera, Bezier& segunda)
{
    const auto mitad = [](double b1, double b2, double b3, double b4, double& p1, double& p2, double& p3, double& p4,
                          double& s1, double& s2, double& s3, double& s4) {
        const double c = (b2 + b3) * .5;
        p1 = b1;
        p2 = (b1 + b2) * .5;
        s4 = b4;
        s3 = (b3 + b4) * .5;
        p3 = (p2 + c) * .5;
        s2 = (s3 + c) * .5;
        p4 = s1 = (p3 + s2) * .5;
    };
    Bezier p{}, s{};
    mitad(b.x1, b.x2, b.x3, b.x4, p.x1, p.x2, p.x3, p.x4, s.x1, s.x2, s.x3, s.x4);
    mitad(b.y1, b.y2, b.y3, b.y4, p.y1, p.y2, p.y3, p.y4, s.y1, s.y2, s.y3, s.y4);
    primera = p;
    segunda = s;
}

bool BastanteRecta(const Bezier& c)
{
    const double dy = c.y4 - c.y1;
    const double dx = c.x4 - c.x1;
    double largo = std::abs(dx) + std::abs(dy);
    double desvio;
    if (largo > 1.) {
        desvio = std::abs(dx * (c.y1 - c.y2) - dy * (c.x1 - c.x2)) + std::abs(dx * (c.y1 - c.y3) - dy * (c.x1 - c.x3));
    } else {
        desvio = std::abs(c.x1 - c.x2) + std::abs(c.y1 - c.y2) + std::abs(c.x1 - c.x3) + std::abs(c.y1 - c.y3);
        largo = 1.;
    }
    return desvio < Planitud * largo;
}

// Appends the ends of the straight pieces the curve is cut into, at most
// nine halvings deep, first half first.
void Aplanar(const Bezier& curva, std::vector<PuntoFijo>& puntos)
{
    Bezier pila[10];
    int nivel[10];
    pila[0] = curva;
    nivel[0] = 9;
    int cima = 0;
    while (cima >= 0) {
        const Bezier& c = pila[cima];
        if (nivel[cima] == 0 || BastanteRecta(c)) {
            puntos.push_back(AFijo({c.x4, c.y4}));
            --cima;
            continue;
        }
        Bezier primera, segunda;
        Partir(c, primera, segunda);
        pila[cima] = segunda;
        pila[cima + 1] = primera;
        nivel[cima + 1] = --nivel[cima];
        ++cima;
    }
}

// The stroke's outline, flattened.
void Leer(const QPainterPath& trazo, ContornosFijos& contornos)
{
    contornos.Vaciar();
    std::vector<PuntoFijo>& puntos = contornos.puntos;
    QPointF ultimo;
    for (int i = 0; i < trazo.elementCount(); ++i) {
        const QPainterPath::Element e = trazo.elementAt(i);
        if (e.isMoveTo()) {
            contornos.Cerrar();
            puntos.push_back(AFijo(e));
        } else if (e.isLineTo()) {
            puntos.push_back(AFijo(e));
        } else if (e.isCurveTo() && !puntos.empty() && i + 2 < trazo.elementCount()) {
            const QPointF c2 = trazo.elementAt(i + 1), fin = trazo.elementAt(i + 2);
            Aplanar({ultimo.x(), ultimo.y(), e.x, e.y, c2.x(), c2.y(), fin.x(), fin.y()}, puntos);
            ultimo = fin;
            i += 2;
            continue;
        }
        ultimo = e;
    }
    contornos.Cerrar();
}

// Each thread's filler, kept from one line to the next.
thread_local RellenoExacto relleno;

enum class Contorno { Ajeno, FueraDeVista, Listo };

// The line outlined and its cells filled in the thread's filler, seen
// through the clip (in pixels) of an image of this size, or why not.
Contorno Rellenar(const QRect& imagen, const QRect& recorte, const QLineF& linea, double ancho)
{
    // Past 32767 pixels the painter cuts the outline to the device first,
    // which moves its corners: such lines stay with it.
    constexpr double Alcance = 32000;
    const auto lejos = [&](QPointF p) { return !(std::abs(p.x()) < Alcance && std::abs(p.y()) < Alcance); };
    if (!(ancho > 1 && ancho < 100) || lejos(linea.p1()) || lejos(linea.p2()) || std::abs(linea.dx()) >= Alcance ||
        std::abs(linea.dy()) >= Alcance || linea.length() < 0.01)
        return Contorno::Ajeno;
    const QRect visible = recorte.intersected(imagen);
    // Half the width around the line holds the whole outline; a pixel more
    // leaves room for roundings. A line wholly out of sight (in a band of the
    // image it does not cross) is not even outlined.
    const double margen = ancho / 2 + 1;
    const QRectF alcance = QRectF(linea.p1(), linea.p2()).normalized().adjusted(-margen, -margen, margen, margen);
    if (visible.isEmpty() || !alcance.intersects(QRectF(visible)))
        return Contorno::FueraDeVista;

    QPainterPathStroker trazador;
    trazador.setWidth(ancho);
    trazador.setCapStyle(Qt::RoundCap);
    QPainterPath camino(linea.p1());
    camino.lineTo(linea.p2());
    thread_local ContornosFijos contornos;
    Leer(trazador.createStroke(camino), contornos);
    // Rows do not mix: only those in sight are worked out.
    if (!relleno.Preparar(visible, contornos))
        return Contorno::FueraDeVista;
    return relleno.Llenar(contornos) ? Contorno::Listo : Contorno::Ajeno;
}

} // namespace

bool TrazarLineaGruesa(QImage& imagen, const QRect& recorte, const QLineF& linea, double ancho, QRgb color,
                       Cobertura* guardar)
{
    if (!SeMezclaAMano(imagen, color))
        return false;
    if (guardar)
        *guardar = {};
    const Contorno contorno = Rellenar(imagen.rect(), recorte, linea, ancho);
    // The painter's own buffer, never a copy of it.
    if (contorno == Contorno::Listo)
        relleno.Pintar(const_cast<uchar*>(imagen.constBits()), imagen.bytesPerLine(), color, guardar);
    return contorno != Contorno::Ajeno;
}

bool CubrirLineaGruesa(const QRect& imagen, const QRect& recorte, const QLineF& linea, double ancho,
                       Cobertura& cobertura)
{
    cobertura = {};
    const Contorno contorno = Rellenar(imagen, recorte, linea, ancho);
    if (contorno == Contorno::Listo)
        relleno.Guardar(cobertura);
    return contorno != Contorno::Ajeno;
}

void RepetirLineaGruesa(QImage& imagen, const Cobertura& cobertura, QRgb color)
{
    cobertura.Mezclar(const_cast<uchar*>(imagen.constBits()), imagen.bytesPerLine(), color);
}
