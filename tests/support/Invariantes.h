// The record's invariants, checked after every step of the random tests: the matrix agrees with the type and
// the edge count, weights stay in the range a file holds, nothing lies beyond n, no mark of the editor names
// a vertex or an edge that is not there, and (when given) the positions lie in the area.
#pragma once

#include <gtest/gtest.h>
#include <optional>
#include <string>

#include "drawing/Coordenadas.h"
#include "support/EntornoPrueba.h"

inline void ComprobarInvariantes(const Grafo& g, const std::string& donde,
                                 std::optional<DimensionesArea> area = std::nullopt)
{
    ASSERT_TRUE(g.dimen() >= 0 && g.dimen() <= 50) << donde;
    int m = 0; // the edge count the matrix implies, counted the type's way
    for (int i = 1; i <= 50; ++i) {
        for (int j = 1; j <= 50; ++j) {
            const std::int16_t e = g.elem_matriz(i, j);
            m += e != 0 && (g.Dirigido() || j < i);
            ASSERT_TRUE(((i <= g.dimen() && j <= g.dimen() && i != j) || e == 0) &&
                        (g.Dirigido() || e == g.elem_matriz(j, i)) && (g.Ponderado() || e == 0 || e == 1) &&
                        e >= -9999 && e <= 9999)
                << donde << " en " << i << "," << j;
        }
        const int x = g.Posic_CoordX(i), y = g.Posic_CoordY(i);
        ASSERT_TRUE(i <= g.dimen() || (x == 0 && y == 0)) << donde;
        ASSERT_TRUE(i > g.dimen() || !area || (x >= 0 && y >= 0 && x <= area->ancho && y <= area->alto))
            << donde << ": el vértice " << i << " está en " << x << "," << y;
    }
    ASSERT_EQ(g.numero_aristas(), m) << donde;
    if (const Seleccion* s = g.Entorno().seleccion) {
        for (const int v : {s->VerticeAnterior, s->VerticeBajoCursor, s->VerticeSeleccionado})
            ASSERT_TRUE(v >= 0 && v <= g.dimen()) << donde << ": marca del vértice " << v;
        for (const int e : {s->AristaBajoCursor, s->AristaSeleccionada, s->AristaAnterior})
            ASSERT_TRUE(e == 0 || g.ExisteArista(e)) << donde << ": marca de la arista " << e;
    }
}
