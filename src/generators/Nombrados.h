// The named graphs built from their definition: Petersen, Herschel, Grötzsch
// and Heawood, each drawn for the work area.
#pragma once

#include "drawing/Coordenadas.h"

class Grafo;

// Outer pentagon, spokes and inner pentagram.
void Petersen(Grafo& grafo, DimensionesArea area);
// Four vertices on an ellipse, six on a hexagon and one in the middle.
void Herschel(Grafo& grafo, DimensionesArea area);
// The pentagon, five inner vertices each joined to the two outer neighbours
// of one outer vertex, and the centre joined to the five inner ones.
void Grötzsch(Grafo& grafo, DimensionesArea area);
// A 14-cycle on a circle with seven chords.
void Heawood(Grafo& grafo, DimensionesArea area);
