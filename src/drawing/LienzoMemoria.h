// A surface that draws on another and remembers everything drawn since it was
// last cleared, so the same picture — a run's highlights included — can be
// drawn again on another surface at any resolution (the printed page) or put
// back later, and a shape can be taken out of it as if it had never been
// drawn.
//
// Each primitive keeps what it stood for (Lienzo::Anotacion) and hands it on
// when drawn again, so a copy on a surface that names vertices and edges
// (LienzoTikz) names them too.
//
// What is drawn with the inverting pen does not reach the picture: it is a
// moving part (a dragged vertex, a rubber band), kept apart until the same
// thing is drawn again with that pen, and shown over the picture by whoever
// shows it (SuperficieArea).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <unordered_map>
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
    // Clears otro and draws on it what this surface holds, moving parts last.
    void Repetir(Lienzo& otro) const;
    // Draws the moving parts on otro, over whatever it holds.
    void RepetirMoviles(Lienzo& otro) const;
    bool HayMoviles() const { return !moviles_.empty(); }

    // The picture as it stands, to be put back later. Primitives are only
    // added between clearings, so it shares them with the surface and costs
    // a few bytes however much was drawn.
    class Instantanea;
    Instantanea Recordar() const;
    // Puts a remembered picture back: drawn again on the surface below, only
    // where it differs from the current one, and remembered as the current
    // one, without moving parts. A picture past the memory's limit cannot be
    // drawn again and leaves the surface as it is.
    void Restaurar(const Instantanea& foto);
    // Clears otro and draws a remembered picture on it, leaving this surface
    // as it is (a page of a handout); nothing when that picture was not all
    // remembered.
    static void Repetir(const Instantanea& foto, Lienzo& otro);
    // What `dibujar` draws on a cleared surface of this size, remembered
    // without being painted anywhere: a picture to put back.
    Instantanea Grabar(const std::function<void(Lienzo&)>& dibujar) const;

    // Paints again on the destination, from memory, where shapes were taken
    // away since the last call, and all of it after a clearing: the
    // destination's picture is only whole once this is called.
    void Reponer();
    // Changes with every primitive and every clearing.
    std::uint64_t Version() const { return version_; }
    // The rectangle (twips) that may look different since the last call,
    // moving parts included; the whole surface after a clearing.
    QRectF TomarCambios();

private:
    struct Estado {
        QColor color;
        int ancho;
        bool operator==(const Estado&) const = default;
    };
    struct CirculoT {
        QPointF centro;
        double radio;
        std::optional<QColor> relleno;
        bool operator==(const CirculoT&) const = default;
    };
    struct LineaT {
        QPointF desde, hasta;
        bool operator==(const LineaT&) const = default;
    };
    struct TextoT {
        QPointF esquina;
        QString texto;
        double puntos;
        bool negrita;
        bool operator==(const TextoT&) const = default;
    };
    // Where a shape taken away was, until the list is tidied: positions stay
    // put, so the index below holds.
    struct Hueco {
        bool operator==(const Hueco&) const = default;
    };
    using Forma = std::variant<CirculoT, LineaT, TextoT, Hueco>;
    struct Trazo {
        Estado estado;
        Forma forma;
        // Kept to be handed on, never compared: the same shape is the same
        // to the picture whatever it stood for.
        Objeto objeto;
        bool operator==(const Trazo& otro) const { return estado == otro.estado && forma == otro.forma; }
    };

    static void Dibujar(const Trazo& t, Lienzo& s);
    // Clears s and draws the first `cuenta` shapes on it.
    static void Trazar(const std::vector<Trazo>& trazos, std::size_t cuenta, Lienzo& s);
    // Room around a shape for its width and smoothing, in twips.
    static double Margen(const Estado& e);
    // What a shape may touch, in twips.
    static QRectF Alcance(const Trazo& t);
    // The same more closely, as pieces: a long line's bounds would take in
    // much of what it crosses.
    static void Piezas(const Trazo& t, std::vector<QRectF>& piezas);
    static bool Cerca(const Trazo& t, const QRectF& pieza);
    void Tratar(Forma forma);
    void Guardar(Trazo trazo);
    void Quitar(const Forma& forma);
    // Equal shapes have equal keys (coordinates compare exactly: a shape is
    // taken away as it was drawn, by the same calculation).
    static std::size_t Clave(const Forma& forma);
    // The list becomes the surface's own, without holes, and is indexed again.
    void Propia();
    void Indexar();
    void Alternar(const Trazo& trazo);
    void Cambio(const QRectF& zona) { cambios_ = cambios_.united(zona); }
    // Where t lay is to be painted again from memory.
    void Borrado(const Trazo& t);
    // Whether all of alcance will be painted again from memory.
    bool PorReponer(const QRectF& alcance) const;
    // So is where the picture of foto may differ from the current one.
    void BorrarDiferencias(const Instantanea& foto);

    Lienzo& destino_;
    // What was drawn since the last clearing is the first `cuenta_` of
    // these; pictures remembered earlier may share them.
    std::shared_ptr<std::vector<Trazo>> trazos_ = std::make_shared<std::vector<Trazo>>();
    std::size_t cuenta_ = 0;
    // Where each shape of the first cuenta_ is, by key, so that taking one
    // away does not walk the whole list; and how many holes there are.
    std::unordered_multimap<std::size_t, std::size_t> indice_;
    bool indexado_ = true;
    std::size_t huecos_ = 0;
    std::vector<Trazo> moviles_;
    bool completa_ = true;
    std::vector<QRectF> borrado_; // to paint again from memory
    QRectF cambios_;              // since TomarCambios
    std::uint64_t version_ = 0;
};

class LienzoMemoria::Instantanea {
    friend class LienzoMemoria;

public:
    // Whether all of the picture was remembered, so it can be drawn again.
    bool Entera() const { return completa; }

private:
    std::shared_ptr<std::vector<Trazo>> trazos;
    std::size_t cuenta = 0;
    bool completa = true;
};
