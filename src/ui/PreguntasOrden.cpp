#include "ui/PreguntasOrden.h"

#include "ui/EstadoPrincipal.h"

bool PreguntarAntesDeEjecutar(const OrdenAlgoritmo& orden, EstadoPrincipal&, Parametros&)
{
    switch (orden.pregunta) {
    case Pregunta::Ninguna:
        return true;
    }
    return false;
}
