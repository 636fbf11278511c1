// Dibujo: draws the graph record on a Lienzo as numbered circles, lines,
// half arrowheads and weights, with the editor's highlight colours.
// Immediate mode: nothing is kept; a highlight goes away when the element is
// drawn again in its normal colour or the graph is redrawn.
#pragma once

#include <QColor>
#include <QHash>
#include <QPointF>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "drawing/Colores.h"
#include "drawing/Lienzo.h"

class Grafo;
class Lienzo;
struct Seleccion;

// What a run's drawing colours mean on a vertex or an edge, in words, for
// whoever cannot see them: drawing colour k (1..15) means "visitado".
struct SignificadoColor {
    int color;
    QString vertice; // "" when the colour means nothing on a vertex
    QString arista;
};
using Leyenda = std::vector<SignificadoColor>;

class Dibujo {
public:
    // Everything is read live through these references, owned by the caller:
    // the record, the surface, the editor's selection (with Moviendo) and the
    // run frame's DesdeMenu flag.
    Dibujo(const Grafo& grafo, Lienzo& lienzo, const Seleccion& seleccion, const bool& desdeMenu);

    // A vertex circle's radius, in twips.
    static constexpr double Radio = 110;

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
    // Colour `color` of a colouring of k colours, as PintarVertice shows it;
    // the vertex is then said to have that colour.
    void Colorear(int v, int color, int k);

    // What the colours of the run in hand mean; nullptr when they mean
    // nothing in particular. The caller keeps it alive.
    void PonerLeyenda(const Leyenda* leyenda) { leyenda_ = leyenda; }
    // What the last drawing of a vertex or an edge shows beyond the plain
    // black, in words: the legend's word, "color 2" in a colouring, else
    // "resaltado en verde"; "" when it is drawn plain. A redrawing of the
    // whole graph makes every element plain.
    QString ResalteVertice(int v) const;
    QString ResalteArista(int a, int b) const;

private:
    struct Marca {
        QColor color; // invalid: plain
        int coloracion = 0;
    };
    void Marcar(int v, const QColor& color, int coloracion = 0);
    int ClaveArista(int a, int b) const;
    QString EnPalabras(const Marca& marca, bool deVertice) const;

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
    const Leyenda* leyenda_ = nullptr;
    std::vector<Marca> marcasVertice_;
    QHash<int, QColor> marcasArista_;
};
