// The run-wide flags that the algorithms, the run frame and its dialogs
// read and set.
#pragma once

#include <array>
#include <cstdint>

struct BanderasEjecucion {
    bool EjecucionCompleta = false; // no pauses: "Completo", or "Fin" pressed
    bool DesdeMenu = false;         // started by its own menu command, not as a silent helper
    bool EscapePulsado = false;
    bool RecorridoUsuario = false; // the user's walk is being clicked
    bool Orden_Definido = false;   // the user is clicking a colouring order, or it waits to be used
    // The cut vertices (1..50) found by the last VerticesCorte; the blocks
    // read them after it returns.
    std::array<bool, 51> Corte{};
    // What the last depth-first search left (BusquedaProfundidad), 1-based:
    // by vertex, its visiting number counted from 0 at the root; by tree
    // edge k = 1..n-1 in order of discovery, the vertex it was followed from
    // and the vertex it discovered. The tree test and the blocks read them.
    std::array<std::int16_t, 51> OrdenDFS{};
    std::array<std::int16_t, 51> ArbolDesde{};
    std::array<std::int16_t, 51> ArbolHasta{};
};
