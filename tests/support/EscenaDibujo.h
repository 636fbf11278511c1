// A graph, a recording surface, a selection and the run flag wired to one Dibujo: the world of a drawing
// test.
#pragma once

#include <QPoint>
#include <gtest/gtest.h>
#include <vector>

#include "drawing/Dibujo.h"
#include "model/Grafo.h"
#include "model/Seleccion.h"
#include "support/Aristas.h"
#include "support/LienzoGrabador.h"

struct EscenaDibujo {
    Grafo grafo;
    LienzoGrabador lienzo;
    Seleccion seleccion;
    bool desdeMenu = false;
    Dibujo dibujo{grafo, lienzo, seleccion, desdeMenu};

    EscenaDibujo(const QString& tipo, const std::vector<QPoint>& posiciones, const Aristas& aristas = {})
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
