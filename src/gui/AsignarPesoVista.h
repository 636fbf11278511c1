// The weight dialog's window: the prompt, the filtered entry box and the two
// buttons of an AsignarPeso model.
#pragma once

#include "gui/VistaModelo.h"
#include "ui/AsignarPeso.h"

class CampoTeclado;
class QPushButton;

// Any way out that is not Aceptar (Escape, the window's button) cancels.
class AsignarPesoVista : public VistaDe<AsignarPeso> {
public:
    explicit AsignarPesoVista(AsignarPeso& modelo, QWidget* padre = nullptr);

    CampoTeclado* Campo() const { return campo_; }
    QPushButton* BotonAceptar() const { return aceptar_; }
    QPushButton* BotonCancelar() const { return cancelar_; }

private:
    void Teclear(int codigo);
    void Aceptar();
    void Cancelar();
    void Refrescar();

    CampoTeclado* campo_ = nullptr;
    QPushButton* aceptar_ = nullptr;
    QPushButton* cancelar_ = nullptr;
};
