// Connected components, cut vertices and bridges. Directed graphs count
// their arcs without direction (weakly connected components).
#pragma once

#include <cstdint>
#include <vector>

struct Contexto;

// The number of components (0 for an empty graph). Run from its menu
// command (marco.DesdeMenu set) it also draws each component in its colour
// and lists the components in the trace; otherwise it is silent.
// `etiquetas`, when given, receives the label of every vertex (1..n: the
// lowest vertex of its component; index 0 unused).
std::int16_t ComponentesConexas(Contexto& contexto, std::vector<std::int16_t>* etiquetas = nullptr);
