// LienzoBandas: the surface of a screen image that keeps what it is asked to
// draw until the image is wanted, and then paints it band by band. The
// image is cut into a fixed number of bands of rows, whatever the machine,
// and each band is an image of its own over those rows with a painter of its
// own, so no two painters ever share an image and a long list is painted on
// every core at once. Qt's thin lines are cut where their image ends, so a
// pixel's bytes depend on the band it lies in: every batch, a repaint of a
// small piece included, is painted through the same bands, and the picture
// is the same whichever way it was reached.
#pragma once

#include <QImage>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <unordered_map>
#include <vector>

#include "drawing/LienzoImagen.h"

class LienzoBandas : public Lienzo {
public:
    // Bands an image is cut into.
    static constexpr int Bandas = 8;

    // The image must outlive the surface and keep its size and format.
    // hilos: how many threads paint a long list (one per core by default).
    explicit LienzoBandas(QImage& imagen, int hilos = Nucleos());
    LienzoBandas(const LienzoBandas&) = delete;
    LienzoBandas& operator=(const LienzoBandas&) = delete;

    // Paints what is pending, so the image can be shown.
    void Terminar();

    void Limpiar() override;
    void Circulo(QPointF centro, double radio, std::optional<QColor> relleno) override;
    void Linea(QPointF desde, QPointF hasta) override;
    void Texto(QPointF esquina, const QString& texto, double puntos, bool negrita) override;
    void Recortar(std::optional<QRectF> zona) override;
    int Ancho() const override;
    int Alto() const override;
    void FijarMedida(QSize twips) { medida_ = twips; }

    static int Nucleos();

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
        double arriba = -1e300, abajo = 1e300; // the rows, in twips, a shape may touch

        void Aplicar(Lienzo& s) const;
    };
    void Anotar(Paso paso);
    double Holgura() const;
    void PintarBanda(int k);
    std::shared_ptr<LienzoImagen::Letras> LetrasDelHilo();

    QImage& imagen_;
    int hilos_;
    std::optional<QSize> medida_;
    std::vector<Paso> pasos_;
    // Fonts and laid-out labels belong to the thread that made them: each
    // painting thread keeps its own from one batch to the next.
    std::mutex cerrojo_;
    std::unordered_map<std::thread::id, std::shared_ptr<LienzoImagen::Letras>> letras_;
    // Confined by the last Recortar: a clearing then keeps what is pending.
    bool confinado_ = false;
};
