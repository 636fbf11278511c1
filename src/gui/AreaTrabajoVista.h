// The work area on screen: shows the picture the logic draws and hands the
// mouse to the editor in twips (15 per logical pixel).
#pragma once

#include <QWidget>
#include <functional>

class Principal;

class AreaTrabajoVista : public QWidget {
public:
    // `trasEvento` runs after every event handed on, so the window can show
    // what the logic changed (coordinates, commands, the drawing itself).
    AreaTrabajoVista(Principal& principal, std::function<void()> trasEvento, QWidget* padre = nullptr);

    static constexpr double TwipsPorPixel = 15.0;

    Principal& Ventana() const { return principal_; }

    // Repaints what the logic changed on the picture since last time, and
    // nothing else.
    void MostrarCambios();

protected:
    void paintEvent(QPaintEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void leaveEvent(QEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    bool focusNextPrevChild(bool siguiente) override;
    void focusOutEvent(QFocusEvent* evento) override;

private:
    enum class Accion { Bajar, Mover, Subir, Salir };
    void Pasar(Accion accion, int boton, QPointF punto);
    void SeguirEscala();
    void DespuesDeTecla();

    Principal& principal_;
    std::function<void()> trasEvento_;
    qreal escala_ = 0;
    QString nombreAccesible_; // what a screen reader was last told the graph is
};
