// The "Ayuda" window: a topic's title over its document, read-only, and
// "Salir", sized for the screen as an Ayuda model says.
#pragma once

#include <QDialog>

#include "ui/Ayuda.h"

class QLabel;
class QPushButton;
class QTextEdit;

class AyudaVista : public QDialog {
public:
    explicit AyudaVista(Ayuda& modelo, QWidget* padre = nullptr);

    QLabel* Titulo() const { return titulo_; }
    QTextEdit* Text1() const { return texto_; }

    void done(int resultado) override;

private:
    Ayuda& modelo_;
    QLabel* titulo_ = nullptr;
    QTextEdit* texto_ = nullptr;
};
