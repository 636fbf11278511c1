// The colouring's step window over the trace pane and, for Brelaz, its side
// panel beside the work area: three columns (vertex, degree, saturation
// degree), the painted vertices' lines blanked out.
#pragma once

#include <QRect>
#include <functional>

#include "gui/VentanaPaso.h"

class BotonesColoracion;
class PanelBrelaz;
class QPushButton;

class PanelBrelazVista : public QWidget {
public:
    PanelBrelazVista(QWidget* padre, const QRect& lugar);
    void Mostrar(const PanelBrelaz& panel);

private:
    QTextEdit* columnas_[3] = {};
};

class BotonesColoracionVista : public VentanaPaso {
public:
    // `panel`: where Brelaz's panel goes on the screen; `refrescar` shows
    // the main window's work area after a vertex is painted.
    BotonesColoracionVista(BotonesColoracion& modelo, QWidget* principal, int altoTextoPx, const QRect& panel,
                           std::function<void()> refrescar);

private:
    void Pulsar(void (BotonesColoracion::*accion)());
    // Paints what the step left, and closes once every vertex is painted.
    void Seguir();
    void Mostrar();

    BotonesColoracion& modelo_;
    std::function<void()> refrescar_;
    PanelBrelazVista* panel_ = nullptr;
    QPushButton* continuar_ = nullptr;
};
