// Hit tests of the work area: which vertex or edge lies under a point, and
// whether a point is a free place for a new vertex. Coordinates in twips.
#pragma once

#include <cstdint>

class Grafo;

// Vertex v lies under (x, y) inside the open square of half side 110.
bool VerticeEnPunto(const Grafo& g, int v, double x, double y);
// The last vertex under (x, y), in order 1..n, or 0.
std::int16_t UltimoVerticeEnPunto(const Grafo& g, double x, double y);
double DistanciaAVertice(const Grafo& g, double x, double y, int v);
// At least 270 (rounded half to even) from every vertex other than `salvo`,
// and at least 150 inside every border of a work area ancho × alto.
bool LugarLibre(const Grafo& g, double x, double y, int ancho, int alto, int salvo = 0);
bool PuntoEnArista(const Grafo& g, int a, int b, double x, double y);
// The code a*100+b of the edge under (x, y), or -1. Of two opposite arcs
// the one whose head is nearer the point wins.
std::int16_t AristaEnPunto(const Grafo& g, double x, double y);
