// A work area of a given size that draws nothing: a run whose picture
// nobody asked for still lays out positions on the area the user gave,
// without painting an image of it.
#pragma once

#include "drawing/Lienzo.h"

class LienzoSinDibujo : public Lienzo {
public:
    LienzoSinDibujo(int ancho, int alto) : ancho_(ancho), alto_(alto) {}
    void Limpiar() override {}
    void Circulo(QPointF, double, std::optional<QColor>) override {}
    void Linea(QPointF, QPointF) override {}
    void Texto(QPointF, const QString&, double, bool) override {}
    int Ancho() const override { return ancho_; }
    int Alto() const override { return alto_; }

private:
    int ancho_, alto_;
};
