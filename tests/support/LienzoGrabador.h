// A Lienzo for tests that keeps every primitive with the pen state it was
// drawn with, so a test can say what was drawn where and how.
#pragma once

#include <QColor>
#include <QPointF>
#include <QString>
#include <optional>
#include <vector>

#include "drawing/Lienzo.h"

struct Primitiva {
    enum class Tipo { Limpiar, Circulo, Linea, Texto };
    Tipo tipo = Tipo::Limpiar;
    QPointF a; // circle centre, line start, text corner
    QPointF b; // line end
    double radio = 0;
    std::optional<QColor> relleno;
    QString texto;
    double puntos = 0;
    bool negrita = false;
    // The pen state at the time.
    QColor color;
    int ancho = 0;
    Lienzo::Pluma pluma = Lienzo::Pluma::Copiar;
};

class LienzoGrabador : public Lienzo {
public:
    using Tipo = Primitiva::Tipo;
    static Primitiva Nueva(Tipo tipo)
    {
        Primitiva p;
        p.tipo = tipo;
        return p;
    }
    std::vector<Primitiva> primitivas;

    void Limpiar() override { Guardar(Nueva(Tipo::Limpiar)); }
    void Circulo(QPointF centro, double radio, std::optional<QColor> relleno) override
    {
        Primitiva p = Nueva(Tipo::Circulo);
        p.a = centro;
        p.radio = radio;
        p.relleno = relleno;
        Guardar(p);
    }
    void Linea(QPointF desde, QPointF hasta) override
    {
        Primitiva p = Nueva(Tipo::Linea);
        p.a = desde;
        p.b = hasta;
        Guardar(p);
    }
    void Texto(QPointF esquina, const QString& texto, double puntos, bool negrita) override
    {
        Primitiva p = Nueva(Tipo::Texto);
        p.a = esquina;
        p.texto = texto;
        p.puntos = puntos;
        p.negrita = negrita;
        Guardar(p);
    }
    int Ancho() const override { return 9000; }
    int Alto() const override { return 6000; }

    std::vector<Primitiva> DeTipo(Tipo tipo) const
    {
        std::vector<Primitiva> elegidas;
        for (const Primitiva& p : primitivas)
            if (p.tipo == tipo)
                elegidas.push_back(p);
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
