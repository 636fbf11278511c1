// A main window whose person continues at every pause, a recording work area, a graph put straight into
// its record, and what the runs leave: trace pieces, thick lines, each vertex's last colour.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

#include "model/Controles.h"
#include "run/Algoritmo.h"
#include "support/EjecucionPrueba.h"
#include "support/EscenaDibujo.h"
#include "support/LienzoGrabador.h"
#include "ui/Principal.h"

using AristasPeso = std::vector<std::tuple<int, int, int>>;

// A fresh graph of this type in the window's record, as New leaves it: n
// vertices on a circle and these edges (a, b, weight), arcs for the
// directed types.
inline void PonerGrafo(Principal& p, int tipo, int n, const AristasPeso& aristas)
{
    p.grafo().InsertarTipo(NombreTipo(tipo));
    p.Vista().combo1 = tipo;
    p.Iniciar_trabajo();
    std::vector<QPoint> circulo;
    for (int v = 1; v <= n; ++v)
        circulo.emplace_back(int(4500 + 2500 * std::cos(0.3 * v)), int(3000 + 2500 * std::sin(0.3 * v)));
    std::vector<AristaEscena> escena;
    for (auto [a, b, peso] : aristas)
        escena.push_back({a, b, static_cast<std::int16_t>(peso)});
    PonerGrafo(p.grafo(), NombreTipo(tipo), circulo, escena);
}

// Seeded random edges on n vertices of this type: a random tree first when
// connected, then any other pair (arc) with this probability; weights from
// 1 to pesoMaximo on the weighted types.
inline AristasPeso AristasAlAzar(std::mt19937& azar, int tipo, int n, double densidad, bool conexo,
                                 int pesoMaximo = 1)
{
    std::bernoulli_distribution otra(std::min(1.0, densidad));
    auto peso = [&] { return EsPonderado(tipo) ? std::uniform_int_distribution(1, pesoMaximo)(azar) : 1; };
    AristasPeso aristas;
    std::set<std::pair<int, int>> puestas;
    for (int v = 2; conexo && v <= n; ++v) {
        const int u = std::uniform_int_distribution(1, v - 1)(azar);
        aristas.emplace_back(u, v, peso());
        puestas.emplace(u, v);
    }
    for (int a = 1; a <= n; ++a)
        for (int b = EsDirigido(tipo) ? 1 : a + 1; b <= n; ++b)
            if (a != b && !puestas.count({a, b}) && otra(azar))
                aristas.emplace_back(a, b, peso());
    return aristas;
}

struct MundoConectividad {
    using Trazos = std::set<std::pair<int, int>>;
    PersonaEjecucion persona;
    Principal p{persona};
    LienzoGrabador lienzo;
    const QColor negro{Qt::black};

    MundoConectividad() { p.PonerSuperficie(&lienzo); }

    // n vertices on a circle and these edges (a, b, weight), arcs for the
    // directed types.
    void PonerPesos(int tipo, int n, const AristasPeso& aristas)
    {
        PonerGrafo(p, tipo, n, aristas);
        lienzo.Olvidar();
    }
    // The same, every weight 1.
    void Poner(int tipo, int n, const std::vector<std::pair<int, int>>& aristas)
    {
        std::vector<std::tuple<int, int, int>> conPeso;
        for (auto [a, b] : aristas)
            conPeso.emplace_back(a, b, 1);
        PonerPesos(tipo, n, conPeso);
    }

    Contexto Ctx() { return {p.grafo(), p.dibujo(), p.Marco(), p.Persona()}; }
    QColor Color(int k) { return p.dibujo().Color(k); }

    // The algorithm's pieces (the end prompt is no counted run).
    std::vector<Pieza> Piezas() { return ::Piezas(p.trazaPanel()); }
    // The colour of vertex v's number (" v") when last drawn.
    QColor ColorVertice(int v) const
    {
        QColor color;
        for (const Primitiva& t : lienzo.Textos())
            if (t.texto == u' ' + QString::number(v))
                color = t.color;
        return color;
    }
    long LineasResaltadas(const QColor& color) const
    {
        const auto lineas = lienzo.Lineas();
        return std::count_if(lineas.begin(), lineas.end(),
                             [&](const Primitiva& l) { return l.color == color && l.ancho == 2; });
    }
    // The vertex whose circle edge a line ends on.
    int VerticeEn(QPointF punto) const
    {
        const Grafo& g = p.grafo();
        for (int v = 1; v <= g.dimen(); ++v)
            if (std::hypot(punto.x() - g.Posic_CoordX(v), punto.y() - g.Posic_CoordY(v)) < 150)
                return v;
        return 0;
    }
    // The edges drawn with this colour and width, by their ends in the
    // direction drawn (an arrowhead's side ends on one vertex only).
    Trazos Dibujadas(const QColor& color, int ancho = 2) const
    {
        Trazos aristas;
        for (const Primitiva& l : lienzo.Lineas())
            if (l.color == color && l.ancho == ancho && VerticeEn(l.a) && VerticeEn(l.b))
                aristas.emplace(VerticeEn(l.a), VerticeEn(l.b));
        return aristas;
    }
    // Ended as a menu run ends: Aceptar shown, DesdeMenu cleared, width 1.
    bool Finalizada() { return p.Vista().aceptarVisible && !p.Marco().DesdeMenu && lienzo.AnchoLinea() == 1; }
};

// The same world as a test fixture.
struct MundoRecorrido : MundoConectividad, ::testing::Test {};
