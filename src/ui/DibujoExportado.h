// The work area's picture written to a file for slides, notes and exams, in
// the format the file's name ends with, with whatever a run shows on it.
#pragma once

#include <QString>

#include "files/EscrituraAtomica.h"

class SuperficieArea;

// The picture formats, in the file dialogs' "Nombre (*.ext)|*.ext" form.
QString FiltroDibujos();
// Whether the name ends with a picture's extension (.png, .svg, .pdf, .tex).
bool EsDibujo(const QString& fichero);

// Writes the picture through the atomic writer: a PNG image with the
// screen's pixels, or an SVG drawing, a PDF page or a TikZ figure drawn
// again from the area's memory at the area's size.
Escritura EscribirDibujo(SuperficieArea& area, const QString& fichero, const QString& titulo);
