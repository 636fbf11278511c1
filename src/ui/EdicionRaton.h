// Editing on the work area with the mouse: hover and selection marks, the
// vertex drag, the add-vertex and add-edge modes, and the Edit menu's
// commands with their undo records. Coordinates in twips.
#pragma once

#include <QPointF>
#include <cstdint>
#include <optional>

class EstadoPrincipal;

class EdicionRaton {
public:
    explicit EdicionRaton(EstadoPrincipal& ventana) : p_(ventana) {}

    void MouseMove(int boton, double x, double y);
    void MouseDown(int boton, double x, double y);
    void MouseUp(int boton, double x, double y);
    // The pointer has left the work area: nothing is under it any more.
    void PunteroFuera();
    // Nothing selected any more, as after a press on empty ground; the hover
    // marks stay where the pointer is.
    void QuitarSeleccion();

    void Añadir_Vertice();
    void Añadir_Arista();
    void Eliminar();
    void Cambiar_peso();
    void Ident_vertices();
    void Deshacer_Click();

    std::int16_t Origen() const { return origenArista_; }

private:
    bool Pulsado(const char* clave) const;
    void TerminarModo(const char* clave);
    void Arrastrar(int v, double x, double y);
    void DibujarConAristas(int v);
    void Goma(double x, double y);
    void SeguirPuntero();
    bool Sobrevolar();
    void Refrescar();
    void SeleccionActiva(bool activa);
    void AñadirVerticeEn(double x, double y);
    void TerminarArista(double x, double y);

    EstadoPrincipal& p_;
    std::optional<QPointF> puntero_; // its last place on the work area
    std::int16_t origenArista_ = 0;
    double xInicial_ = 0;
    std::int16_t yInicial_ = 0;
    double xFinal_ = 0;
    std::int16_t yFinal_ = 0;
};
