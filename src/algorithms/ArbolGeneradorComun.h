// What the three spanning-tree runs share: the preconditions, entering and
// leaving the run with the heading and the total, and how an edge chosen by
// Kruskal or Prim is drawn and written.
#pragma once

#include <QString>
#include <cstdint>

struct Contexto;

namespace ArbolGenerador {

// Kruskal's and Prim's tree, edges and vertices, in drawing colour 1.
inline constexpr int ColorArbol = 1;

// Above every weight (at most four digits): the start of each minimum search.
inline constexpr int SinMinimo = 10000;

// An edge as the lists and the trace name it, a × 100 + b; 0 is no edge.
inline constexpr int Codigo(int a, int b)
{
    return a * 100 + b;
}
inline constexpr int Origen(int codigo)
{
    return codigo / 100;
}
inline constexpr int Destino(int codigo)
{
    return codigo % 100;
}

class Recorrido {
public:
    // nombre as the messages spell it ("Kruskal"); saltos ends the heading
    // and the closing line (Boruvka's have one line break, the others two).
    Recorrido(Contexto& contexto, QString nombre, QString saltos);

    // Connected, then no negative weight; a failure shows its message box.
    bool Admitido();
    // Run mode, line width 2 and the heading.
    void Empezar();
    // The edge and both its ends in palette entry 1, then its trace piece,
    // seven to a line; the weight goes into the total.
    void Elegir(int a, int b);
    void Sumar(int peso) { total_ += peso; }
    // Line width 1, the closing line, the total and the end prompt.
    void Terminar();

private:
    bool Rechazar(const QString& titulo, const QString& falta);

    Contexto& c_;
    QString nombre_;
    QString saltos_;
    int total_ = 0; // up to 49 weights of 9999: beyond 16 bits
    int elegidas_ = 0;
};

} // namespace ArbolGenerador
