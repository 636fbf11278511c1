#include <QtMath>
#include <algorithm>
#include <array>
#include <cmath>

#include "Formas.h"

namespace {

using Vec = std::array<double, 3>;
const double Phi = (1 + std::sqrt(5.0)) / 2;

// Centre and half-sides of the box the drawings fill in a 9000 x 6000 area.
constexpr double CentroX = 4500, CentroY = 3000, MedioAncho = 3600, MedioAlto = 2550;

double Punto(const Vec& a, const Vec& b)
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}
Vec Normal(Vec v)
{
    const double l = std::sqrt(Punto(v, v));
    return {v[0] / l, v[1] / l, v[2] / l};
}
Vec Vectorial(const Vec& a, const Vec& b)
{
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

// Turns v about the unit axis by `angulo` radians (Rodrigues).
Vec Girar(const Vec& v, const Vec& eje, double angulo)
{
    const double c = std::cos(angulo), s = std::sin(angulo), k = Punto(eje, v) * (1 - c);
    const Vec x = Vectorial(eje, v);
    return {v[0] * c + x[0] * s + eje[0] * k, v[1] * c + x[1] * s + eje[1] * k,
            v[2] * c + x[2] * s + eje[2] * k};
}

// Turns every point so that `hacia` points along +z, the viewer's side.
void Orientar(std::vector<Vec>& puntos, Vec hacia)
{
    hacia = Normal(hacia);
    const Vec z{0, 0, 1};
    const Vec eje = Vectorial(hacia, z);
    const double seno = std::sqrt(Punto(eje, eje));
    if (seno < 1e-12)
        return;
    const double angulo = std::atan2(seno, Punto(hacia, z));
    for (Vec& p : puntos)
        p = Girar(p, Normal(eje), angulo);
}

struct Solido {
    std::vector<Vec> vertices;
    std::vector<std::pair<int, int>> aristas; // pairs at the shortest distance
    Vec caraCercana;                          // the centre of one face
};

void UnirMasCercanos(Solido& s)
{
    double menor = 1e300;
    for (std::size_t i = 0; i < s.vertices.size(); ++i)
        for (std::size_t j = i + 1; j < s.vertices.size(); ++j) {
            const Vec d{s.vertices[i][0] - s.vertices[j][0], s.vertices[i][1] - s.vertices[j][1],
                        s.vertices[i][2] - s.vertices[j][2]};
            menor = std::min(menor, Punto(d, d));
        }
    for (std::size_t i = 0; i < s.vertices.size(); ++i)
        for (std::size_t j = i + 1; j < s.vertices.size(); ++j) {
            const Vec d{s.vertices[i][0] - s.vertices[j][0], s.vertices[i][1] - s.vertices[j][1],
                        s.vertices[i][2] - s.vertices[j][2]};
            if (Punto(d, d) < menor * 1.001)
                s.aristas.emplace_back(int(i), int(j));
        }
}

// Every sign choice of (a, b, c) with a zero kept zero, in the three cyclic
// orders of the coordinates.
void Ciclicos(std::vector<Vec>& v, double a, double b, double c)
{
    for (int sa : {-1, 1})
        for (int sb : {-1, 1})
            for (int sc : {-1, 1}) {
                if ((a == 0 && sa < 0) || (b == 0 && sb < 0) || (c == 0 && sc < 0))
                    continue;
                const Vec p{sa * a, sb * b, sc * c};
                v.push_back(p);
                v.push_back({p[1], p[2], p[0]});
                v.push_back({p[2], p[0], p[1]});
            }
}

Solido SolidoDodecaedro()
{
    Solido s;
    for (int x : {-1, 1})
        for (int y : {-1, 1})
            for (int z : {-1, 1})
                s.vertices.push_back({double(x), double(y), double(z)});
    Ciclicos(s.vertices, 0, 1 / Phi, Phi);
    s.caraCercana = {0, Phi, 1}; // the centre of a face
    UnirMasCercanos(s);
    return s;
}

Solido SolidoIcosaedro()
{
    Solido s;
    Ciclicos(s.vertices, 0, 1, Phi);
    s.caraCercana = {1, 1, 1}; // and these at the dodecahedron's
    UnirMasCercanos(s);
    return s;
}

double AnguloEnPantalla(const Vec& p)
{
    return std::atan2(p[1], p[0]);
}

// The layer of every vertex by its height, 0 for the highest.
std::vector<int> Capas(const std::vector<Vec>& vertices)
{
    std::vector<double> alturas;
    for (const Vec& p : vertices)
        if (std::none_of(alturas.begin(), alturas.end(), [&](double z) { return std::abs(z - p[2]) < 1e-6; }))
            alturas.push_back(p[2]);
    std::sort(alturas.rbegin(), alturas.rend());
    std::vector<int> capa;
    for (const Vec& p : vertices)
        capa.push_back(int(std::find_if(alturas.begin(), alturas.end(),
                                        [&](double z) { return std::abs(z - p[2]) < 1e-6; }) -
                           alturas.begin()));
    return capa;
}

// Numbers the vertices layer by layer from the face nearest the viewer, each
// layer clockwise on the screen from straight above; turns the solid about
// the viewing axis first so that the near face has a vertex at the top.
Solido Numerado(Solido s)
{
    Orientar(s.vertices, s.caraCercana);
    const double zMax =
        std::max_element(s.vertices.begin(), s.vertices.end(), [](const Vec& a, const Vec& b) {
            return a[2] < b[2];
        })->at(2);
    const auto arriba =
        std::find_if(s.vertices.begin(), s.vertices.end(), [&](const Vec& p) { return p[2] > zMax - 1e-9; });
    const double giro = -M_PI / 2 - AnguloEnPantalla(*arriba);
    for (Vec& p : s.vertices)
        p = Girar(p, {0, 0, 1}, giro);
    std::vector<int> orden(s.vertices.size());
    for (std::size_t i = 0; i < orden.size(); ++i)
        orden[i] = int(i);
    const std::vector<int> capa = Capas(s.vertices);
    auto clave = [&](int i) {
        const double a = std::fmod(AnguloEnPantalla(s.vertices[i]) + M_PI / 2 + 4 * M_PI + 1e-9, 2 * M_PI);
        return std::pair(capa[i], a);
    };
    std::sort(orden.begin(), orden.end(), [&](int a, int b) { return clave(a) < clave(b); });
    std::vector<int> numero(orden.size());
    Solido r;
    for (std::size_t k = 0; k < orden.size(); ++k) {
        numero[orden[k]] = int(k);
        r.vertices.push_back(s.vertices[orden[k]]);
    }
    for (auto [a, b] : s.aristas)
        r.aristas.emplace_back(std::min(numero[a], numero[b]), std::max(numero[a], numero[b]));
    std::sort(r.aristas.begin(), r.aristas.end());
    return r;
}

Figura Esqueleto(const Solido& s)
{
    Figura f;
    f.n = int(s.vertices.size());
    f.aristas = s.aristas;
    f.posiciones.assign(f.n, QPointF());
    return f;
}

// The planar drawing: each layer of the numbered solid on its own circle at
// the angle the vertex has seen from the near face, the near face outside.
Figura Anidado(const Solido& s, const std::vector<double>& radios)
{
    Figura f = Esqueleto(s);
    const std::vector<int> capa = Capas(s.vertices);
    for (int v = 0; v < f.n; ++v) {
        const double r = radios[std::size_t(capa[v])];
        const double a = AnguloEnPantalla(s.vertices[v]);
        f.posiciones[v] = QPointF(r * std::cos(a), r * std::sin(a));
    }
    Encajar(f, CentroX, CentroY, MedioAncho, MedioAlto);
    return f;
}

// The solid seen in perspective from a viewer `distancia` radii away in the
// direction `hacia`, then tipped by (inclinacionX, inclinacionY) degrees so
// that no vertex hides behind another.
Figura Perspectiva(const Solido& s, Vec hacia, double inclinacionX, double inclinacionY, double distancia)
{
    Figura f = Esqueleto(s);
    std::vector<Vec> puntos = s.vertices;
    Orientar(puntos, hacia);
    const double radio = std::sqrt(Punto(puntos[0], puntos[0]));
    for (int v = 0; v < f.n; ++v) {
        const Vec p = Girar(Girar(puntos[v], {1, 0, 0}, qDegreesToRadians(inclinacionX)), {0, 1, 0},
                            qDegreesToRadians(inclinacionY));
        const double escala = distancia * radio / (distancia * radio - p[2]);
        f.posiciones[v] = QPointF(p[0] * escala, p[1] * escala);
    }
    Encajar(f, CentroX, CentroY, MedioAncho, MedioAlto);
    return f;
}

} // namespace

Figura Dodecaedro(bool plano)
{
    const Solido s = Numerado(SolidoDodecaedro());
    // Outside: the near face; in perspective, the near face seen square on.
    return plano ? Anidado(s, {2550, 1650, 1250, 600}) : Perspectiva(s, {0, 0, 1}, 0, 0, 4);
}

Figura Icosaedro(bool plano)
{
    const Solido s = Numerado(SolidoIcosaedro());
    // In perspective: seen along vertex 1's axis, tipped so that the vertex
    // opposite it shows below it.
    return plano ? Anidado(s, {2600, 900, 1250, 450}) : Perspectiva(s, s.vertices[0], 14, 0, 6);
}
