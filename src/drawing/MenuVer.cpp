#include "drawing/MenuVer.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "costuras/Interaccion.h"
#include "model/Grafo.h"

namespace {

struct Punto {
    double x = 0;
    double y = 0;
};

Punto PosicionDe(const Grafo& grafo, int v)
{
    return {static_cast<double>(grafo.Posic_CoordX(v)), static_cast<double>(grafo.Posic_CoordY(v))};
}

// A turned vertex must keep this far from every edge of the area.
constexpr double MargenGiro = 270;

void Terminar(const EfectosVer& efectos)
{
    if (efectos.redibujar)
        efectos.redibujar();
    if (efectos.marcarModificado)
        efectos.marcarModificado();
}

// Moves every vertex to mover(its position), rounded to the nearest.
template <typename F> void MoverTodos(Grafo& grafo, F mover)
{
    for (int v = 1; v <= grafo.dimen(); ++v) {
        const Punto p = mover(PosicionDe(grafo, v));
        grafo.InsertarPosicionX(v, ACoordenada(p.x));
        grafo.InsertarPosicionY(v, ACoordenada(p.y));
    }
}

Punto CentroDeGravedad(const Grafo& grafo)
{
    Punto suma;
    const int n = grafo.dimen();
    for (int v = 1; v <= n; ++v) {
        const Punto p = PosicionDe(grafo, v);
        suma.x += p.x;
        suma.y += p.y;
    }
    return {suma.x / n, suma.y / n};
}

// The turned position of p about c. The vertical offset and the new y are
// rounded at once; the new x only when stored.
Punto Girado(Punto c, Punto p, std::int16_t angulo)
{
    const double a = c.x - p.x;
    const double b = std::nearbyint(c.y - p.y);
    switch (angulo) {
    case 90: return {c.x + b, std::nearbyint(c.y - a)};
    case 180: return {c.x + a, std::nearbyint(c.y + b)};
    default: return {c.x - b, std::nearbyint(c.y + a)};
    }
}

bool DentroParaGiro(Punto p, DimensionesArea area)
{
    return p.x >= MargenGiro && p.x <= area.ancho - MargenGiro && p.y >= MargenGiro && p.y <= area.alto - MargenGiro;
}

} // namespace

void Centrar(Grafo& grafo, DimensionesArea area, const EfectosVer& efectos)
{
    // Starting from the area's far sides, not the first vertex: a drawing lying
    // wholly beyond the area is measured against the area's own edge.
    Punto minimo{area.ancho, area.alto};
    Punto maximo{0, 0};
    for (int v = 1; v <= grafo.dimen(); ++v) {
        const Punto p = PosicionDe(grafo, v);
        minimo = {std::min(minimo.x, p.x), std::min(minimo.y, p.y)};
        maximo = {std::max(maximo.x, p.x), std::max(maximo.y, p.y)};
    }
    const double cx = (minimo.x + maximo.x) / 2;
    const double cy = std::nearbyint((minimo.y + maximo.y) / 2);
    const Punto d{area.ancho / 2 - cx, area.alto / 2 - cy};
    MoverTodos(grafo, [d](Punto p) { return Punto{p.x + d.x, p.y + d.y}; });
    Terminar(efectos);
}

void VoltearHorizontal(Grafo& grafo, DimensionesArea area, const EfectosVer& efectos)
{
    MoverTodos(grafo, [area](Punto p) { return Punto{area.ancho - p.x, p.y}; });
    Terminar(efectos);
}

void VoltearVertical(Grafo& grafo, DimensionesArea area, const EfectosVer& efectos)
{
    MoverTodos(grafo, [area](Punto p) { return Punto{p.x, area.alto - p.y}; });
    Terminar(efectos);
}

std::int16_t Girar(Grafo& grafo, DimensionesArea area, std::int16_t angulo, Interaccion& interaccion,
                   const EfectosVer& efectos)
{
    const int n = grafo.dimen();
    if (n < 1 || (angulo != 90 && angulo != 180 && angulo != 270))
        return 1;
    const Punto centro = CentroDeGravedad(grafo);
    std::array<Punto, Grafo::Limite + 1> nuevas{};
    for (int v = 1; v <= n; ++v) {
        nuevas[v] = Girado(centro, PosicionDe(grafo, v), angulo);
        if (!DentroParaGiro(nuevas[v], area)) {
            interaccion.Mensaje(QStringLiteral("Imposible mostrar el giro; el grafo sobrepasa "
                                               "las dimensiones de la pantalla"),
                                QStringLiteral("ERROR"), Icono::Critico, Botones::Aceptar);
            return 1;
        }
    }
    for (int v = 1; v <= n; ++v) {
        grafo.InsertarPosicionX(v, ACoordenada(nuevas[v].x));
        grafo.InsertarPosicionY(v, ACoordenada(nuevas[v].y));
    }
    Terminar(efectos);
    return 0;
}
