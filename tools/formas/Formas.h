// The graphs of the shape files with their drawings.
#pragma once

#include "Figura.h"

// The Tutte graph: three Tutte fragments joined to a central vertex and to
// each other, drawn without crossings.
Figura TutteDibujado();
// The dodecahedron and the icosahedron, planar (a face outside, the others
// nested inside it) or in perspective; one numbering for both drawings.
Figura Dodecaedro(bool plano);
Figura Icosaedro(bool plano);
