// Scaling a graph's drawing about the origin so that it fits the work area.
#pragma once

#include <QSize>

class Grafo;

// Multiplies every position by the largest factor that keeps the drawing
// within the work area (in twips) less a 540-twip margin, rounding half to
// even. An axis on which every vertex sits at 0 or below sets no bound: the
// other axis alone gives the factor, and with neither (or a work area smaller
// than its margin) the positions stay as they are.
void AjustarPosiciones(Grafo& grafo, QSize areaTrabajo);
