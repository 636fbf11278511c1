// LienzoTikz: the picture as TikZ, for a teacher's LaTeX. Vertices become
// \nodes named v1, v2, ..., an edge a line between those names where it runs
// from circle to circle (a shifted arc or an arrowhead keeps coordinates),
// weights and labels nodes of their own, each in the colour and width it was
// drawn with. The colours are defined once by name and the look is held in
// named styles (vertice, arista, peso, etiqueta, ...) at the top, so one line
// restyles the whole figure. One object a line, so a person can read it.
//
// It remembers what was drawn since the last clearing and writes what the
// screen shows at the end: a shape taken away with the erasing pen is gone,
// one drawn again over itself is written once, as it was drawn last, and
// what the inverting pen draws (a moving part) shows over the picture, as
// on screen, until the same is drawn again with that pen.
// Which primitive is which vertex or edge it learns from Lienzo::Anotacion.
// Twips become centimetres, 567 to the centimetre with two decimals, y
// turned upwards from the bottom of the surface (of at most 32767 twips, the
// furthest a position reaches); a text point is a point.
#pragma once

#include <QColor>
#include <QString>
#include <cstdint>
#include <vector>

#include "drawing/Lienzo.h"

class LienzoTikz : public Lienzo {
public:
    static constexpr double TwipsPorCentimetro = 567;

    // The size in twips the drawing is laid out on; y is turned within it.
    LienzoTikz(int ancho, int alto) : ancho_(ancho), alto_(alto) {}

    void Limpiar() override;
    void Circulo(QPointF centro, double radio, std::optional<QColor> relleno) override;
    void Linea(QPointF desde, QPointF hasta) override;
    void Texto(QPointF esquina, const QString& texto, double puntos, bool negrita) override;
    // Part of a picture cannot be cleared: a clearing inside a rectangle keeps
    // everything, and what is then drawn again over itself is written once.
    void Recortar(std::optional<QRectF> zona) override { recortado_ = zona.has_value(); }
    int Ancho() const override { return ancho_; }
    int Alto() const override { return alto_; }

    // The tikzpicture environment alone, to paste into a document that loads
    // tikz: its colours, styles and layers are declared inside it.
    QString Figura() const;
    // A standalone document holding Figura, ready for pdflatex.
    QString Documento() const;

private:
    struct Trazo {
        enum class Tipo : std::uint8_t { Circulo, Linea, Texto };
        Tipo tipo = Tipo::Linea;
        QPointF a{}, b{};  // circle centre, line start or text corner; line end
        double medida = 0; // circle radius, text points
        std::optional<QColor> relleno{};
        QString texto{};
        bool negrita = false;
        QColor color{};
        int ancho = 1;
        Objeto objeto{};
        bool MismaForma(const Trazo& otro) const;
    };
    // Turns the primitives into the picture's text.
    class Redaccion;

    void Tratar(Trazo trazo);

    int ancho_, alto_;
    bool recortado_ = false;
    std::vector<Trazo> trazos_;
    std::vector<Trazo> moviles_;
};
