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

// Paints the line on an image of format RGB32 or ARGB32_Premultiplied, seen
// through the clip rectangle (in pixels), as a QPainter with antialiasing,
// no transformation and a solid round-capped pen of this width and opaque
// colour would. False, with nothing painted, for what it cannot reproduce
// exactly (another format, a translucent colour, a line too short to have a direction): the
// caller then lets the painter draw it.
bool TrazarLineaGruesa(QImage& imagen, const QRect& recorte, const QLineF& linea, double ancho, QRgb color);
