// The "Camino" window: the origin and destination lists and two buttons
// showing a Camino model.
#pragma once

#include "gui/DosListasVista.h"
#include "ui/Camino.h"

class CaminoVista : public VistaDosListas<Camino> {
public:
    explicit CaminoVista(Camino& modelo, QWidget* padre = nullptr);
};
