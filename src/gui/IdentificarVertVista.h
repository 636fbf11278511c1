// The "Identificar Vértices" window: two drop-down lists and two buttons
// showing an IdentificarVert model.
#pragma once

#include "gui/DosListasVista.h"
#include "ui/IdentificarVert.h"

class IdentificarVertVista : public VistaDosListas<IdentificarVert> {
public:
    explicit IdentificarVertVista(IdentificarVert& modelo, QWidget* padre = nullptr);
};
