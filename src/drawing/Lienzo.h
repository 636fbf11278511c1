// Lienzo: the drawing surface of the work area, in twips (1440 per inch,
// x to the right, y downwards). The drawing code sees only this interface.
#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>
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
    // The window keeps the drawing when it is covered and uncovered while
    // this is on; a surface backed by an image always keeps it anyway.
    bool DibujoPersistente() const { return persistente_; }
    void PonerDibujoPersistente(bool activo) { persistente_ = activo; }

private:
    QColor frente_ = Qt::black;
    int anchoLinea_ = 1;
    Pluma pluma_ = Pluma::Copiar;
    bool persistente_ = true;
};
