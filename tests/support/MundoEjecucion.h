// A main window for whole algorithm runs: a person who chooses "Completo"
// in the mode dialog and continues at every step window, and a drawing
// surface that records what the run draws.
#pragma once

#include "support/EjecucionPrueba.h"
#include "support/LienzoGrabador.h"
#include "ui/Principal.h"

struct MundoEjecucion {
    PersonaEjecucion persona;
    Principal p{persona};
    LienzoGrabador lienzo;

    MundoEjecucion()
    {
        persona.completo = true;
        p.PonerSuperficie(&lienzo);
    }
};
