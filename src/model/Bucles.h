// Loops a graph file may hold on the matrix's diagonal. The reader keeps
// them so that saving writes the file back as it was, but no editor makes
// one and the drawing never shows one; an algorithm, which shows its every
// step on the drawing, works on the graph without them.
#pragma once

#include <cstdint>
#include <vector>

class Grafo;

class BuclesApartados {
public:
    // Takes every loop out of the record (and out of its edge count, for
    // the type whose reader counts them).
    explicit BuclesApartados(Grafo& grafo);
    // Puts them back on the same vertices.
    void Devolver();
    bool Vacio() const { return bucles_.empty(); }

private:
    struct Bucle {
        int v;
        std::int16_t peso;
    };
    Grafo& grafo_;
    std::vector<Bucle> bucles_;
};
