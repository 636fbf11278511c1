// The document state shared by the graph files and the main window: the
// current file's name and whether the graph changed since it was read or saved.
#pragma once

#include <QString>

struct Documento {
    QString NombreArchivo; // full path; "" when never saved or loaded under a name
    bool GrafoModificado = false;

    // The file name without its folders, or "SinNombre.grf" when there is none.
    QString NombreCorto() const;
};
