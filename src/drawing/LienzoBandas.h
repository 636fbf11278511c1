// LienzoBandas: the surface of a screen image that keeps what it is asked to
// draw until the image is wanted, and then paints a long list of it in
// horizontal bands at once, one per core. Each band has a painter of its own
// over the whole image, confined to the band: lines are then cut where a
// single painter would cut them, and every pixel comes out as one painter
// would leave it. A short list (a hover, a mark) is painted in one go.
#pragma once

#include <QImage>
#include <cstdint>
#include <memory>
#include <vector>

#include "drawing/LienzoImagen.h"

class LienzoBandas : public Lienzo {
public:
    // The image must outlive the surface and keep its size and format.
    explicit LienzoBandas(QImage& imagen, int bandas = Nucleos());
    // What is still pending goes unpainted.
    ~LienzoBandas() override;
    LienzoBandas(const LienzoBandas&) = delete;
    LienzoBandas& operator=(const LienzoBandas&) = delete;

    // Paints what is pending and ends painting, so the image can be shown.
    void Terminar();

    void Limpiar() override;
    void Circulo(QPointF centro, double radio, std::optional<QColor> relleno) override;
    void Linea(QPointF desde, QPointF hasta) override;
    void Texto(QPointF esquina, const QString& texto, double puntos, bool negrita) override;
    void Recortar(std::optional<QRectF> zona) override;
    int Ancho() const override { return directo_.Ancho(); }
    int Alto() const override { return directo_.Alto(); }
    void FijarMedida(QSize twips) { directo_.FijarMedida(twips); }

    static int Nucleos();

    // Lines the coming batches will likely paint wide, such as a run's
    // edges: what each covers is worked out beforehand on the helper threads
    // while the surface waits for the person, so that painting them later
    // only blends their colour. It starts when the pending batch has been
    // painted, gives way to the next long batch, and goes on after it.
    void Anticipar(const std::vector<LineaAncha>& lineas);
    // Until what was to be worked out beforehand is done.
    void EsperarAnticipo();
    // Bytes the bands keep of the wide lines they painted or worked out,
    // while nothing is being worked out.
    std::size_t Recordado() const;

private:
    // A primitive as it was asked for, with the colour, width and pen it is
    // drawn with: plain data, so a list of thousands costs no allocation
    // each.
    struct Paso {
        enum class Tipo : std::uint8_t { Limpiar, Circulo, Linea, Texto, Recortar } tipo = Tipo::Limpiar;
        QColor color{};
        int ancho = 1;
        Pluma pluma = Pluma::Copiar;
        QPointF a{}, b{};    // centre, or ends, or corner
        double numero = 0;   // radius, or points
        bool opcion = false; // filled, or bold, or confined
        QColor relleno{};
        QRectF zona{};
        QString texto{};

        void Aplicar(Lienzo& s) const;
    };
    void Anotar(Paso paso);
    void PintarBandas();
    struct Anticipo;
    void EmpezarAnticipo();
    // Stops what is being worked out beforehand, or waits for it to end.
    void AcabarAnticipo(bool esperar);
    QRect Banda(int k) const;

    QImage& imagen_;
    int bandas_;
    LienzoImagen directo_;
    std::vector<Paso> pasos_;
    // Each band's fonts and labels, and its wide lines' coverage, from one
    // batch to the next.
    std::vector<std::shared_ptr<LienzoImagen::Letras>> letras_;
    std::vector<std::shared_ptr<MemoriaLineas>> lineas_;
    // Confined by the last Recortar: a clearing then keeps what is pending.
    bool confinado_ = false;
    // Lines in pixels and widths still to be worked out beforehand, and the
    // work on them while it goes on.
    std::vector<std::pair<QLineF, double>> anticipar_;
    std::shared_ptr<Anticipo> anticipo_;
};
