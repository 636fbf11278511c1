// What the two step windows share: a frameless window laid over the bottom
// of the main window, its text pane as tall as the trace pane it covers and
// three buttons stacked on the pane's right; with the run's history, a
// second column beside them goes back and forth through the steps, under
// the label "Paso k de m", and a third writes the handout of the steps. It stays in front while the run waits in it.
#pragma once

#include <QDialog>
#include <QKeySequence>
#include <QString>
#include <functional>
#include <vector>

class MandoReproduccion;
class PasoMostrado;
class ReproduccionVista;
class QLabel;
class QPushButton;
class QTextDocument;
class QTextEdit;

struct BotonPaso {
    QString rotulo;
    std::function<void()> accion;
    QKeySequence atajo = {};
};

class VentanaPaso : public QDialog {
public:
    // `principal` is the main window the step window lies over.
    VentanaPaso(QWidget* principal, QTextDocument& texto);

protected:
    // A column of its own, right of the others, with the button that writes
    // the handout of the steps; asked for before Colocar.
    void OfrecerFolleto(QString rotulo, std::function<void()> guardar);
    // The main menu's Archivo > Exportar… shortcut, Ctrl+E, works over the
    // step shown: the menus are locked while a run goes on.
    void AtajoExportar(std::function<void()> exportar);
    // Places the window and its text pane and makes the buttons, top to
    // bottom, and the buttons that go through the steps (from `pasos`) in a
    // column of their own; returns the first ones in order.
    std::vector<QPushButton*> Colocar(QWidget* principal, int altoTextoPx, const std::vector<BotonPaso>& botones,
                                      PasoMostrado* pasos = nullptr, std::function<void()> alMoverse = {});
    // A row under the text to play the run and reach any step on a
    // timeline; `trasMover` as the window's own buttons end.
    void ColocarReproduccion(MandoReproduccion& mando, std::function<void()> trasMover);
    // The text of the step shown, scrolled to this position; the label and
    // the two step buttons follow the step.
    void MostrarTexto(QTextDocument& texto, int posicion);
    // Scrolls the text to this position.
    void LlevarCursor(int posicion);
    void changeEvent(QEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

    QTextEdit* texto_ = nullptr;

private:
    void ColocarPasos(int izquierda, int anchoColumna, int altoBoton, std::function<void()> alMoverse);

    void ColocarFolleto(int izquierda, int anchoColumna, int altoBoton);

    BotonPaso folleto_;
    PasoMostrado* pasos_ = nullptr;
    QLabel* etiqueta_ = nullptr;
    QPushButton* anterior_ = nullptr;
    QPushButton* siguiente_ = nullptr;
    ReproduccionVista* reproduccion_ = nullptr;
};
