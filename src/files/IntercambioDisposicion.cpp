// Where an imported graph's vertices go: the file's drawing fitted to the
// work area, or, when the file has none, igraph's force-directed layout
// spread over it with room between the circles.
#include <QPoint>
#include <algorithm>
#include <cmath>
#include <igraph/igraph.h>
#include <limits>

#include "files/IntercambioLeido.h"

namespace {

// As AjustarPosiciones keeps the drawing away from the right and bottom
// edges, and the same on the other two so that no circle is cut off.
constexpr double Margen = 540;
// The drawing's vertex circle has a radius of 110 twips: centres closer than
// this overlap.
constexpr double Diametro = 220;
// What the layout aims for, so that a weight or an arrow head fits between
// two circles; only the diameter is insisted on.
constexpr double Holgura = 2 * Diametro;
// Positions are 16-bit.
constexpr int LadoMaximo = std::numeric_limits<std::int16_t>::max();
// The same layout for the same file.
constexpr igraph_uint_t Semilla = 20240601;

struct Caja {
    double x0, y0, ancho, alto;
};

Caja CajaDe(QSize area)
{
    const double ancho = std::min(area.width(), LadoMaximo), alto = std::min(area.height(), LadoMaximo);
    const auto tramo = [](double lado) { return std::max(0.0, lado - 2 * Margen); };
    // Too small for its margins: everything on the middle line.
    return {tramo(ancho) > 0 ? Margen : ancho / 2, tramo(alto) > 0 ? Margen : alto / 2, tramo(ancho), tramo(alto)};
}

struct Extension {
    double menorX, menorY, anchoX, altoY;
};

Extension ExtensionDe(const std::vector<QPointF>& puntos)
{
    double menorX = puntos[0].x(), mayorX = menorX, menorY = puntos[0].y(), mayorY = menorY;
    for (const QPointF& p : puntos) {
        menorX = std::min(menorX, p.x());
        mayorX = std::max(mayorX, p.x());
        menorY = std::min(menorY, p.y());
        mayorY = std::max(mayorY, p.y());
    }
    return {menorX, menorY, mayorX - menorX, mayorY - menorY};
}

// Scaled (one factor when `uniforme`, one per axis otherwise) and moved into
// the box, centred along an axis the box has room to spare in. An axis on
// which every point is the same sets no factor; with neither, the points go
// to the middle.
std::vector<QPointF> Encajar(const std::vector<QPointF>& puntos, const Caja& caja, bool uniforme)
{
    const Extension e = ExtensionDe(puntos);
    const double inf = std::numeric_limits<double>::infinity();
    double fx = e.anchoX > 0 ? caja.ancho / e.anchoX : inf;
    double fy = e.altoY > 0 ? caja.alto / e.altoY : inf;
    if (uniforme)
        fx = fy = std::min(fx, fy);
    fx = std::isfinite(fx) ? fx : 0;
    fy = std::isfinite(fy) ? fy : 0;
    std::vector<QPointF> dentro;
    for (const QPointF& p : puntos)
        dentro.emplace_back(caja.x0 + (caja.ancho - e.anchoX * fx) / 2 + (p.x() - e.menorX) * fx,
                            caja.y0 + (caja.alto - e.altoY * fy) / 2 + (p.y() - e.menorY) * fy);
    return dentro;
}

bool Dentro(const QPointF& p, const Caja& caja)
{
    return p.x() >= caja.x0 && p.x() <= caja.x0 + caja.ancho && p.y() >= caja.y0 && p.y() <= caja.y0 + caja.alto;
}

QPointF AlaCaja(const QPointF& p, const Caja& caja)
{
    return {std::clamp(p.x(), caja.x0, caja.x0 + caja.ancho), std::clamp(p.y(), caja.y0, caja.y0 + caja.alto)};
}

double MenorDistancia(const std::vector<QPointF>& puntos)
{
    double menor = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < puntos.size(); ++i)
        for (std::size_t j = i + 1; j < puntos.size(); ++j)
            menor = std::min(menor, std::hypot(puntos[i].x() - puntos[j].x(), puntos[i].y() - puntos[j].y()));
    return menor;
}

// Pushes apart, half the shortfall each, every two points closer than
// Holgura, staying in the box; a number of rounds, not until done, since a
// crowded box may never get there.
void Separar(std::vector<QPointF>& puntos, const Caja& caja)
{
    for (int ronda = 0; ronda < 200; ++ronda) {
        bool movido = false;
        for (std::size_t i = 0; i < puntos.size(); ++i)
            for (std::size_t j = i + 1; j < puntos.size(); ++j) {
                QPointF d = puntos[j] - puntos[i];
                double largo = std::hypot(d.x(), d.y());
                if (largo >= Holgura)
                    continue;
                if (largo < 1e-9) { // one on the other: apart along a direction of their own
                    const double angulo = double(i * 7 + j * 13);
                    d = QPointF(std::cos(angulo), std::sin(angulo));
                    largo = 1;
                }
                const QPointF paso = d * ((Holgura - largo) / 2 / largo);
                puntos[i] = AlaCaja(puntos[i] - paso, caja);
                puntos[j] = AlaCaja(puntos[j] + paso, caja);
                movido = true;
            }
        if (!movido)
            return;
    }
}

