// A text box for the number-entry dialogs: every key goes to the dialog's
// model as a character code and the box only ever shows the model's text.
#pragma once

#include <QLineEdit>
#include <functional>

class QKeyEvent;

class CampoTeclado : public QLineEdit {
public:
    // `teclear` receives each key's code; `texto` gives what the box shows.
    CampoTeclado(std::function<void(int)> teclear, std::function<QString()> texto, QWidget* padre = nullptr);

    // Shows the model's text with the caret at its end.
    void Refrescar();

protected:
    void keyPressEvent(QKeyEvent* evento) override;

private:
    std::function<void(int)> teclear_;
    std::function<QString()> texto_;
};

// The character code a key stands for: its text, Enter as 13, Backspace as 8
// and the arrows as 37..40; 0 for keys without a character; -1 for Escape,
// which belongs to the dialog.
int CodigoDeTecla(const QKeyEvent& evento);
