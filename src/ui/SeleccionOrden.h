// The order of a sequential colouring chosen by clicking: while it is being
// chosen the window is locked, a click on a vertex adds it to the order
// (once), marks it and lists it in the trace, and the last vertex starts the
// colouring as "Orden predeterminado" does, in the order clicked.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "run/Algoritmo.h"

class EstadoPrincipal;

class SeleccionOrden {
public:
    // colorear starts the sequential colouring with the answers given.
    SeleccionOrden(EstadoPrincipal& ventana, std::function<void(const Parametros&)> colorear);

    // "Orden definido por el usuario".
    void Empezar();
    bool Activa() const;
    bool Elegido(int v) const;

    // A click on vertex v while the order is being chosen.
    void Elegir(int v);
    // Escape: no order, no colouring; the menus and the drawing as before.
    void Abandonar();
    // The pointer moved: the vertices it enters and leaves are drawn again,
    // the chosen ones left as they are.
    void RedibujarBajoCursor();

private:
    void Marcar(int v);
    void Apuntar(int v);
    void FinSeleccionOrden();
    // The trace emptied and the chosen marks gone.
    void Dejar();

    EstadoPrincipal& p_;
    std::function<void(const Parametros&)> colorear_;
    std::vector<std::int16_t> orden_;
    std::vector<bool> elegido_; // by vertex, from 1
};
