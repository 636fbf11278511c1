// The work area as assistive technology sees it: a list named after the
// graph ("Grafo ponderado, 6 vértices, 9 aristas") whose items are the
// vertices, in number order, and then the edges, each with its text in
// words and, during a run, what the run shows on it.
#pragma once

// Makes Qt ask us for the work area's interface; once, at start.
void InstalarAccesibilidadArea();
