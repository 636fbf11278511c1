// The toolbar's picture list and the other pictures of the main window, drawn
// from the SVG files compiled into the program.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// The picture at this index of the toolbar's list; a null icon for an index
// the list does not hold.
QIcon IconoBarra(int indice);

// An SVG resource rendered sharp for a screen of this device pixel ratio.
QPixmap DibujoSvg(const QString& recurso, QSize tamaño, qreal escala);
