// The number-entry window: caption and labels chosen by the caller, the
// filtered entry box and the two buttons of an InsercionNºVert model.
#pragma once

#include "gui/VistaModelo.h"
#include "ui/InsercionNºVert.h"

class CampoTeclado;
class QPushButton;

// Any way out that is not Aceptar (Escape, the window's button) cancels,
// which returns 0 to the caller.
class InsercionNºVertVista : public VistaDe<InsercionNºVert> {
public:
    explicit InsercionNºVertVista(InsercionNºVert& modelo, QWidget* padre = nullptr);

    CampoTeclado* Campo() const { return campo_; }
    QPushButton* BotonAceptar() const { return aceptar_; }

private:
    void Teclear(int codigo);
    void Aceptar();
    void Cancelar();
    void Refrescar();

    CampoTeclado* campo_ = nullptr;
    QPushButton* aceptar_ = nullptr;
};
