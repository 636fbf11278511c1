// The document state shared by the graph files and the main window: the
// current file's name and whether the graph changed since it was read or saved.
#pragma once

#include <QString>

struct Documento {
    QString NombreArchivo; // full path; "" when never saved or loaded under a name
    bool GrafoModificado = false;
    // NombreArchivo names a file the reader rejected: it is shown, but saving
    // asks for a name rather than write over what may not be a graph at all.
    bool NombreRechazado = false;

    // The file name without its folders, or "SinNombre.grf" when there is none.
    QString NombreCorto() const;
};
