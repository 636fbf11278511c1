// The document state shared by the graph files and the main window: the
// current file's name and whether the graph changed since it was read or saved.
#pragma once

#include <QString>

struct Documento {
    QString NombreArchivo; // full path; "" when never saved or loaded under a name
    bool GrafoModificado = false;
    // NombreArchivo is only proposed: it is shown, but saving asks for a name
    // first. So it is for a file the reader rejected (not to write over what
    // may not be a graph at all) and for a graph imported from another
    // tool's format (its name with .grf, beside it).
    bool NombreSinConfirmar = false;

    // The file name without its folders, or "SinNombre.grf" when there is none.
    QString NombreCorto() const;
};
