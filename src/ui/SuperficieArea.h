// The work area's picture: an image in the work area's size with the drawing
// surface that paints on it, remembering what it drew so it can draw it again
// or take a shape out of it. Moving parts (a drag, a rubber band) are shown
// over a copy of it, so the picture itself never holds them. The window shows
// the image and repaints what changed; tests may draw on a surface of their
// own instead.
#pragma once

#include <QImage>
#include <QRect>
#include <memory>

#include "drawing/LienzoBandas.h"
#include "drawing/LienzoMemoria.h"

class SuperficieArea {
public:
    // Size in twips; escala is the screen's device pixel ratio.
    SuperficieArea(int anchoTwips, int altoTwips, double escala = 1.0);

    // Whether the picture already has this size, so it can be kept.
    bool Mide(int anchoTwips, int altoTwips, double escala) const;
    // The picture as drawn so far, with the moving parts over it.
    const QImage& Imagen();
    // What may look different since the last call, in the window's pixels.
    QRect TomarCambios();
    Lienzo& Superficie() { return memoria_; }
    std::uint64_t Version() const { return memoria_.Version(); }
    LienzoMemoria& Memoria() { return memoria_; }
    // The same picture drawn afresh with this many pixels per screen pixel,
    // sharp on paper; the screen's image when it can no longer be redrawn.
    QImage ImagenNitida(double escala);

private:
    void Pintar();
    void Actualizar();
    void MostrarMoviles(const QRectF& cambio);

    QImage imagen_;
    bool blanca_ = false;
    std::unique_ptr<LienzoBandas> lienzo_;
    LienzoMemoria memoria_;
    QImage pantalla_; // the picture with the moving parts, while there are any
    bool pantallaAlDia_ = false;
    QRect pendiente_; // device pixels not yet handed to the window
};
