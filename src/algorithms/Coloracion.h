// The four vertex colourings as the menu runs them: each computes its whole
// colouring first and then shows it, painting the vertices in the palette
// and listing them colour by colour, at once or one vertex a step.
#pragma once

#include <QString>

#include "algorithms/OrdenesColoracion.h"

struct Contexto;

// In the order the person clicked when the answers carry a list, else 1..n.
void ColoracionSecuencial(Contexto& contexto);
void ColoracionWelshPowell(Contexto& contexto);
void ColoracionMatula(Contexto& contexto);
void ColoracionBrelaz(Contexto& contexto);

// Paints and writes a finished colouring, straight through or in the step
// window, and ends the run with its summary.
void Mostrar_Coloracion(Contexto& contexto, const Coloracion& coloracion, const QString& nombre);
