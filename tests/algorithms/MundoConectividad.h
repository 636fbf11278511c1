// A main window with a recording work area, a graph put straight into its
// record, and the trace read back as pieces (text, bold, colour).
#pragma once

#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>
#include <vector>

#include "run/Algoritmo.h"
#include "support/EjecucionPrueba.h"
#include "support/LienzoGrabador.h"
#include "support/MundoPrincipal.h"

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

struct MundoConectividad : MundoPrincipal {
    LienzoGrabador lienzo;
    const QColor negro{Qt::black};

    MundoConectividad() { p.PonerSuperficie(&lienzo); }

    // n vertices on a circle and these edges (arcs for the directed types).
    void Poner(int tipo, int n, const std::vector<std::pair<int, int>>& aristas)
    {
        std::vector<std::tuple<int, int, int>> conPeso;
        for (auto [a, b] : aristas)
            conPeso.emplace_back(a, b, 1);
        PonerGrafo(p, tipo, n, conPeso);
        lienzo.Olvidar();
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
    // Ended as a menu run ends: Aceptar shown, DesdeMenu cleared, width 1.
    bool Finalizada() { return p.Vista().aceptarVisible && !p.Marco().DesdeMenu && lienzo.AnchoLinea() == 1; }
};
