// Dibujo: draws the graph record on a Lienzo as numbered circles, lines,
// half arrowheads and weights, with the editor's highlight colours.
// Immediate mode: nothing is kept; a highlight goes away when the element is
// drawn again in its normal colour or the graph is redrawn.
#pragma once

#include <QColor>
#include <QPointF>
#include <cstdint>
#include <optional>
#include <vector>

#include "drawing/Colores.h"
#include "drawing/Lienzo.h"

class Grafo;
class Lienzo;
struct Seleccion;

class Dibujo {
public:
    // Everything is read live through these references, owned by the caller:
    // the record, the surface, the editor's selection (with Moviendo) and the
    // run frame's DesdeMenu flag.
    Dibujo(const Grafo& grafo, Lienzo& lienzo, const Seleccion& seleccion, const bool& desdeMenu);

    Lienzo& Superficie() const { return lienzo_; }
    // Drawing colour k of the fifteen, 1..15.
    QColor Color(int k) const { return colores_.Color(k); }

    // Every edge, then every vertex so the circles cover the line ends.
    void DibujarGrafo(std::int16_t sinPeso);
    // etiqueta: a number written beside the edge instead of its weight (0 for
    // none); sinPeso: leave the weight out; paralelo 1 or 2 draws the edge
    // shifted to one side so the two arcs of a pair stay apart.
    void DibujarArista(int u, int v, const QColor& color, std::int16_t etiqueta, std::int16_t sinPeso, int paralelo);
    void DibujarAristaColor(int u, int v, const QColor& color);

    void DibujarVertice(int v, const QColor& color);
    void DibujarNumero(int v, const QColor& color);
    void DibujarVerticeRelleno(int v, const QColor& color);
    // A disc in palette entry p, as the colouring shows it; p outside 1..50
    // draws nothing.
    void PintarVertice(int v, int p);

private:
    // Tells the surface what the primitives drawn while it lives stand for,
    // and puts back what it said before.
    class Anotado {
    public:
        Anotado(Lienzo& lienzo, Lienzo::Objeto::Clase clase, int a, int b = 0);
        ~Anotado() { lienzo_.Anotar(antes_); }
        Anotado(const Anotado&) = delete;
        Anotado& operator=(const Anotado&) = delete;

    private:
        Lienzo& lienzo_;
        Lienzo::Objeto antes_;
    };

    void DibujarAristas(std::int16_t sinPeso);
    QPointF Centro(int v) const;
    // lado -1 or 1: one pass of a doubled edge, labelled on its own side;
    // deNuevo: it may be on the picture already, to be taken away before it
    // is written.
    void Etiqueta(int u, int v, std::int16_t etiqueta, std::int16_t sinPeso, int lado, bool deNuevo);
    QColor ColorDeArista(int a, int b, const QColor& normal) const;
    void PuntaInversa(int u, int v, double rumbo, QPointF inicio, const QColor& color);
    void Trazo(QPointF desde, QPointF hasta, const QColor& color);
    void Disco(int v, const QColor& contorno, std::optional<QColor> relleno);
    void Numero(int v, const QColor& color, double puntos, QPointF desplazamiento, bool negrita);

    const Grafo& grafo_;
    Lienzo& lienzo_;
    const Seleccion& seleccion_;
    const bool& desdeMenu_;
    Colores colores_;
};
