// The step window: the formatted trace so far beside "Continuar", "Fin" and
// "Imprimir", laid over the bottom of the main window where the trace pane
// is; with the run's history, "< Anterior" and "Siguiente >" beside them.
#pragma once

#include <functional>

#include "gui/VentanaPaso.h"

class BotonesInterrupcion;

class BotonesInterrupcionVista : public VentanaPaso {
public:
    // `principal` is the main window the step window lies over; `refrescar`
    // shows its work area again once an earlier step's picture is put back.
    BotonesInterrupcionVista(BotonesInterrupcion& modelo, QWidget* principal, int altoTextoPx,
                             std::function<void()> refrescar = {});

    // Escape and the window's own button continue the run.
    void done(int resultado) override;

protected:
    void keyPressEvent(QKeyEvent* evento) override;

private:
    // Carries out a button and shows what it left, or closes.
    void Pulsar(void (BotonesInterrupcion::*accion)());
    // Closes once the run goes on, else shows what is left.
    void Seguir();
    void Mostrar();

    BotonesInterrupcion& modelo_;
    std::function<void()> refrescar_;
};
