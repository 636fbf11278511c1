// The graphs kept in shape files (graph files of ours among the program's data):
// the Tutte graph and the two drawings of the dodecahedron and icosahedron.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

#include "drawing/Coordenadas.h"
#include "files/Datos.h"

class Grafo;

enum class Forma { Tutte, DodecaedroPlano, DodecaedroNoPlano, IcosaedroPlano, IcosaedroNoPlano };

// "tutte.dat", "Dodec_P.dat", "Dodec_NP.dat", "Icosa_P.dat", "Icosa_NP.dat".
QString FicheroForma(Forma forma);

// Fills the record (type set, no vertices) with the shape read from the first
// of `carpetas` holding its file, in the record's own type, fitted to and
// centred in the work area, and ends as every generator does. A missing file
// gets its "No se ha encontrado el fichero" box and a damaged one the
// reader's message; both return non-zero and leave the record empty, as does
// a record with no person to tell.
std::int16_t CargarForma(Grafo& grafo, DimensionesArea area, Forma forma,
                         const QStringList& carpetas = CarpetasDatos(BuscarEn::TrabajoYPrograma));
