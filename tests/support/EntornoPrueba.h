// A complete headless world for a graph record: command states, a scripted
// person, the editor's highlight state, and counters for redraws and undo
// records of merges.
#pragma once

#include <utility>
#include <vector>

#include "model/EstadoComandos.h"
#include "model/Grafo.h"
#include "support/InteraccionGuion.h"

struct EntornoPrueba {
    EstadoComandos comandos;
    InteraccionGuion interaccion;
    Seleccion seleccion;
    bool pesosAleatorios = false;
    int redibujados = 0;
    std::vector<std::pair<int, int>> identificaciones;

    EntornoGrafo Entorno()
    {
        EntornoGrafo e;
        e.comandos = &comandos;
        e.interaccion = &interaccion;
        e.seleccion = &seleccion;
        e.pesosAleatorios = [this] { return pesosAleatorios; };
        e.redibujar = [this] { ++redibujados; };
        e.guardarIdent = [this](std::int16_t u, std::int16_t w) { identificaciones.emplace_back(u, w); };
        return e;
    }
};

// The edge count the matrix implies, counted the type's way.
inline int AristasSegunMatriz(const Grafo& g)
{
    int m = 0;
    for (int i = 1; i <= g.dimen(); ++i)
        for (int j = 1; j <= g.dimen(); ++j)
            if (i != j && g.elem_matriz(i, j) != 0 && (g.Dirigido() || j < i))
                ++m;
    return m;
}
