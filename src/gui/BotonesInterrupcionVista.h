// The step window: the formatted trace so far beside "Continuar", "Fin" and
// "Imprimir", laid over the bottom of the main window where the trace pane is.
#pragma once

#include "gui/VentanaPaso.h"

class BotonesInterrupcion;

class BotonesInterrupcionVista : public VentanaPaso {
public:
    // `principal` is the main window the step window lies over.
    BotonesInterrupcionVista(BotonesInterrupcion& modelo, QWidget* principal, int altoTextoPx);

    // Escape and the window's own button continue the run.
    void done(int resultado) override;

protected:
    void keyPressEvent(QKeyEvent* evento) override;

private:
    BotonesInterrupcion& modelo_;
};
