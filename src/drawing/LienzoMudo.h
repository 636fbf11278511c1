// A surface of a given size that paints nothing: a memory over it only
// remembers, and a run whose picture nobody asked for (the command line)
// still lays out positions on the area the user gave.
#pragma once

#include "drawing/Lienzo.h"

class LienzoMudo : public Lienzo {
public:
    LienzoMudo(int ancho, int alto) : ancho_(ancho), alto_(alto) {}
    void Limpiar() override {}
    void Circulo(QPointF, double, std::optional<QColor>) override {}
    void Linea(QPointF, QPointF) override {}
    void Texto(QPointF, const QString&, double, bool) override {}
    int Ancho() const override { return ancho_; }
    int Alto() const override { return alto_; }

private:
    int ancho_, alto_;
};
