// Lienzo: the drawing surface of the work area, in twips (1440 per inch,
// x to the right, y downwards). The drawing code sees only this interface.
#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <cstdint>
#include <optional>

class Lienzo {
public:
    // How lines and circles combine with what is already there. Invertir is
    // the not-XOR pen: drawing the same thing twice restores the surface,
    // which is how a drag or a rubber band is drawn and taken away again.
    // Borrar takes a shape away: a surface that remembers its picture shows
    // it as if that shape (in any colour or width) had never been drawn; one
    // that does not paints it over in the background colour.
    enum class Pluma { Copiar, Invertir, Borrar };

    // What the primitives drawn next stand for. A surface that writes the
    // picture as named objects (LienzoTikz) needs to know which circle is
    // vertex k and which line is the edge a-b; Dibujo says so before drawing
    // them, a memory keeps it with each primitive and hands it on when it
    // draws again, and every other surface ignores it. It takes no part in
    // comparing or taking away shapes.
    struct Objeto {
        enum class Clase : std::uint8_t { Ninguno, Vertice, Arista, Peso, Etiqueta };
        Clase clase = Clase::Ninguno;
        std::int16_t a = 0; // the vertex; an edge's end it is drawn from
        std::int16_t b = 0; // an edge's other end
        bool operator==(const Objeto&) const = default;
    };

    // A pixel of a 96-dpi screen, in twips.
    static constexpr double TwipsPorPixel = 15;

    virtual ~Lienzo() = default;

    virtual void Limpiar() = 0;
    // Outline in the current colour and width; relleno paints the inside solid.
    virtual void Circulo(QPointF centro, double radio, std::optional<QColor> relleno) = 0;
    virtual void Linea(QPointF desde, QPointF hasta) = 0;
    // esquina is the top-left corner of the text's line box.
    virtual void Texto(QPointF esquina, const QString& texto, double puntos, bool negrita) = 0;

    // Confines what is drawn next, a clearing included, to a rectangle in
    // twips; nullopt lifts it. Surfaces that cannot confine draw everywhere.
    virtual void Recortar(std::optional<QRectF> zona) { (void)zona; }

    // Size of the surface in twips.
    virtual int Ancho() const = 0;
    virtual int Alto() const = 0;

    QColor ColorFrente() const { return frente_; }
    void PonerColorFrente(const QColor& color) { frente_ = color; }
    // In pixels, as the person sees them on screen.
    int AnchoLinea() const { return anchoLinea_; }
    void PonerAnchoLinea(int pixeles) { anchoLinea_ = pixeles; }
    Pluma ModoPluma() const { return pluma_; }
    void PonerModoPluma(Pluma pluma) { pluma_ = pluma; }
    const Objeto& Anotacion() const { return objeto_; }
    void Anotar(Objeto objeto) { objeto_ = objeto; }
    // The window keeps the drawing when it is covered and uncovered while
    // this is on; a surface backed by an image always keeps it anyway.
    bool DibujoPersistente() const { return persistente_; }
    void PonerDibujoPersistente(bool activo) { persistente_ = activo; }

private:
    QColor frente_ = Qt::black;
    int anchoLinea_ = 1;
    Pluma pluma_ = Pluma::Copiar;
    Objeto objeto_;
    bool persistente_ = true;
};
