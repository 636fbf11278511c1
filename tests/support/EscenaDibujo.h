// A graph, a recording surface, a selection and the run flag wired to one Dibujo: the world of a drawing
// test.
#pragma once

#include <QPoint>
#include <gtest/gtest.h>
#include <vector>

#include "drawing/Dibujo.h"
#include "model/Grafo.h"
#include "model/Seleccion.h"
#include "support/LienzoGrabador.h"

struct AristaEscena {
    int a, b;
    std::int16_t peso = 1;
};

// Gives g a type, vertex v at posiciones[v - 1] and these edges (both entries of an undirected one; weight
// 0: none) with their count, straight into the record; whatever g held before is cleared.
inline void PonerGrafo(Grafo& g, const QString& tipo, const std::vector<QPoint>& posiciones,
                       const std::vector<AristaEscena>& aristas = {})
{
    g.InsertarTipo(tipo);
    const int n = static_cast<int>(posiciones.size());
    g.Insertar_Dimension(static_cast<std::int16_t>(n), false);
    for (int a = 1; a <= Grafo::Limite; ++a) {
        for (int b = 1; b <= Grafo::Limite; ++b)
            g.InsertarMatriz(a, b, 0);
        g.InsertarPosicionX(a, static_cast<std::int16_t>(a > n ? 0 : posiciones[a - 1].x()));
        g.InsertarPosicionY(a, static_cast<std::int16_t>(a > n ? 0 : posiciones[a - 1].y()));
    }
    std::int16_t m = 0;
    for (const auto& [a, b, peso] : aristas) {
        g.InsertarMatriz(a, b, peso);
        if (!g.Dirigido())
            g.InsertarMatriz(b, a, peso);
        m += peso != 0;
    }
    g.InsertarNumAristas(m);
}

struct EscenaDibujo {
    Grafo grafo;
    LienzoGrabador lienzo;
    Seleccion seleccion;
    bool desdeMenu = false;
    Dibujo dibujo{grafo, lienzo, seleccion, desdeMenu};

    EscenaDibujo(const QString& tipo, const std::vector<QPoint>& posiciones,
                 const std::vector<AristaEscena>& aristas = {})
    {
        PonerGrafo(grafo, tipo, posiciones, aristas);
    }

    // An undirected edge gets both matrix entries.
    void Arista(int a, int b, std::int16_t peso = 1)
    {
        grafo.InsertarMatriz(a, b, peso);
        if (!grafo.Dirigido())
            grafo.InsertarMatriz(b, a, peso);
    }

    // The lines of the edge u - v drawn afresh.
    std::vector<Primitiva> Lineas(int u, int v, int modo = 0, const QColor& color = Qt::black)
    {
        lienzo.Olvidar();
        dibujo.DibujarArista(u, v, color, 0, 0, modo);
        return lienzo.Lineas();
    }
};

inline void EsperarPunto(QPointF real, QPointF esperado, double tolerancia = 0.5)
{
    EXPECT_NEAR(real.x(), esperado.x(), tolerancia) << "x";
    EXPECT_NEAR(real.y(), esperado.y(), tolerancia) << "y";
}
