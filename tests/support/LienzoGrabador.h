// A Lienzo for tests that keeps every primitive with the pen state it was drawn with, so a test can say what
// was drawn where and how.
#pragma once

#include <QColor>
#include <QPointF>
#include <QString>
#include <algorithm>
#include <iterator>
#include <optional>
#include <vector>

#include "drawing/Lienzo.h"

struct Primitiva {
    enum class Tipo { Limpiar, Circulo, Linea, Texto };
    Tipo tipo = Tipo::Limpiar;
    QPointF a{}; // circle centre, line start, text corner
    QPointF b{}; // line end
    double radio = 0;
    std::optional<QColor> relleno{};
    QString texto{};
    double puntos = 0;
    bool negrita = false;
    // The pen state at the time.
    QColor color{};
    int ancho = 0;
    Lienzo::Pluma pluma = Lienzo::Pluma::Copiar;
};

class LienzoGrabador : public Lienzo {
public:
    using Tipo = Primitiva::Tipo;
    std::vector<Primitiva> primitivas;

    void Limpiar() override { Guardar({}); }
    void Circulo(QPointF centro, double radio, std::optional<QColor> relleno) override
    {
        Guardar({.tipo = Tipo::Circulo, .a = centro, .radio = radio, .relleno = relleno});
    }
    void Linea(QPointF desde, QPointF hasta) override { Guardar({.tipo = Tipo::Linea, .a = desde, .b = hasta}); }
    void Texto(QPointF esquina, const QString& texto, double puntos, bool negrita) override
    {
        Guardar({.tipo = Tipo::Texto, .a = esquina, .texto = texto, .puntos = puntos, .negrita = negrita});
    }
    int Ancho() const override { return 9000; }
    int Alto() const override { return 6000; }

    std::vector<Primitiva> DeTipo(Tipo tipo) const
    {
        std::vector<Primitiva> elegidas;
        std::ranges::copy_if(primitivas, std::back_inserter(elegidas), [&](auto& p) { return p.tipo == tipo; });
        return elegidas;
    }
    std::vector<Primitiva> Lineas() const { return DeTipo(Tipo::Linea); }
    std::vector<Primitiva> Textos() const { return DeTipo(Tipo::Texto); }
    std::vector<Primitiva> Circulos() const { return DeTipo(Tipo::Circulo); }
    void Olvidar() { primitivas.clear(); }

private:
    // Stores a primitive with the pen state of the moment.
    void Guardar(Primitiva p)
    {
        p.color = ColorFrente();
        p.ancho = AnchoLinea();
        p.pluma = ModoPluma();
        primitivas.push_back(p);
    }
};
