#include "ui/DibujoTikz.h"

#include "drawing/LienzoMemoria.h"
#include "drawing/LienzoTikz.h"

Escritura EscribirTikz(const LienzoMemoria& memoria, const QString& fichero)
{
    if (!memoria.Completa())
        return {false, QStringLiteral("el dibujo tiene más trazos de los que se recuerdan y no puede repetirse")};
    LienzoTikz tikz(memoria.Ancho(), memoria.Alto());
    memoria.Repetir(tikz);
    return EscribirAtomicamente(fichero, tikz.Documento().toUtf8());
}
