// The main window's connectivity commands and the statistics, and the same
// runs by the names the command line knows them by.
#pragma once

#include <QString>

#include "run/Algoritmo.h"

class Principal;

// Componentes_conexas, Vértices_corte, Aristas_Puente and Estadísticas; false
// for any other control.
bool EjecutarConectividad(Principal& principal, const QString& control);
// "Componentes", "VerticesCorte", "Puentes", "Estadisticas"; nullptr for any
// other name.
Algoritmo BuscarConectividad(const QString& nombre);
