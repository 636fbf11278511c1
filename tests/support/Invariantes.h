// The record's invariants, checked after every step of the random tests: the
// matrix agrees with the type and the edge count, nothing lies beyond n.
#pragma once

#include <gtest/gtest.h>
#include <string>

#include "support/EntornoPrueba.h"

inline void ComprobarInvariantes(const Grafo& g, const std::string& donde)
{
    ASSERT_TRUE(g.dimen() >= 0 && g.dimen() <= 50) << donde;
    ASSERT_EQ(g.numero_aristas(), AristasSegunMatriz(g)) << donde;
    for (int i = 1; i <= 50; ++i) {
        for (int j = 1; j <= 50; ++j) {
            const std::int16_t e = g.elem_matriz(i, j);
            ASSERT_TRUE(((i <= g.dimen() && j <= g.dimen() && i != j) || e == 0) &&
                        (g.Dirigido() || e == g.elem_matriz(j, i)) && (g.Ponderado() || e == 0 || e == 1))
                << donde << " en " << i << "," << j;
        }
        ASSERT_TRUE(i <= g.dimen() || (g.Posic_CoordX(i) == 0 && g.Posic_CoordY(i) == 0)) << donde;
    }
}
