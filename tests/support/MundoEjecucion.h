// The world of the algorithm tests: the main window's world with a person who answers the mode dialog and
// continues at every pause, a recording work area, and what the runs leave: trace pieces, thick lines, each
// vertex's last colour.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>
#include <vector>

#include "run/Algoritmo.h"
#include "support/EjecucionPrueba.h"
#include "support/LienzoGrabador.h"
#include "support/MundoPrincipal.h"

struct MundoEjecucion : MundoCon<PersonaEjecucion> {
    using Trazos = std::set<std::pair<int, int>>;
    LienzoGrabador lienzo;
    const QColor negro{Qt::black};

    MundoEjecucion() { p.PonerSuperficie(&lienzo); }

    // The graph, and a surface with nothing drawn yet.
    void Poner(int tipo, int n, const Aristas& aristas)
    {
        MundoCon::Poner(tipo, n, aristas);
        lienzo.Olvidar();
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
    // The edges drawn with this colour and width, by their ends in the direction drawn (an arrowhead's side
    // ends on one vertex only).
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
struct MundoRecorrido : MundoEjecucion, ::testing::Test {};
