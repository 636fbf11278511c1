// A main window without a window: Principal driven by a scripted person (of the test's kind), with helpers
// that put a graph in it, click, drag and type the way a user does (twips).
#pragma once

#include <gtest/gtest.h>

#include <algorithm>

#include "model/Controles.h"
#include "support/Aristas.h"
#include "support/InteraccionGuion.h"
#include "ui/MenuPrincipal.h"
#include "ui/Principal.h"

template <typename Persona> struct MundoCon {
    Persona persona;
    Principal p{persona};

    // A fresh graph of this type, as New leaves it after the type dialog, and then the vertices given, added
    // with the mouse.
    void Empezar(int tipo, std::initializer_list<std::pair<double, double>> vertices = {})
    {
        p.grafo().InsertarTipo(NombreTipo(tipo));
        p.Vista().combo1 = tipo;
        p.Iniciar_trabajo();
        Vertices(vertices);
    }
    // The same graph, then n vertices on a circle and these edges (arcs for the directed types) put straight
    // into the record.
    void Poner(int tipo, int n, const Aristas& aristas)
    {
        Empezar(tipo);
        PonerGrafo(p.grafo(), NombreTipo(tipo), n, aristas);
    }
    void Clic(double x, double y)
    {
        p.Edicion().MouseMove(0, x, y);
        p.Edicion().MouseDown(1, x, y);
        p.Edicion().MouseUp(1, x, y);
    }
    // The Añadir Vértice command, then a click.
    void Vertice(double x, double y)
    {
        p.Ejecutar("Añadir_Vertice");
        p.Edicion().MouseDown(1, x, y);
    }
    // The Añadir Arista command, a press on a, the rubber band, a release on b.
    void Arista(int a, int b)
    {
        const Grafo& g = p.grafo();
        p.Ejecutar("Añadir_Arista");
        p.Edicion().MouseDown(1, g.Posic_CoordX(a), g.Posic_CoordY(a));
        const double xb = g.Posic_CoordX(b), yb = g.Posic_CoordY(b);
        p.Edicion().MouseMove(1, (g.Posic_CoordX(a) + xb) / 2, (g.Posic_CoordY(a) + yb) / 2);
        p.Edicion().MouseMove(1, xb, yb);
        p.Edicion().MouseUp(1, xb, yb);
    }
    // Press on the vertex at (x0, y0), move with the button held, release.
    void Arrastrar(double x0, double y0, double x1, double y1)
    {
        Clic(x0, y0);
        p.Edicion().MouseMove(0, x0, y0);
        p.Edicion().MouseDown(1, x0, y0);
        p.Edicion().MouseMove(1, x0, y0);
        p.Edicion().MouseMove(1, (x0 + x1) / 2, (y0 + y1) / 2);
        p.Edicion().MouseMove(1, x1, y1);
        p.Edicion().MouseUp(1, x1, y1);
    }
    // A vertex at each point, each with the Añadir Vértice command.
    void Vertices(std::initializer_list<std::pair<double, double>> puntos)
    {
        for (auto [x, y] : puntos)
            Vertice(x, y);
    }
    bool Habilitado(const QString& control) const { return p.Comandos().Habilitado(control); }
    // Expects every control listed to be enabled (or every one disabled).
    void Habilitados(bool esperado, std::initializer_list<QString> controles) const
    {
        for (const QString& c : controles)
            EXPECT_EQ(Habilitado(c), esperado) << c.toStdString();
    }
};
using MundoPrincipal = MundoCon<InteraccionGuion>;

// A command the window lets the person choose: it and every menu above it enabled.
inline bool Alcanzable(const Principal& p, const QString& control)
{
    for (QString c = control; !c.isEmpty();) {
        if (!p.Comandos().Habilitado(c))
            return false;
        const auto padre = std::ranges::find(EntradasMenu(), c, &EntradaMenu::control);
        c = padre == EntradasMenu().end() ? QString() : padre->padre;
    }
    return true;
}
