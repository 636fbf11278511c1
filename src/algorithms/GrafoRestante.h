// The graph a tour has left: a scratch record whose entries count the free
// copies of each edge (one per edge of the graph, more where the postman
// duplicates a path). A tour takes its edges away as it walks, so the
// candidates from a vertex and Fleury's bridge test read only this record.
// The bridge test inside the tour's inner loop answers from a triangle
// through the edge when there is one, and otherwise from the bridges of the
// record as it stands, found in one search after each change, instead of
// counting components again for every candidate.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <vector>

#include "model/Grafo.h"

// Edge codes a * 100 + b, in a tour's order, each in its direction of travel.
using ListaAristas = std::vector<std::int16_t>;

class GrafoRestante {
public:
    // Every edge (arc) of the graph, free once.
    explicit GrafoRestante(const Grafo& grafo);

    // One more free copy of the edge; for the undirected types either
    // direction names the same edge.
    void Añadir(std::int16_t codigo);
    // One copy of the edge used.
    void Quitar(std::int16_t codigo);
    int Copias(int a, int b) const { return restante_.elem_matriz(a, b); }
    // Some copy free one way or the other.
    bool Unidos(int a, int b) const { return Copias(a, b) != 0 || Copias(b, a) != 0; }
    // The copies still free, every edge counted once.
    int Total() const { return total_; }
    bool TieneAristas(int v) const;

    // The edges leaving v that are still free, as codes v * 100 + j in
    // ascending order of j.
    ListaAristas Aristas_Candidatas(int v) const;
    // Taking one copy of the edge away would leave more components (an
    // edge whose removal isolates its end vertex is a bridge too).
    bool EsPuente(std::int16_t codigo);
    int Contar_No_Puentes(const ListaAristas& candidatas);

private:
    void Sumar(std::int16_t codigo, int cuanto);
    void BuscarPuentes();

    Grafo restante_;
    int total_ = 0;
    // The bridges between vertices joined either way, when up to date.
    bool puentesAlDia_ = false;
    std::array<std::bitset<Grafo::Limite + 1>, Grafo::Limite + 1> puente_{};
};
