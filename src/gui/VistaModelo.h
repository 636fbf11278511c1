// What the dialog windows that end with their model share: any way out that
// is not the model's own closing (Escape, the window's button) cancels the
// model, and once the model has closed the window ends, accepted or not as
// the model says.
#pragma once

#include <QDialog>

class VistaModelo : public QDialog {
public:
    void done(int resultado) override;

protected:
    explicit VistaModelo(QWidget* padre) : QDialog(padre) {}
    // Ends the window if the model has closed; called after every change
    // the window forwards to it.
    void CerrarSiCerrado();

    // The model's state and its Cancelar.
    virtual bool Cerrado() const = 0;
    virtual bool Aceptado() const = 0;
    virtual void CancelarModelo() = 0;
};

// The same over a model that has Cerrado, Aceptado and Cancelar.
template <typename Modelo> class VistaDe : public VistaModelo {
protected:
    VistaDe(Modelo& modelo, QWidget* padre) : VistaModelo(padre), modelo_(modelo) {}

    Modelo& modelo_;

private:
    bool Cerrado() const override { return modelo_.Cerrado(); }
    bool Aceptado() const override { return modelo_.Aceptado(); }
    void CancelarModelo() override { modelo_.Cancelar(); }
};
