// The work area's picture as a LaTeX document with a TikZ figure, for a
// teacher's notes (LienzoTikz says what it holds).
#pragma once

#include <QString>

#include "files/EscrituraAtomica.h"

class LienzoMemoria;

// Writes to `fichero`, through the atomic writer, the picture `memoria`
// remembers as it stands (a run's highlights included): a standalone
// document for pdflatex whose tikzpicture can also be pasted into another.
// The picture is drawn again from memory into a TikZ surface, so a shape
// taken away does not appear. A memory that gave up remembering (past
// LienzoMemoria::MaxTrazos) cannot draw it again: nothing is written and
// the Escritura says why.
Escritura EscribirTikz(const LienzoMemoria& memoria, const QString& fichero);
