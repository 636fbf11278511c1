// What an algorithm works with: the record, the drawing, the run frame, the
// person, and what its command asked before the run.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

class Dibujo;
class Grafo;
class Interaccion;
class MarcoEjecucion;

// The answers a command gets before its run: in the window through its
// dialog, on the command line through options.
struct Parametros {
    std::int16_t raiz = 0;   // the root vertex of the searches
    std::int16_t origen = 0; // a path's ends
    std::int16_t destino = 0;
    bool todos = false;              // every destination at once
    std::vector<std::int16_t> lista; // a sequence of numbers, in the order given
    // The command line's seed for the person's random source, when given.
    std::optional<std::uint64_t> semilla{};
};

struct Contexto {
    Grafo& grafo;
    Dibujo& dibujo;
    MarcoEjecucion& marco;
    Interaccion& persona;
    Parametros parametros = {};
};

using Algoritmo = void (*)(Contexto&);
