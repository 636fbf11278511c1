// A main window whose person continues at every pause, a recording work
// area, a graph put straight into its record, and what the runs leave: the
// trace as pieces (text, bold, colour), the lines drawn thick, the colour
// each vertex was last drawn in.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

#include "model/Controles.h"
#include "run/Algoritmo.h"
#include "support/EjecucionPrueba.h"
#include "support/LienzoGrabador.h"
#include "ui/Principal.h"

// A fresh graph of this type in the window's record, as New leaves it: n
// vertices on a circle and these edges (a, b, weight), arcs for the
// directed types.
inline void PonerGrafo(Principal& p, int tipo, int n, const std::vector<std::tuple<int, int, int>>& aristas)
{
    Grafo& g = p.grafo();
    g.InsertarTipo(NombreTipo(tipo));
    p.Vista().combo1 = tipo;
    p.Iniciar_trabajo();
    for (int a = 1; a <= Grafo::Limite; ++a)
        for (int b = 1; b <= Grafo::Limite; ++b)
            g.InsertarMatriz(a, b, 0);
    g.Insertar_Dimension(static_cast<std::int16_t>(n), false);
    for (int v = 1; v <= Grafo::Limite; ++v) {
        g.InsertarPosicionX(v, v > n ? 0 : static_cast<std::int16_t>(4500 + 2500 * std::cos(0.3 * v)));
        g.InsertarPosicionY(v, v > n ? 0 : static_cast<std::int16_t>(3000 + 2500 * std::sin(0.3 * v)));
    }
    for (auto [a, b, peso] : aristas) {
        g.InsertarMatriz(a, b, static_cast<std::int16_t>(peso));
        if (!g.Dirigido())
            g.InsertarMatriz(b, a, static_cast<std::int16_t>(peso));
    }
    g.InsertarNumAristas(static_cast<std::int16_t>(aristas.size()));
}

// The colour of vertex v's number (" v") when last drawn.
inline QColor ColorVertice(const LienzoGrabador& lienzo, int v)
{
    QColor color;
    for (const Primitiva& t : lienzo.Textos())
        if (t.texto == u' ' + QString::number(v))
            color = t.color;
    return color;
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
    void PonerPesos(int tipo, int n, const std::vector<std::tuple<int, int, int>>& aristas)
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
    QColor ColorVertice(int v) const { return ::ColorVertice(lienzo, v); }
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
