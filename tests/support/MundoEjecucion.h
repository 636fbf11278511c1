// The world of the algorithm tests: a main window whose person answers the mode dialog and continues at
// every pause, a recording work area, a graph put straight into its record, and what the runs leave: trace
// pieces, thick lines, each vertex's last colour.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>
#include <vector>

#include "model/Controles.h"
#include "run/Algoritmo.h"
#include "support/Aristas.h"
#include "support/EjecucionPrueba.h"
#include "support/LienzoGrabador.h"
#include "ui/Principal.h"

// A fresh graph of this type in the window's record, as New leaves it: n vertices on a circle and these
// edges, arcs for the directed types.
inline void PonerGrafo(Principal& p, int tipo, int n, const Aristas& aristas)
{
    p.grafo().InsertarTipo(NombreTipo(tipo));
    p.Vista().combo1 = tipo;
    p.Iniciar_trabajo();
    PonerGrafo(p.grafo(), NombreTipo(tipo), n, aristas);
}

struct MundoEjecucion {
    using Trazos = std::set<std::pair<int, int>>;
    PersonaEjecucion persona;
    Principal p{persona};
    LienzoGrabador lienzo;
    const QColor negro{Qt::black};

    MundoEjecucion() { p.PonerSuperficie(&lienzo); }

    // The graph, and a surface with nothing drawn yet.
    void Poner(int tipo, int n, const Aristas& aristas)
    {
        PonerGrafo(p, tipo, n, aristas);
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
