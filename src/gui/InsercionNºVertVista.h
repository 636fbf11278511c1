// The number-entry window: caption and labels chosen by the caller, the
// filtered entry box and the two buttons of an InsercionNºVert model.
#pragma once

#include <QDialog>

class InsercionNºVert;
class CampoTeclado;
class QPushButton;

class InsercionNºVertVista : public QDialog {
public:
    explicit InsercionNºVertVista(InsercionNºVert& modelo, QWidget* padre = nullptr);

    CampoTeclado* Campo() const { return campo_; }
    QPushButton* BotonAceptar() const { return aceptar_; }

    // Any way out that is not Aceptar (Escape, the window's button) cancels,
    // which returns 0 to the caller.
    void done(int resultado) override;

private:
    void Teclear(int codigo);
    void Aceptar();
    void Cancelar();
    void Refrescar();

    InsercionNºVert& modelo_;
    CampoTeclado* campo_ = nullptr;
    QPushButton* aceptar_ = nullptr;
};
