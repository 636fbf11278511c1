// TrazoFino: a line one pixel wide, antialiased, solid and round-capped,
// painted straight into a 32-bit image.
//
// Qt's raster engine walks such a line along its longer axis, two pixels a
// step with coverages in 16.16 fixed point, and it walks all of it whatever
// its clip: repainting a small piece of a picture crossed by hundreds of
// long edges walks every one of them end to end. This takes the same steps
// with the same arithmetic and blending, but only those in sight.
#pragma once

#include <QLineF>
#include <QRect>
#include <QRgb>

class QImage;

// Paints the line on an image of format RGB32 or ARGB32_Premultiplied, seen
// through the clip rectangle (in pixels), as a QPainter with antialiasing,
// no transformation and a solid round-capped pen one pixel wide of this
// opaque colour would. False, with nothing painted, for what it does not
// reproduce (another format, a translucent colour, a line that is a point,
// coordinates that are not finite): the caller then lets the painter draw it.
bool TrazarLineaFina(QImage& imagen, const QRect& recorte, const QLineF& linea, QRgb color);
