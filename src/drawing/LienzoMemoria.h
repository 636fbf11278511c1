// A surface that draws on another and remembers everything drawn since it was
// last cleared, so the same picture — a run's highlights included — can be
// drawn again on another surface at any resolution (the printed page).
#pragma once

#include <memory>
#include <variant>
#include <vector>

#include "drawing/Lienzo.h"

class LienzoMemoria : public Lienzo {
public:
    // Past this many primitives without a clearing the memory gives up (a
    // very long session of hovering): the picture is then only on screen.
    static constexpr std::size_t MaxTrazos = 200000;

    explicit LienzoMemoria(Lienzo& destino) : destino_(destino) {}

    void Limpiar() override;
    void Circulo(QPointF centro, double radio, std::optional<QColor> relleno) override;
    void Linea(QPointF desde, QPointF hasta) override;
    void Texto(QPointF esquina, const QString& texto, double puntos, bool negrita) override;
    int Ancho() const override { return destino_.Ancho(); }
    int Alto() const override { return destino_.Alto(); }

    // Whether everything since the last clearing is remembered.
    bool Completa() const { return completa_; }
    // Clears otro and draws on it what this surface holds.
    void Repetir(Lienzo& otro) const;

    // The picture as it stands, to be put back later. Primitives are only
    // added between clearings, so it shares them with the surface and costs
    // a few bytes however much was drawn.
    class Instantanea;
    Instantanea Recordar() const;
    // Puts a remembered picture back: drawn again on the surface below and
    // remembered as the current one. A picture past the memory's limit
    // cannot be drawn again and leaves the surface as it is.
    void Restaurar(const Instantanea& foto);

private:
    struct Estado {
        QColor color;
        int ancho;
        Pluma pluma;
    };
    struct CirculoT {
        QPointF centro;
        double radio;
        std::optional<QColor> relleno;
    };
    struct LineaT {
        QPointF desde, hasta;
    };
    struct TextoT {
        QPointF esquina;
        QString texto;
        double puntos;
        bool negrita;
    };
    struct Trazo {
        Estado estado;
        std::variant<CirculoT, LineaT, TextoT> forma;
    };

    // Hands the current colour, width and pen to s.
    void PasarEstado(Lienzo& s) const;
    static void Dibujar(const Trazo& t, Lienzo& s);
    void Guardar(std::variant<CirculoT, LineaT, TextoT> forma);

    Lienzo& destino_;
    // What was drawn since the last clearing is the first `cuenta_` of
    // these; pictures remembered earlier may share them.
    std::shared_ptr<std::vector<Trazo>> trazos_ = std::make_shared<std::vector<Trazo>>();
    std::size_t cuenta_ = 0;
    bool completa_ = true;
};

class LienzoMemoria::Instantanea {
    friend class LienzoMemoria;
    std::shared_ptr<std::vector<Trazo>> trazos;
    std::size_t cuenta = 0;
    bool completa = true;
};
