// LienzoImagen: the real drawing surface, a QPainter over any paint device
// (the work area's QImage, the printer, an SVG or PNG export), antialiased.
#pragma once

#include <QPainter>

#include "drawing/Lienzo.h"

class QPaintDevice;

class LienzoImagen : public Lienzo {
public:
    // The device must outlive the surface. On an image, pixmap or widget a
    // pixel is 15 twips (96 dpi) times the device pixel ratio; on a printer or
    // an SVG generator twips follow the device's resolution.
    explicit LienzoImagen(QPaintDevice& dispositivo);
    ~LienzoImagen() override;
    LienzoImagen(const LienzoImagen&) = delete;
    LienzoImagen& operator=(const LienzoImagen&) = delete;

    // Ends painting so the device can be shown, saved or finished (an SVG
    // file is written here). The next primitive starts painting again.
    void Terminar();

    void Limpiar() override;
    void Circulo(QPointF centro, double radio, std::optional<QColor> relleno) override;
    void Linea(QPointF desde, QPointF hasta) override;
    void Texto(QPointF esquina, const QString& texto, double puntos, bool negrita) override;
    int Ancho() const override;
    int Alto() const override;

    // "Arial" when the system has it, else its metric twin "Liberation Sans",
    // so the text offsets measured for Arial still land where they should.
    static QString FamiliaFuente();

private:
    QPainter& Pintor();
    QPointF Pixeles(QPointF twips) const { return twips * pixelesPorTwip_ + origen_; }
    void PrepararTrazo(QPainter& pintor, const QBrush& relleno);

    QPaintDevice& dispositivo_;
    QPainter pintor_;
    double dpi_;
    double pixelesPorTwip_;
    double pixelesPorPunto_; // a line-width pixel is a 96-dpi pixel on any device
    QPointF origen_;         // see the constructor
    QString familia_;
};
