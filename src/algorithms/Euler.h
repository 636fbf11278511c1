// What the Eulerian tours share: the odd vertices, the check before a tour
// with its messages, the automatic choice of Fleury's rule, the final list
// of edges, the pauses and Escape, and the Euler test itself.
#pragma once

#include <QColor>
#include <QString>
#include <cstdint>
#include <vector>

#include "algorithms/GrafoRestante.h"

class FuenteAleatoria;
class Grafo;
struct Contexto;

inline const QColor NegroEuler{Qt::black};
inline const QColor AzulEuler{0, 0, 255};
inline const QString NL = QStringLiteral("\r\n");

// Odd vertices: of odd degree, or for the directed types with an in-degree
// other than the out-degree. Degrees are counted again first.
struct VerticesImpares {
    bool todosPares = true;
    std::vector<std::int16_t> lista; // ascending
};
VerticesImpares Vertices_Impares(Grafo& grafo);

// Whether the tour of that name ("Hierholzer", "Tucker" or "Fleury") may run
// on the graph; otherwise the reasons are shown in a message box.
bool Comprobar_Euler(Contexto& contexto, const QString& nombre);

// Fleury's rule: a random edge among the candidates that are not bridges of
// what is left, or among all of them when each one is a bridge.
std::int16_t Elegir_Arista(const ListaAristas& candidatas, GrafoRestante& restante, FuenteAleatoria& azar);

// "a-b" pieces in blue after a header: the edges of a finished tour.
void Escribir_Recorrido(Contexto& contexto, const ListaAristas& recorrido);
// An edge drawn thick in a colour with a number beside it instead of its
// weight (no number when 0); `lado` 1 or 2 draws it to one side of its line.
void DibujarPaso(Contexto& contexto, std::int16_t codigo, const QColor& color, int numero, int lado = 0);
// The work area cleared and the graph drawn again, with or without weights.
void Redibujar(Contexto& contexto, bool sinPesos = false);

// Run mode for a tour drawn with the trace pane hidden, Escape not yet
// pressed, and the bold title at the head of the trace.
void EmpezarRecorrido(Contexto& contexto, const QString& titulo);
// When Escape was pressed, the run is left as the Aceptar button leaves it,
// with the trace pane shown; true then, and the tour must stop.
bool SalirConEscape(Contexto& contexto);
// A step pause, then the same check.
bool PausarOSalir(Contexto& contexto);

// "¿Es euleriano?": the verdict and its reasons, at once.
void EsEuleriano(Contexto& contexto);
