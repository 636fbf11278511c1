// A main window with a recording work area, a graph put straight into its
// record, and the trace read back as pieces (text, bold, colour).
#pragma once

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "run/Algoritmo.h"
#include "support/EjecucionPrueba.h"
#include "support/LienzoGrabador.h"
#include "support/MundoPrincipal.h"

struct MundoConectividad : MundoPrincipal {
    LienzoGrabador lienzo;
    const QColor negro{Qt::black};

    MundoConectividad() { p.PonerSuperficie(&lienzo); }

    // n vertices on a circle and these edges (arcs for the directed types).
    void Poner(int tipo, int n, const std::vector<std::pair<int, int>>& aristas)
    {
        Empezar(tipo);
        Grafo& g = p.grafo();
        for (int a = 1; a <= Grafo::Limite; ++a)
            for (int b = 1; b <= Grafo::Limite; ++b)
                g.InsertarMatriz(a, b, 0);
        g.Insertar_Dimension(static_cast<std::int16_t>(n), false);
        for (int v = 1; v <= Grafo::Limite; ++v) {
            g.InsertarPosicionX(v, v > n ? 0 : static_cast<std::int16_t>(4500 + 2500 * std::cos(0.3 * v)));
            g.InsertarPosicionY(v, v > n ? 0 : static_cast<std::int16_t>(3000 + 2500 * std::sin(0.3 * v)));
        }
        for (auto [a, b] : aristas) {
            g.InsertarMatriz(a, b, 1);
            if (!g.Dirigido())
                g.InsertarMatriz(b, a, 1);
        }
        g.InsertarNumAristas(static_cast<std::int16_t>(aristas.size()));
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
    // Ended as a menu run ends: Aceptar shown, DesdeMenu cleared, width 1.
    bool Finalizada() { return p.Vista().aceptarVisible && !p.Marco().DesdeMenu && lienzo.AnchoLinea() == 1; }
};
