// A step window's play row: "Reproducir" / "Pausa", the pace in seconds per
// step and the timeline over the steps reached. While playing, a single-shot
// timer on the event loop asks the model for the next step once the pace
// has gone by; paused, nothing runs. Space plays or pauses, Home and End
// reach the first and the last step, and a step past the last one on the
// timeline (Right at its end) goes on with the run.
#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>

class MandoReproduccion;
class Reproduccion;
class QDoubleSpinBox;
class QPushButton;
class QSlider;

class ReproduccionVista : public QWidget {
public:
    // `ventana` is the step window; `trasMover` shows what a move left, or
    // closes the window when the run went on.
    ReproduccionVista(MandoReproduccion& mando, QWidget* ventana, std::function<void()> trasMover);

    // Follows the model: the caption, the timeline, the timer.
    void Mostrar();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void Mover(const std::function<void()>& accion);
    void Atajo(int tecla, std::function<void()> accion);

    MandoReproduccion& mando_;
    std::function<void()> trasMover_;
    QPushButton* boton_ = nullptr;
    QDoubleSpinBox* ritmo_ = nullptr;
    QSlider* linea_ = nullptr;
    QTimer reloj_;
};

// The pace as the person left it last time, and kept from now on.
void RecordarRitmo(Reproduccion& juego);
