// The "Opciones de Impresión" window over an Imprimir model: what to print,
// the orientation with its two pictures, the copies with their arrows,
// Aceptar, Cancelar and saving as PDF.
#pragma once

#include <QDialog>

class Imprimir;
class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QToolButton;

class ImprimirVista : public QDialog {
public:
    explicit ImprimirVista(Imprimir& modelo, QWidget* padre = nullptr);
    ~ImprimirVista() override;

    QCheckBox* Check1() const { return check1_; }
    QCheckBox* Check2() const { return check2_; }
    QButtonGroup* Orientaciones() const { return orientaciones_; }
    QLineEdit* Text1() const { return text1_; }
    QToolButton* Up() const { return up_; }
    QToolButton* Down() const { return down_; }
    QPushButton* BotonAceptar() const { return aceptar_; }
    QPushButton* BotonPdf() const { return pdf_; }

    // Any way out other than printing (Escape, the window's button) cancels.
    void done(int resultado) override;

private:
    QWidget* CrearMarcoImprimir();
    QWidget* CrearMarcoOrientacion();
    QWidget* CrearCopias();
    void Refrescar();

    Imprimir& modelo_;
    QCheckBox* check1_ = nullptr;
    QCheckBox* check2_ = nullptr;
    QButtonGroup* orientaciones_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QToolButton* up_ = nullptr;
    QToolButton* down_ = nullptr;
    QPushButton* aceptar_ = nullptr;
    QPushButton* pdf_ = nullptr;
};
