// The weight dialog's window: the prompt, the filtered entry box and the two
// buttons of an AsignarPeso model.
#pragma once

#include <QDialog>

class AsignarPeso;
class CampoTeclado;
class QPushButton;

class AsignarPesoVista : public QDialog {
public:
    explicit AsignarPesoVista(AsignarPeso& modelo, QWidget* padre = nullptr);

    CampoTeclado* Campo() const { return campo_; }
    QPushButton* BotonAceptar() const { return aceptar_; }
    QPushButton* BotonCancelar() const { return cancelar_; }

    // Any way out that is not Aceptar (Escape, the window's button) cancels.
    void done(int resultado) override;

private:
    void Teclear(int codigo);
    void Aceptar();
    void Cancelar();
    void Refrescar();

    AsignarPeso& modelo_;
    CampoTeclado* campo_ = nullptr;
    QPushButton* aceptar_ = nullptr;
    QPushButton* cancelar_ = nullptr;
};
