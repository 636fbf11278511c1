// The "Menú de ayuda" window: the title, ten topic labels that turn blue
// under the pointer and open their topic when clicked, the two scroll
// buttons and "Salir", placed where a Menu_ayuda model says.
#pragma once

#include <QDialog>
#include <array>

#include "ui/Menu_ayuda.h"

class QLabel;
class QPushButton;
class QToolButton;

class Menu_ayudaVista : public QDialog {
public:
    explicit Menu_ayudaVista(Menu_ayuda& modelo, QWidget* padre = nullptr);

    QLabel* Opcion(int i) const { return opciones_[i]; }
    QToolButton* Subir() const { return subir_; }
    QToolButton* Bajar() const { return bajar_; }
    QPushButton* BotonSalir() const { return salir_; }

    // Closing the window by its frame or Escape leaves the help altogether.
    void done(int resultado) override;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;

private:
    QToolButton* CrearFlecha(bool arriba);
    void Refrescar();

    Menu_ayuda& modelo_;
    std::array<QLabel*, Menu_ayuda::Visibles> opciones_{};
    QToolButton* subir_ = nullptr;
    QToolButton* bajar_ = nullptr;
    QPushButton* salir_ = nullptr;
};
