// Connected components, cut vertices and bridges. Directed graphs count
// their arcs without direction (weakly connected components).
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

class Grafo;
class MarcoEjecucion;
struct Contexto;

// The number of components (0 for an empty graph). Run from its menu
// command (marco.DesdeMenu set) it also draws each component in its colour
// and lists the components in the trace; otherwise it is silent.
// `etiquetas`, when given, receives the label of every vertex (1..n: the
// lowest vertex of its component; index 0 unused).
std::int16_t ComponentesConexas(Contexto& contexto, std::vector<std::int16_t>* etiquetas = nullptr);

// The silent count on a bare record, in O(n²): what ComponentesConexas
// returns when DesdeMenu is clear, for inner loops and scratch copies.
// `etiquetas` is resized to n + 2: labels at 1..n, 0 at index 0 and n + 1,
// so it also serves as a 0-ended list.
std::int16_t ContarComponentes(const Grafo& grafo, std::vector<std::int16_t>* etiquetas = nullptr);

// Lists of labels are 1-based and end at their first 0, after at most 50
// entries (or at the end of the vector).
//
// The number of distinct labels. Every later repetition of a label becomes
// -1, so each label is left only at its first (lowest) vertex.
std::int16_t ContarDistintos(std::vector<std::int16_t>& lista);
// The trace's list of the first k components, in order of their lowest
// vertex, each in the colour its component is drawn in.
void EscribirComponentes(Contexto& contexto, std::int16_t k, const std::vector<std::int16_t>& lista);

// The number of cut vertices; fills marco.Corte. It enters run mode even
// when silent; only with DesdeMenu set does it trace, draw and end the run.
std::int16_t VerticesCorte(Contexto& contexto);
// The same count within a run already under way (the blocks'): it neither
// enters run mode nor draws.
std::int16_t ContarCortes(Contexto& contexto);
// The number of bridges (single arcs for the directed types). Always traces,
// draws and ends the run.
std::int16_t AristasPuente(Contexto& contexto);

// "EXISTE 1 <singular>" or "EXISTEN <k> <plural>", then a blank line.
void TrazarCuenta(MarcoEjecucion& marco, int cuenta, const QString& singular, const QString& plural);

// The menu commands' runs, also started by name from the command line:
// "Componentes" and "VerticesCorte" set DesdeMenu first, "Puentes" does not
// need to.
void EjecutarComponentes(Contexto& contexto);
void EjecutarVerticesCorte(Contexto& contexto);
void EjecutarAristasPuente(Contexto& contexto);
