// The handout of a run's steps, from a step window or the end prompt.
#include "costuras/Interaccion.h"
#include "ui/FolletoPasos.h"
#include "ui/ImpresoraPaginas.h"
#include "ui/Principal.h"

void Principal::GuardarPasos(const HistoriaPasos& historia)
{
    const QString nombre = interaccion_.NombreParaGuardar(NombreJuntoAlGrafo(QStringLiteral("-pasos.pdf")), FiltroPdf);
    if (nombre.isEmpty())
        return;
    const Escritura e = FolletoPasos(*this, historia, tituloEjecucion_).Guardar(nombre);
    DecirPdfEscrito(interaccion_, e, nombre, QStringLiteral("Guardar pasos en PDF"));
}

void Principal::GuardarPasosPdf()
{
    if (vista_.folletoVisible)
        GuardarPasos(marco_.Historia());
}
