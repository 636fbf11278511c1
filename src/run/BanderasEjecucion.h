// The run-wide flags that the algorithms, the run frame and its dialogs
// read and set.
#pragma once

#include <array>

struct BanderasEjecucion {
    bool EjecucionCompleta = false; // no pauses: "Completo", or "Fin" pressed
    bool DesdeMenu = false;         // started by its own menu command, not as a silent helper
    bool EscapePulsado = false;
    bool RecorridoUsuario = false; // the user's walk is being clicked
    bool Orden_Definido = false;   // the user is clicking a colouring order, or it waits to be used
    // The cut vertices (1..50) found by the last VerticesCorte; the blocks
    // read them after it returns.
    std::array<bool, 51> Corte{};
};
