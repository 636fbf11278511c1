// What an algorithm command asks in the window before its run, each kind of
// question through its own dialog.
#pragma once

#include "algorithms/CatalogoOrdenes.h"

class EstadoPrincipal;

// Fills the answers the command needs; false when the person cancelled, and
// then nothing runs.
bool PreguntarAntesDeEjecutar(const OrdenAlgoritmo& orden, EstadoPrincipal& ventana, Parametros& parametros);
