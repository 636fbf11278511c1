// The work area's picture: an image in the work area's size with the drawing
// surface that paints on it, remembering what it drew so it can draw it again. The window shows the image; tests may draw on a
// surface of their own instead.
#pragma once

#include <QImage>
#include <memory>

#include "drawing/LienzoImagen.h"
#include "drawing/LienzoMemoria.h"

class SuperficieArea {
public:
    // Size in twips; escala is the screen's device pixel ratio.
    SuperficieArea(int anchoTwips, int altoTwips, double escala = 1.0);

    // Lets the window show the image as drawn so far.
    const QImage& Imagen();
    Lienzo& Superficie() { return memoria_; }
    LienzoMemoria& Memoria() { return memoria_; }
    // The same picture drawn afresh with this many pixels per screen pixel,
    // sharp on paper; the screen's image when it can no longer be redrawn.
    QImage ImagenNitida(double escala);

private:
    QImage imagen_;
    std::unique_ptr<LienzoImagen> lienzo_;
    LienzoMemoria memoria_;
};
