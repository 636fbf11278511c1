// The printer as the print dialog sees it: an orientation, pictures placed in
// twips on a page, documents ended or abandoned, and a rich-text document
// printed whole. Every call that can fail says so, so the dialog can stop.
#pragma once

#include <QImage>
#include <QRectF>
#include <QString>
#include <functional>

class QPainter;
class QTextDocument;

class Impresora {
public:
    virtual ~Impresora() = default;

    // 1 portrait, 2 landscape.
    virtual void Orientacion(int orientacion) = 0;
    // Draws the picture scaled into this rectangle (twips from the page's
    // top left), opening a document and its first page when none is open.
    virtual bool DibujarImagen(const QImage& imagen, const QRectF& twips) = 0;
    // The same with a drawing in vectors, `dibujar` painting it with the
    // page's painter: a drawing `medida` twips in size, at the device's
    // resolution from the painter's origin, lands on the rectangle.
    using Figuras = std::function<void(QPainter&)>;
    virtual bool DibujarFiguras(const Figuras& dibujar, QSizeF medida, const QRectF& twips) = 0;
    virtual bool FinDocumento() = 0;
    virtual void AbandonarDocumento() = 0;
    virtual bool ImprimirTexto(const QTextDocument& texto) = 0;

    // A handout puts a step on one page: its header line at the top of the
    // page in hand (the one its picture opened), and its text laid out as
    // ImprimirTexto lays it out, within a rectangle (twips) of that page.
    // Text taller than the rectangle keeps its end, from the start of a
    // line: where the step window scrolls to.
    virtual bool Encabezado(const QString& texto) = 0;
    virtual bool ImprimirTextoEn(const QTextDocument& texto, const QRectF& twips) = 0;
};

// What a machine without a printer offers: every job fails.
class ImpresoraAusente : public Impresora {
public:
    void Orientacion(int) override {}
    bool DibujarImagen(const QImage&, const QRectF&) override { return false; }
    bool DibujarFiguras(const Figuras&, QSizeF, const QRectF&) override { return false; }
    bool FinDocumento() override { return false; }
    void AbandonarDocumento() override {}
    bool ImprimirTexto(const QTextDocument&) override { return false; }
    bool Encabezado(const QString&) override { return false; }
    bool ImprimirTextoEn(const QTextDocument&, const QRectF&) override { return false; }
};
