#include "ui/PreguntasOrden.h"

#include "ui/EstadoPrincipal.h"
#include "ui/SeleccionOrden.h"

bool PreguntarAntesDeEjecutar(const OrdenAlgoritmo& orden, EstadoPrincipal& ventana, Parametros&)
{
    switch (orden.pregunta) {
    case Pregunta::Ninguna:
        return true;
    case Pregunta::OrdenUsuario:
        // The answer comes click by click; the last click starts the run.
        ventana.OrdenUsuario().Empezar();
        return false;
    }
    return false;
}