// Rows and columns as square as the box allows: the widest spacing n points
// can have in it on a grid.
std::vector<QPointF> Rejilla(int n, const Caja& caja)
{
    int columnas = 1;
    double mejor = -1;
    for (int c = 1; c <= n; ++c) {
        const int filas = (n + c - 1) / c;
        const double paso = std::min(c > 1 ? caja.ancho / (c - 1) : caja.ancho * 2,
                                     filas > 1 ? caja.alto / (filas - 1) : caja.alto * 2);
        if (paso > mejor) {
            mejor = paso;
            columnas = c;
        }
    }
    const int filas = (n + columnas - 1) / columnas;
    std::vector<QPointF> puntos;
    for (int v = 0; v < n; ++v) {
        const int c = v % columnas, f = v / columnas;
        puntos.emplace_back(columnas > 1 ? caja.x0 + caja.ancho * c / (columnas - 1) : caja.x0 + caja.ancho / 2,
                            filas > 1 ? caja.y0 + caja.alto * f / (filas - 1) : caja.y0 + caja.alto / 2);
    }
    return puntos;
}

// Fruchterman-Reingold, which also keeps apart the pieces of a graph that is
// not connected; igraph's random start seeded the same every time.
std::vector<QPointF> Fuerzas(const GrafoLeido& leido)
{
    const int n = leido.n;
    std::vector<QPointF> puntos;
    igraph_vector_int_t extremos;
    const std::lock_guard<std::mutex> cerrojo(CerrojoBibliotecas());
    PrepararIgraph();
    if (igraph_vector_int_init(&extremos, igraph_integer_t(2 * leido.aristas.size())) != IGRAPH_SUCCESS)
        return puntos;
    for (std::size_t e = 0; e < leido.aristas.size(); ++e) {
        VECTOR(extremos)[2 * e] = leido.aristas[e].a - 1;
        VECTOR(extremos)[2 * e + 1] = leido.aristas[e].b - 1;
    }
    igraph_t g;
    igraph_matrix_t posiciones;
    const bool creado = igraph_create(&g, &extremos, n, IGRAPH_UNDIRECTED) == IGRAPH_SUCCESS;
    igraph_vector_int_destroy(&extremos);
    if (!creado)
        return puntos;
    if (igraph_matrix_init(&posiciones, 0, 0) == IGRAPH_SUCCESS) {
        igraph_rng_seed(igraph_rng_default(), Semilla);
        if (igraph_layout_fruchterman_reingold(&g, &posiciones, false, 500, std::sqrt(double(n)), IGRAPH_LAYOUT_NOGRID,
                                               nullptr, nullptr, nullptr, nullptr, nullptr) == IGRAPH_SUCCESS)
            for (int v = 0; v < n; ++v)
                puntos.emplace_back(MATRIX(posiciones, v, 0), MATRIX(posiciones, v, 1));
        igraph_matrix_destroy(&posiciones);
    }
    igraph_destroy(&g);
    return puntos;
}

std::vector<QPoint> Redondear(const std::vector<QPointF>& puntos)
{
    std::vector<QPoint> enteros;
    for (const QPointF& p : puntos)
        enteros.push_back(p.toPoint());
    return enteros;
}

} // namespace

std::vector<QPoint> Disponer(const GrafoLeido& leido, QSize areaTrabajo)
{
    const Caja caja = CajaDe(areaTrabajo);
    if (leido.n == 0)
        return {};
    // Every vertex on one point is no drawing to keep.
    if (const auto& propias = leido.posiciones; propias && int(propias->size()) == leido.n) {
        // Coordinates far enough apart to overflow a double have no scale.
        const Extension e = ExtensionDe(*propias);
        const bool medible = std::isfinite(e.anchoX) && std::isfinite(e.altoY);
        if (medible && (leido.n == 1 || e.anchoX > 0 || e.altoY > 0))
            return Redondear(Encajar(*propias, caja, true));
    }
    std::vector<QPointF> puntos = Fuerzas(leido);
    if (int(puntos.size()) != leido.n)
        return Redondear(Rejilla(leido.n, caja));
    puntos = Encajar(puntos, caja, false);
    Separar(puntos, caja);
    if (MenorDistancia(puntos) < Diametro + 2 ||
        !std::all_of(puntos.begin(), puntos.end(), [&](const QPointF& p) { return Dentro(p, caja); }))
        return Redondear(Rejilla(leido.n, caja));
    return Redondear(puntos);
}
