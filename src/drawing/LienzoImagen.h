// LienzoImagen: the real drawing surface, a QPainter over any paint device
// (the work area's QImage, the printer, an SVG or PNG export), antialiased.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QStaticText>
#include <map>
#include <memory>
#include <thread>
#include <tuple>
#include <unordered_map>

#include "drawing/Lienzo.h"

class QPaintDevice;

class LienzoImagen : public Lienzo {
public:
    // The fonts and laid-out labels a surface builds as it draws. A surface
    // lives for one batch of primitives; whoever paints batch after batch
    // keeps these for the next one, where shaping text is the dearest part.
    struct Letras;

    // The device must outlive the surface. On an image, pixmap or widget a
    // pixel is 15 twips (96 dpi) times the device pixel ratio; on a printer or
    // an SVG generator twips follow the device's resolution.
    // Whoever paints batch after batch keeps the fonts for the next batch; by
    // default they last as long as the surface.
    explicit LienzoImagen(QPaintDevice& dispositivo, std::shared_ptr<Letras> letras = nullptr);
    // Draws with a painter already at work on its device (a printed page),
    // in its coordinates, twips following the device's resolution as on a
    // printer; `medida` is the picture's size in twips, and nothing shows
    // outside it. The painter is left as it was when the surface ends.
    LienzoImagen(QPainter& ajeno, QSize medida, std::shared_ptr<Letras> letras = nullptr);
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
    void Recortar(std::optional<QRectF> zona) override;
    // The device is a band of a taller image whose first row is this one (in
    // the device's pixels): everything lands where it would on that image.
    void Desplazar(int filas);
    int Ancho() const override;
    int Alto() const override;
    // The work area's own size, when it is not a whole number of the
    // device's pixels: positions are laid out on it, not on the pixels.
    void FijarMedida(QSize twips) { medida_ = twips; }

    // "Arial" when the system has it, else its metric twin "Liberation Sans",
    // so the text offsets measured for Arial still land where they should.
    static QString FamiliaFuente();

private:
    // A font with what drawing a number in it needs, built once: labels are
    // many and all alike.
    struct Letra {
        QFont fuente;
        QFontMetricsF medidas;
        std::map<qsizetype, double> sangrias;            // advance of n leading spaces
        std::unordered_map<QString, QStaticText> textos; // laid out once, on images
    };
    Letra& LetraDe(double puntos, bool negrita);
    QPainter& Pintor();
    void Preparar(QPainter& pintor);
    void Recorte(QPainter& pintor, std::optional<QRectF> logico);
    QPointF Pixeles(QPointF twips) const { return twips * pixelesPorTwip_ + origen_; }
    void Confinar();
    void PrepararTrazo(QPainter& pintor, const QBrush& relleno);
    QColor Tinta() const;
    void Componer(QPainter& pintor, QPainter::CompositionMode modo);
    bool LineaDeHilos(QPainter& pintor, QPointF desde, QPointF hasta);

    QPaintDevice& dispositivo_;
    QPainter pintor_;
    QPainter* ajeno_ = nullptr; // the painter lent, when not one of its own
    bool prestado_ = false;     // its state saved, to be given back
    double dpi_;
    double pixelesPorTwip_;
    double pixelesPorPunto_;       // a line-width pixel is a 96-dpi pixel on any device
    QPointF centro_;               // see the constructor
    QPointF origen_;               // centro_, less the band's offset
    std::optional<QRectF> marco_;  // logical coordinates
    std::optional<QSize> medida_;  // twips
    std::optional<QRect> recorte_; // the painter's clip in device pixels, when whole pixels
    QString familia_;
    std::shared_ptr<Letras> letras_;
    // The painter's pen, brush and mode as last set, so that a run of
    // primitives alike does not set them again.
    QPen pluma_;
    const Letra* letraPuesta_ = nullptr; // the painter's font, when it is a label's
    QPen plumaTexto_{Qt::NoPen};         // the labels' pen, in the last colour they took (none yet)
    QBrush brocha_;
    QPainter::CompositionMode modo_ = QPainter::CompositionMode_SourceOver;
};

struct LienzoImagen::Letras {
    // Laid-out text refers to the font engines of the thread that laid it
    // out, and those are not to be shared between threads: another thread
    // starts the fonts over.
    std::thread::id hilo;
    // By size in points, boldness and the device's vertical resolution.
    std::map<std::tuple<double, bool, int>, Letra> porLetra;
};
