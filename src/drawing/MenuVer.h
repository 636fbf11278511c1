// The "Ver" menu's transforms: centre, mirror and turn the drawing. They move
// only the stored vertex positions; the caller supplies the redraw of the work
// area and the marking of the document as modified.
#pragma once

#include <cstdint>
#include <functional>

#include "drawing/Coordenadas.h"

class Grafo;
class Interaccion;

// What a transform does after moving the vertices. Either may be empty, e.g.
// for a generator that centres a shape and redraws on its own.
struct EfectosVer {
    std::function<void()> redibujar;        // clear the work area + DibujarGrafo(0)
    std::function<void()> marcarModificado; // GrafoModificado = True
};

// Centre of the bounding box to the centre of the area. With no vertices it
// still redraws and marks, like every command of the menu.
void Centrar(Grafo& grafo, DimensionesArea area, const EfectosVer& efectos);
void VoltearHorizontal(Grafo& grafo, DimensionesArea area, const EfectosVer& efectos);
void VoltearVertical(Grafo& grafo, DimensionesArea area, const EfectosVer& efectos);

// Turns about the centre of gravity by 90 (clockwise on screen), 180 or 270
// degrees. Returns 0 when the positions were changed; non-zero, with nothing
// moved, redrawn or marked, when the graph is empty, the angle is none of
// those three, or a turned vertex would come closer than 270 to an edge of
// the area (then a message box says so).
std::int16_t Girar(Grafo& grafo, DimensionesArea area, std::int16_t angulo, Interaccion& interaccion,
                   const EfectosVer& efectos);
