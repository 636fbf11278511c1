// What the two step windows share: a frameless window laid over the bottom
// of the main window, its text pane as tall as the trace pane it covers and
// three buttons stacked on the pane's right; it stays in front while the
// run waits in it.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <vector>

class QPushButton;
class QTextDocument;
class QTextEdit;

struct BotonPaso {
    QString rotulo;
    std::function<void()> accion;
};

class VentanaPaso : public QDialog {
public:
    // `principal` is the main window the step window lies over.
    VentanaPaso(QWidget* principal, QTextDocument& texto);

protected:
    // Places the window and its text pane and makes the buttons, top to
    // bottom; returns them in that order.
    std::vector<QPushButton*> Colocar(QWidget* principal, int altoTextoPx,
                                      const std::vector<BotonPaso>& botones);
    // Scrolls the text to this position.
    void LlevarCursor(int posicion);
    void changeEvent(QEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

    QTextEdit* texto_ = nullptr;
};
