// The "Código de Prüfer de un árbol" window: the number of vertices, then
// the frame " Secuencia " with the element being asked and the sequence so
// far, over a Prufer model.
#pragma once

#include "gui/VistaModelo.h"
#include "ui/Prufer.h"

class CampoTeclado;
class QGroupBox;
class QLabel;
class QPushButton;

// Any way out that is not Aceptar cancels.
class PruferVista : public VistaDe<Prufer> {
public:
    explicit PruferVista(Prufer& modelo, QWidget* padre = nullptr);

    CampoTeclado* CampoVertices() const { return vertices_; }
    CampoTeclado* CampoElemento() const { return elemento_; }
    QPushButton* BotonAceptar() const { return aceptar_; }

private:
    void Refrescar();

    CampoTeclado* vertices_ = nullptr;
    CampoTeclado* elemento_ = nullptr;
    QGroupBox* marco_ = nullptr;
    QLabel* indicacion_ = nullptr;
    QLabel* secuencia_ = nullptr;
    QPushButton* aceptar_ = nullptr;
};
