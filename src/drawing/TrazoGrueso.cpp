#include "drawing/TrazoGrueso.h"

#include <QImage>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

// The filler works in 24.8 fixed point on coordinates first rounded to
// 26.6, and flattens curves until they stray less than this from the true
// ones (in pixels, on an untransformed painter). Every figure and every
// rounding below is the painter's: a different one moves some pixel's grey
// by a step.
constexpr int BitsPixel = 8;
constexpr long UnPixel = 1L << BitsPixel;
constexpr double Planitud = 0.25;

constexpr long Entero(long v) { return v >> BitsPixel; }
constexpr long Fraccion(long v) { return v & (UnPixel - 1); }

// Quotient rounded down, remainder never negative.
void DividirAbajo(long dividendo, long divisor, long& cociente, long& resto)
{
    cociente = dividendo / divisor;
    resto = dividendo % divisor;
    if (resto < 0) {
        --cociente;
        resto += divisor;
    }
}

struct Fijo {
    long x, y;
};

Fijo AFijo(QPointF p)
{
    return {long(qRound(p.x() * 64)) << (BitsPixel - 6), long(qRound(p.y() * 64)) << (BitsPixel - 6)};
}

struct Bezier {
    double x1, y1, x2, y2, x3, y3, x4, y4;
};

// De Casteljau at the middle, with the painter's order of operations.
void Partir(const Bezier& b, Bezier& primera, Bezier& segunda)
{
    const auto mitad = [](double b1, double b2, double b3, double b4, double& p1, double& p2,
                          double& p3, double& p4, double& s1, double& s2, double& s3, double& s4) {
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
        desvio = std::abs(dx * (c.y1 - c.y2) - dy * (c.x1 - c.x2)) +
                 std::abs(dx * (c.y1 - c.y3) - dy * (c.x1 - c.x3));
    } else {
        desvio = std::abs(c.x1 - c.x2) + std::abs(c.y1 - c.y2) + std::abs(c.x1 - c.x3) +
                 std::abs(c.y1 - c.y3);
        largo = 1.;
    }
    return desvio < Planitud * largo;
}

// Appends the ends of the straight pieces the curve is cut into, at most
// nine halvings deep, first half first.
void Aplanar(const Bezier& curva, std::vector<Fijo>& puntos)
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

// The stroke's outline, flattened: closed contours one after another, kept
// from one line to the next so that drawing a line allocates nothing.
struct Contornos {
    std::vector<Fijo> puntos;
    std::vector<std::size_t> finales; // one past each contour's last point

