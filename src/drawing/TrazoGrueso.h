// TrazoGrueso: a line wider than one pixel, with round ends, antialiased and
// solid, painted straight into a 32-bit image.
//
// Qt's raster engine has no quick way for such a line: it outlines it and
// hands the outline to its general filler, which walks the whole line again
// for every band of about 40 rows it covers (0.3 to 0.5 ms for a long edge of
// a maximized window). This fills the same outline with the same exact-area
// arithmetic and the same blending in a single walk, so every pixel comes out
// as the painter would leave it, many times quicker.
#pragma once

#include <QLineF>
#include <QRect>
#include <QRgb>

class QImage;
struct Cobertura;

// Paints the line on an image of format RGB32 or ARGB32_Premultiplied, seen
// through the clip rectangle (in pixels), as a QPainter with antialiasing,
// no transformation and a solid round-capped pen of this width and opaque
// colour would. False, with nothing painted, for what it cannot reproduce
// exactly (another format, a translucent colour, a line too short to have
// a direction): the caller then lets the painter draw it. With guardar,
// what the line covers is kept there when it is painted (nothing, out of
// sight).
bool TrazarLineaGruesa(QImage& imagen, const QRect& recorte, const QLineF& linea, double ancho, QRgb color,
                       Cobertura* guardar = nullptr);
// What TrazarLineaGruesa would keep in cobertura, on an image of this
// rectangle (whose format and colour it can blend), without painting: the
// same answer, and the image is not touched.
bool CubrirLineaGruesa(const QRect& imagen, const QRect& recorte, const QLineF& linea, double ancho,
                       Cobertura& cobertura);
// The same line again, in any colour, on the same image and clip: only the
// blending is done again.
void RepetirLineaGruesa(QImage& imagen, const Cobertura& cobertura, QRgb color);
