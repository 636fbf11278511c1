// The keyboard on the work area does what the mouse does there, through the
// same editor and so with the same rules and undo: a focus ring moves from
// element to element (the pointer's hover mark, drawn where the element is),
// and each key is a press, a move or a release of the mouse on the focused
// element. Vertices come first, in number order, then the edges as the
// matrix lists them.
#pragma once

#include <QPointF>
#include <optional>

class EdicionRaton;
class EstadoPrincipal;

class EdicionTeclado {
public:
    enum class Tecla { Siguiente, Anterior, Izquierda, Derecha, Arriba, Abajo, Insertar, Intro, Escape, Suprimir, F2 };

    EdicionTeclado(EstadoPrincipal& ventana, EdicionRaton& raton) : p_(ventana), raton_(raton) {}

    // False when the key is not the work area's: Tab past the last element
    // (or Shift+Tab before the first) leaves it, so that the keyboard is
    // never trapped; so does every key while a run takes no clicks. `fino`
    // (Shift with an arrow) moves a vertex by one pixel instead of ten.
    bool Pulsar(Tecla tecla, bool fino = false);
    // The focus went elsewhere: no ring, no edge half drawn.
    void Soltar();

    // The focused vertex (1..n), or 0; the focused edge's code, or 0.
    int Vertice() const;
    int Arista() const;
    // Pixels of a vertex's move by the arrows, in twips.
    static constexpr double Paso = 150, PasoFino = 15;

private:
    int Elementos() const;
    bool Editando() const;
    bool EsperaClic() const;
    std::optional<QPointF> Punto() const;
    bool Mover(int cambio);
    void Enfocar();
    void Clic();
    bool Desplazar(double dx, double dy);
    bool Insertar();
    bool Intro();
    bool Escape();
    bool Suprimir();
    bool CambiarPeso();

    EstadoPrincipal& p_;
    EdicionRaton& raton_;
    int foco_ = -1; // 0..Elementos()-1, or -1 for none
    bool aristaEmpezada_ = false;
};