    void Leer(const QPainterPath& trazo)
    {
        puntos.clear();
        finales.clear();
        QPointF ultimo;
        for (int i = 0; i < trazo.elementCount(); ++i) {
            const QPainterPath::Element e = trazo.elementAt(i);
            if (e.isMoveTo()) {
                Cerrar();
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
        Cerrar();
    }
    // A contour of one point encloses nothing.
    void Cerrar()
    {
        const std::size_t inicio = finales.empty() ? 0 : finales.back();
        if (puntos.size() > inicio + 1)
            finales.push_back(puntos.size());
        else
            puntos.resize(inicio);
    }
};

// Exact-area scan conversion with the non-zero rule: every pixel cell the
// outline crosses keeps the signed area and height of the crossing, and a
// sweep along each row turns them into coverage.
class Relleno {
public:
    // caja: the pixels in sight; contornos: 24.8.
    // Starts over for another outline, keeping the memory of the last one:
    // a long edge has thousands of cells, and edges come by the hundred.
    // porFila: how many cells a row may hold. False when the outline does
    // not reach the box.
    bool Preparar(const QRect& caja, const Contornos& contornos, int porFila);
    // False if some row needed more cells than it was given.
    bool Llenar(const Contornos& contornos);
    // Blends the colour into every pixel touched, by its coverage: the
    // image's rows start at bits, porLinea bytes apart.
    void Pintar(uchar* bits, qsizetype porLinea, QRgb color) const;

private:
    struct Celda {
        int x;
        int cubre;
        long area;
    };
    void Guardar();
    void Poner(long ex, long ey);
    void Empezar(long x, long y);
    void EnFila(long ey, long x1, long y1, long x2, long y2);
    void Hasta(long x, long y);

    long minX_ = 0, maxX_ = 0, minY_ = 0, maxY_ = 0, anchoCeldas_ = 0, altoCeldas_ = 0;
    // The cell being filled, relative to the box, and what it has so far.
    long ex_ = 0, ey_ = 0, area_ = 0, cubre_ = 0;
    bool fuera_ = true;
    long x_ = 0, y_ = 0; // the pen, 24.8
    // Row r owns celdas_[r * porFila_ ...], cuantas_[r] of them in use, in
    // order of x; pista_[r] is where it last looked.
    int porFila_ = 0;
    bool lleno_ = false;
    std::vector<Celda> celdas_;
    std::vector<int> cuantas_;
    std::vector<int> pista_;
};

bool Relleno::Preparar(const QRect& caja, const Contornos& contornos, int porFila)
{
    ex_ = ey_ = area_ = cubre_ = 0;
    fuera_ = true;
    lleno_ = false;
    bool primero = true;
    long x0 = 0, x1 = 0, y0 = 0, y1 = 0; // 26.6
    for (const Fijo& p : contornos.puntos) {
        const long x = p.x >> (BitsPixel - 6), y = p.y >> (BitsPixel - 6);
        if (primero || x < x0) x0 = x;
        if (primero || x > x1) x1 = x;
        if (primero || y < y0) y0 = y;
        if (primero || y > y1) y1 = y;
        primero = false;
    }
    if (primero)
        return false;
    minX_ = x0 >> 6;
    minY_ = y0 >> 6;
    maxX_ = (x1 + 63) >> 6;
    maxY_ = (y1 + 63) >> 6;
    if (maxX_ <= caja.left() || minX_ >= caja.left() + caja.width() || maxY_ <= caja.top() ||
        minY_ >= caja.top() + caja.height())
        return false;
    minX_ = std::max<long>(minX_, caja.left());
    minY_ = std::max<long>(minY_, caja.top());
    maxX_ = std::min<long>(maxX_, caja.left() + caja.width());
    maxY_ = std::min<long>(maxY_, caja.top() + caja.height());
    anchoCeldas_ = maxX_ - minX_;
    altoCeldas_ = maxY_ - minY_;
    if (anchoCeldas_ <= 0 || altoCeldas_ <= 0)
        return false;
    porFila_ = porFila;
    const std::size_t total = std::size_t(altoCeldas_) * std::size_t(porFila_);
    if (celdas_.size() < total)
        celdas_.resize(total);
    cuantas_.assign(std::size_t(altoCeldas_), 0);
    pista_.assign(std::size_t(altoCeldas_), 0);
    return true;
}

// Each row keeps its cells in order of x and remembers where it last
// looked: a side of the outline walks a row one cell after another,
// leftwards or rightwards, so the place is nearly always next to the last.
void Relleno::Guardar()
{
    if (area_ == 0 && cubre_ == 0)
        return;
    const int x = int(std::min(ex_, anchoCeldas_));
    const std::size_t fila = std::size_t(ey_);
    Celda* const celdas = &celdas_[fila * std::size_t(porFila_)];
    int& cuantas = cuantas_[fila];
    int i = std::min(pista_[fila], cuantas);
    while (i > 0 && celdas[i - 1].x >= x)
        --i;
    while (i < cuantas && celdas[i].x < x)
        ++i;
    if (i == cuantas || celdas[i].x != x) {
        if (cuantas == porFila_) {
            lleno_ = true;
            return;
        }
        for (int j = cuantas; j > i; --j) // a handful at most: no call to memmove
            celdas[j] = celdas[j - 1];
        celdas[i] = {x, 0, 0};
        ++cuantas;
    }
    pista_[fila] = i;
    celdas[i].area += area_;
    celdas[i].cubre += int(cubre_);
}

// Moves to the cell of pixel (ex, ey). Cells left of the box gather in one
// column just outside it (they still count for the rows' winding); those
// right of it, above or below, are dropped.
void Relleno::Poner(long ex, long ey)
{
    ey -= minY_;
    if (ex > maxX_)
        ex = maxX_;
    ex -= minX_;
    if (ex < 0)
        ex = -1;
    if (ex != ex_ || ey != ey_) {
        if (!fuera_)
            Guardar();
        area_ = 0;
        cubre_ = 0;
        ex_ = ex;
        ey_ = ey;
    }
    fuera_ = static_cast<unsigned long>(ey) >= static_cast<unsigned long>(altoCeldas_) || ex >= anchoCeldas_;
}

void Relleno::Empezar(long x, long y)
{
    if (!fuera_)
        Guardar();
    long ex = Entero(x);
    const long ey = Entero(y);
    if (ex > maxX_)
        ex = maxX_;
    if (ex < minX_)
        ex = minX_ - 1;
    area_ = 0;
    cubre_ = 0;
    ex_ = ex - minX_;
    ey_ = ey - minY_;
    fuera_ = false;
    Poner(ex, ey);
    x_ = x;
    y_ = y;
}

// A segment crossing the lines of one axis, one unit of that axis at a
// time: the other axis advances by a quotient rounded down and a remainder
// carried along, so the crossings fall exactly where they should.
struct Cruce {
    long primero; // the edge of the first cell the segment leaves by: 0 or UnPixel
    int paso;     // +1 or -1
    long delta;   // advance of the other axis up to that edge
    long resto;
    long largo;   // length along this axis, positive
    long otro;
    long salto = 0, sobra = 0;
    bool medido = false;

    // fraccion: where the segment starts within its cell along this axis;
    // propio, otro: its extent along this axis and the other.
    Cruce(long fraccion, long propio, long otroEje) : otro(otroEje)
    {
        long p;
        if (propio > 0) {
            p = (UnPixel - fraccion) * otro;
            primero = UnPixel;
            paso = 1;
            largo = propio;
        } else {
            p = fraccion * otro;
            primero = 0;
            paso = -1;
            largo = -propio;
        }
        DividirAbajo(p, largo, delta, resto);
    }
    // The other axis' advance over the next whole unit.
    long Siguiente()
    {
        if (!medido) {
            DividirAbajo(UnPixel * otro, largo, salto, sobra);
            medido = true;
        }
        long d = salto;
        resto += sobra;
        if (resto >= largo) {
            resto -= largo;
            ++d;
        }
        return d;
    }
};

// The part of a segment within pixel row ey, from (x1, y1) to (x2, y2) with
// y1 and y2 inside the row.
void Relleno::EnFila(long ey, long x1, long y1, long x2, long y2)
{
    long ex1 = Entero(x1);
    const long ex2 = Entero(x2);
    if (y1 == y2) {
        Poner(ex2, ey);
        return;
    }
    long fx1 = Fraccion(x1);
    const long fx2 = Fraccion(x2);
    if (ex1 != ex2) {
        Cruce c(fx1, x2 - x1, y2 - y1);
        long delta = c.delta;
        area_ += (fx1 + c.primero) * delta;
        cubre_ += delta;
        y1 += delta;
        ex1 += c.paso;
        Poner(ex1, ey);
        while (ex1 != ex2) {
            delta = c.Siguiente();
            area_ += UnPixel * delta;
            cubre_ += delta;
            y1 += delta;
            ex1 += c.paso;
            Poner(ex1, ey);
        }
        fx1 = UnPixel - c.primero;
    }
    const long dy = y2 - y1;
    area_ += (fx1 + fx2) * dy;
    cubre_ += dy;
}

// A straight segment from the pen to (x, y), row by row.
void Relleno::Hasta(long x, long y)
{
    const long x0 = x_, y0 = y_;
    x_ = x;
    y_ = y;
    long ey1 = Entero(y0);
    const long ey2 = Entero(y);
    if ((ey1 >= maxY_ && ey2 >= maxY_) || (ey1 < minY_ && ey2 < minY_))
        return;
    const long fy1 = Fraccion(y0);
    const long fy2 = Fraccion(y);
    if (ey1 == ey2) {
        EnFila(ey1, x0, fy1, x, fy2);
        return;
    }
    Cruce c(fy1, y - y0, x - x0);
    long xa = x0 + c.delta;
    // Rows outside the box only carry the crossing point along; once the
    // segment has left the box for good, nothing of it is kept.
    const auto enCaja = [&](long fila) { return fila >= minY_ && fila < maxY_; };
    if (enCaja(ey1))
        EnFila(ey1, x0, fy1, xa, c.primero);
    ey1 += c.paso;
    Poner(Entero(xa), ey1);
    while (ey1 != ey2) {
        if (c.paso > 0 ? ey1 >= maxY_ : ey1 < minY_) {
            Poner(Entero(x), ey2);
            return;
        }
        const long xb = xa + c.Siguiente();
        if (enCaja(ey1))
            EnFila(ey1, xa, UnPixel - c.primero, xb, c.primero);
        xa = xb;
        ey1 += c.paso;
        Poner(Entero(xa), ey1);
    }
    if (enCaja(ey1))
        EnFila(ey1, xa, UnPixel - c.primero, x, fy2);
    else
        Poner(Entero(x), ey1);
}

bool Relleno::Llenar(const Contornos& contornos)
{
    std::size_t inicio = 0;
    for (const std::size_t fin : contornos.finales) {
        const Fijo& primero = contornos.puntos[inicio];
        Empezar(primero.x, primero.y);
        for (std::size_t i = inicio + 1; i < fin; ++i)
            Hasta(contornos.puntos[i].x, contornos.puntos[i].y);
        Hasta(primero.x, primero.y);
        inicio = fin;
    }
    if (!fuera_)
        Guardar();
    return !lleno_;
}

// Each 8-bit channel times a/255, rounded as the painter rounds it.
inline QRgb PorAlfa(QRgb x, unsigned a)
{
    std::uint64_t t = ((std::uint64_t(x) | (std::uint64_t(x) << 24)) & 0x00ff00ff00ff00ffULL) * a;
    t = (t + ((t >> 8) & 0x00ff00ff00ff00ffULL) + 0x0080008000800080ULL) >> 8;
    t &= 0x00ff00ff00ff00ffULL;
    return QRgb(t) | QRgb(t >> 24);
}

void Relleno::Pintar(uchar* bits, qsizetype porLinea, QRgb color) const
{
    for (long fila = 0; fila < altoCeldas_; ++fila) {
        QRgb* const linea = reinterpret_cast<QRgb*>(bits + (fila + minY_) * porLinea) + minX_;
        // A run of pixels with the same signed area (1/512 of a pixel's
        // coverage per unit), painted as the painter paints a span.
        const auto tramo = [&](long x, long largo, long area) {
            long k = area >> (BitsPixel * 2 + 1 - 8);
            if (k < 0)
                k = -k;
            if (k == 0)
                return;
            if (k >= 255) {
                std::fill(linea + x, linea + x + largo, color);
                return;
            }
            const QRgb tinta = PorAlfa(color, unsigned(k));
            const unsigned resto = 255 - unsigned(k);
            for (QRgb* p = linea + x; p != linea + x + largo; ++p)
                *p = tinta + PorAlfa(*p, resto);
        };
        long cubre = 0;
        long x = 0;
        const Celda* const celdas = &celdas_[std::size_t(fila) * std::size_t(porFila_)];
        for (int i = 0; i < cuantas_[std::size_t(fila)]; ++i) {
            const Celda& c = celdas[i];
            if (c.x > x && cubre != 0)
                tramo(x, c.x - x, cubre * (UnPixel * 2));
            cubre += c.cubre;
            const long area = cubre * (UnPixel * 2) - c.area;
            if (area != 0 && c.x >= 0)
                tramo(c.x, 1, area);
            x = c.x + 1;
        }
        if (anchoCeldas_ > x && cubre != 0)
            tramo(x, anchoCeldas_ - x, cubre * (UnPixel * 2));
    }
}

} // namespace

bool TrazarLineaGruesa(QImage& imagen, const QRect& recorte, const QLineF& linea, double ancho, QRgb color)
{
    const QImage::Format formato = imagen.format();
    // Past 32767 pixels the painter cuts the outline to the device first,
    // which moves its corners: such lines stay with it.
    constexpr double Alcance = 32000;
    const auto lejos = [&](QPointF p) { return !(std::abs(p.x()) < Alcance && std::abs(p.y()) < Alcance); };
    if ((formato != QImage::Format_RGB32 && formato != QImage::Format_ARGB32_Premultiplied) ||
        qAlpha(color) != 255 || !(ancho > 1 && ancho < 100) || lejos(linea.p1()) || lejos(linea.p2()) ||
        std::abs(linea.dx()) >= Alcance || std::abs(linea.dy()) >= Alcance || linea.length() < 0.01)
        return false;
    const QRect visible = recorte.intersected(imagen.rect());
    if (visible.isEmpty())
        return true;

    QPainterPathStroker trazador;
    trazador.setWidth(ancho);
    trazador.setCapStyle(Qt::RoundCap);
    QPainterPath camino(linea.p1());
    camino.lineTo(linea.p2());
    thread_local Contornos contornos;
    contornos.Leer(trazador.createStroke(camino));
    // Rows do not mix: only those in sight are worked out.
    // A side of the outline crosses a row in about |dx / dy| + 2 cells; the
    // rounded ends, a few more.
    const double pendiente = std::abs(linea.dx()) / std::max(std::abs(linea.dy()), 1.0);
    const int celdasPorFila = 2 * int(pendiente) + 2 * int(std::ceil(ancho)) + 16;
    const double filas = std::min<double>(visible.height(), std::abs(linea.dy()) + ancho + 2);
    if (filas * celdasPorFila > 1 << 22) // 64 MB of cells: the painter is the lesser evil
        return false;
    thread_local Relleno relleno;
    if (!relleno.Preparar(visible, contornos, celdasPorFila))
        return true;
    if (!relleno.Llenar(contornos))
        return false;

    // The painter's own buffer, never a copy of it.
    relleno.Pintar(const_cast<uchar*>(imagen.constBits()), imagen.bytesPerLine(), color);
    return true;
}

