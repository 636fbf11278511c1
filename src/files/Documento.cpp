#include "files/Documento.h"

#include <algorithm>

QString Documento::NombreCorto() const
{
    if (NombreArchivo.isEmpty())
        return QStringLiteral("SinNombre.grf");
    // Names typed on Windows carry backslashes, local ones slashes: either ends
    // a folder.
    const qsizetype corte = std::max(NombreArchivo.lastIndexOf(u'\\'), NombreArchivo.lastIndexOf(u'/'));
    return NombreArchivo.mid(corte + 1);
}
