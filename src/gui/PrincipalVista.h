// The main window of Nodeva.
#pragma once

#include <QMainWindow>

class PrincipalVista : public QMainWindow {
    Q_OBJECT
public:
    explicit PrincipalVista(QWidget* padre = nullptr);
};
