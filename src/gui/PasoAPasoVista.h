// The window that asks how to run an algorithm: "Paso a Paso" or "Completo".
#pragma once

#include <QDialog>

class PasoAPaso;
class QRadioButton;

class PasoAPasoVista : public QDialog {
public:
    explicit PasoAPasoVista(PasoAPaso& modelo, QWidget* padre = nullptr);

    // Every way out other than Aceptar cancels.
    void done(int resultado) override;

private:
    PasoAPaso& modelo_;
    QRadioButton* pasos_ = nullptr;
};
