// The "Estadísticas del Grafo" window: the labels and the degree sequence of
// an Estadisticas model, placed where the model says, and Aceptar.
#pragma once

#include <QDialog>
#include <array>

#include "algorithms/Estadisticas.h"

class QFrame;
class QLabel;
class QPushButton;

class EstadisticasVista : public QDialog {
public:
    explicit EstadisticasVista(Estadisticas& modelo, QWidget* padre = nullptr);

    QLabel* Dato(int fila) const { return datos_[fila]; }
    QLabel* EtiqGrado(int i) const { return grados_[i]; }
    QFrame* Cuadro3() const { return cuadro3_; }
    QPushButton* BotonAceptar() const { return aceptar_; }

    // Every way out (Aceptar, Escape, the window's button) closes the model.
    void done(int resultado) override;

private:
    Estadisticas& modelo_;
    std::array<QLabel*, 4> datos_{};
    std::array<QLabel*, Estadisticas::EtiquetasGrado> grados_{};
    QFrame* cuadro3_ = nullptr;
    QPushButton* aceptar_ = nullptr;
};
