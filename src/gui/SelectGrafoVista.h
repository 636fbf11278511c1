// The "Tipo de Grafo" window: four option buttons and Aceptar showing a
// SelectGrafo model. However the window closes, the chosen type is applied.
#pragma once

#include <QDialog>

class SelectGrafo;
class QButtonGroup;

class SelectGrafoVista : public QDialog {
public:
    explicit SelectGrafoVista(SelectGrafo& modelo, QWidget* padre = nullptr);

    QButtonGroup* Opciones() const { return opciones_; }

    void done(int resultado) override;

private:
    SelectGrafo& modelo_;
    QButtonGroup* opciones_ = nullptr;
};
