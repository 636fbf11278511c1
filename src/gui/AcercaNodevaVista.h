// The About box: the program's presentation and a button that closes it.
#pragma once

#include <QDialog>

class AcercaNodevaVista : public QDialog {
public:
    explicit AcercaNodevaVista(QWidget* padre = nullptr);
};
