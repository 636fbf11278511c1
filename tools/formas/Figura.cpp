#include "Figura.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

double Cruz(QPointF o, QPointF a, QPointF b)
{
    return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
}

bool SeCortan(QPointF p1, QPointF p2, QPointF q1, QPointF q2)
{
    const double d1 = Cruz(q1, q2, p1), d2 = Cruz(q1, q2, p2);
    const double d3 = Cruz(p1, p2, q1), d4 = Cruz(p1, p2, q2);
    return ((d1 > 0) != (d2 > 0)) && ((d3 > 0) != (d4 > 0)) && d1 != 0 && d2 != 0 && d3 != 0 && d4 != 0;
}

double DistanciaASegmento(QPointF p, QPointF a, QPointF b)
{
    const QPointF ab = b - a;
    const double largo2 = QPointF::dotProduct(ab, ab);
    const double t = largo2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / largo2, 0.0, 1.0) : 0.0;
    const QPointF d = p - (a + t * ab);
    return std::hypot(d.x(), d.y());
}

} // namespace

std::vector<int> Figura::Grados() const
{
    std::vector<int> g(n, 0);
    for (auto [a, b] : aristas) {
        ++g[a];
        ++g[b];
    }
    return g;
}

int Cruces(const Figura& f)
{
    int cruces = 0;
    for (std::size_t i = 0; i < f.aristas.size(); ++i)
        for (std::size_t j = i + 1; j < f.aristas.size(); ++j) {
            const auto [a, b] = f.aristas[i];
            const auto [c, d] = f.aristas[j];
            if (a != c && a != d && b != c && b != d &&
                SeCortan(f.posiciones[a], f.posiciones[b], f.posiciones[c], f.posiciones[d]))
                ++cruces;
        }
    return cruces;
}

double SeparacionVertices(const Figura& f)
{
    double menor = std::numeric_limits<double>::max();
    for (int i = 0; i < f.n; ++i)
        for (int j = i + 1; j < f.n; ++j) {
            const QPointF d = f.posiciones[i] - f.posiciones[j];
            menor = std::min(menor, std::hypot(d.x(), d.y()));
        }
    return menor;
}

double HolguraAristas(const Figura& f)
{
    double menor = std::numeric_limits<double>::max();
    for (int v = 0; v < f.n; ++v)
        for (auto [a, b] : f.aristas)
            if (v != a && v != b)
                menor =
                    std::min(menor, DistanciaASegmento(f.posiciones[v], f.posiciones[a], f.posiciones[b]));
    return menor;
}

void Encajar(Figura& f, double cx, double cy, double ax, double ay)
{
    double x0 = 1e300, x1 = -1e300, y0 = 1e300, y1 = -1e300;
    for (const QPointF& p : f.posiciones) {
        x0 = std::min(x0, p.x());
        x1 = std::max(x1, p.x());
        y0 = std::min(y0, p.y());
        y1 = std::max(y1, p.y());
    }
    const double escala = std::min(2 * ax / std::max(x1 - x0, 1e-9), 2 * ay / std::max(y1 - y0, 1e-9));
    const QPointF medio((x0 + x1) / 2, (y0 + y1) / 2);
    for (QPointF& p : f.posiciones)
        p = QPointF(cx, cy) + (p - medio) * escala;
}
