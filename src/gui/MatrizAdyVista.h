// The "Matriz de Adyacencia" window: the visible columns, their headers, the
// row headers and the four scroll arrows of a MatrizAdy model.
#pragma once

#include <QDialog>
#include <array>

#include "ui/MatrizAdy.h"

class QLabel;
class QToolButton;

class MatrizAdyVista : public QDialog {
public:
    explicit MatrizAdyVista(MatrizAdy& modelo, QWidget* padre = nullptr);

    QToolButton* Boton(MatrizAdy::Flecha flecha) const { return flechas_[static_cast<int>(flecha)]; }
    QLabel* Columna(int k) const { return columnas_[k]; }
    QLabel* Cabecera(int k) const { return cabeceras_[k]; }
    QLabel* Filas() const { return filas_; }

    void done(int resultado) override;

private:
    QWidget* CrearRecuadro();
    QToolButton* CrearFlecha(MatrizAdy::Flecha flecha);
    void Pulsar(MatrizAdy::Flecha flecha);
    void Refrescar();

    MatrizAdy& modelo_;
    std::array<QLabel*, MatrizAdy::MaxVisibles> columnas_{};
    std::array<QLabel*, MatrizAdy::MaxVisibles> cabeceras_{};
    QLabel* filas_ = nullptr;
    std::array<QToolButton*, 4> flechas_{};
};
