// The "Identificar Vértices" window: two drop-down lists and two buttons
// showing an IdentificarVert model.
#pragma once

#include <QDialog>

class IdentificarVert;
class QComboBox;
class QPushButton;

class IdentificarVertVista : public QDialog {
public:
    explicit IdentificarVertVista(IdentificarVert& modelo, QWidget* padre = nullptr);

    QComboBox* Combo1() const { return combo1_; }
    QComboBox* Combo2() const { return combo2_; }
    QPushButton* BotonAceptar() const { return aceptar_; }

    // Any way out that is not Aceptar (Escape, the window's button) cancels.
    void done(int resultado) override;

private:
    void Aceptar();
    void Cancelar();
    void Refrescar();

    IdentificarVert& modelo_;
    QComboBox* combo1_ = nullptr;
    QComboBox* combo2_ = nullptr;
    QPushButton* aceptar_ = nullptr;
};
