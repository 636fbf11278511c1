// A main window whose person answers the step-by-step dialog, a recording
// work area, and what the route algorithms leave: the trace as pieces, the
// edges drawn thick in a colour, the colour each vertex was last drawn in.
#pragma once

#include <gtest/gtest.h>

#include <set>

#include "algorithms/MundoConectividad.h"

struct MundoRecorrido : ::testing::Test {
    using Aristas = std::set<std::pair<int, int>>;
    PersonaEjecucion persona;
    Principal p{persona};
    LienzoGrabador lienzo;
    const QColor negro{Qt::black};

    MundoRecorrido() { p.PonerSuperficie(&lienzo); }

    void Poner(int tipo, int n, const std::vector<std::tuple<int, int, int>>& aristas)
    {
        PonerGrafo(p, tipo, n, aristas);
        lienzo.Olvidar();
    }
    QColor Color(int k) { return p.dibujo().Color(k); }
    std::vector<Pieza> Piezas() { return ::Piezas(p.trazaPanel()); }

    // The vertex whose circle edge a line ends on.
    int VerticeEn(QPointF punto) const
    {
        for (int v = 1; v <= p.grafo().dimen(); ++v)
            if (std::hypot(punto.x() - p.grafo().Posic_CoordX(v), punto.y() - p.grafo().Posic_CoordY(v)) <
                150)
                return v;
        return 0;
    }
    // The edges drawn with this colour and width, by their ends in the
    // direction drawn (an arrowhead's side ends on one vertex only).
    Aristas Dibujadas(const QColor& color, int ancho = 2) const
    {
        Aristas aristas;
        for (const Primitiva& l : lienzo.Lineas())
            if (l.color == color && l.ancho == ancho && VerticeEn(l.a) && VerticeEn(l.b))
                aristas.emplace(VerticeEn(l.a), VerticeEn(l.b));
        return aristas;
    }
    QColor ColorVertice(int v) const { return ::ColorVertice(lienzo, v); }
};
