// The step window: the formatted trace so far beside "Continuar", "Fin" and
// "Imprimir", laid over the bottom of the main window where the trace pane is.
#pragma once

#include <QDialog>

class BotonesInterrupcion;
class QTextEdit;

class BotonesInterrupcionVista : public QDialog {
public:
    // `principal` is the main window the step window lies over.
    BotonesInterrupcionVista(BotonesInterrupcion& modelo, QWidget* principal, int altoTextoPx);

    // Escape and the window's own button continue the run.
    void done(int resultado) override;

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void changeEvent(QEvent* evento) override;

private:
    void Colocar(QWidget* principal, int altoTextoPx);

    BotonesInterrupcion& modelo_;
    QTextEdit* texto_ = nullptr;
};
