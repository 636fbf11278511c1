// The "Voltear y Girar" window: the three choices, the three angles (usable
// only for a turn) and Aceptar / Cancelar over a GirarVoltear model.
#pragma once

#include <QDialog>

class GirarVoltear;
class QButtonGroup;
class QPushButton;

class GirarVoltearVista : public QDialog {
public:
    explicit GirarVoltearVista(GirarVoltear& modelo, QWidget* padre = nullptr);
    ~GirarVoltearVista() override;

    QButtonGroup* Opciones() const { return opciones_; }
    QButtonGroup* Angulos() const { return angulos_; }
    QPushButton* BotonAceptar() const { return aceptar_; }

    // Any way out that is not Aceptar (Escape, the window's button) cancels.
    void done(int resultado) override;

private:
    QButtonGroup* CrearGrupo(QWidget* marco, int cuantos, QString (*texto)(int));
    void Aceptar();
    void Refrescar();

    GirarVoltear& modelo_;
    QButtonGroup* opciones_ = nullptr;
    QButtonGroup* angulos_ = nullptr;
    QPushButton* aceptar_ = nullptr;
    bool aceptado_ = false;
};
