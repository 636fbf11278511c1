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
#include "drawing/MemoriaLineas.h"

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
    // Whoever paints batch after batch on screen images keeps the fonts and
    // the wide lines' coverage for the next batch; by default they last as
    // long as the surface.
    explicit LienzoImagen(QPaintDevice& dispositivo, std::shared_ptr<Letras> letras = nullptr,
                          std::shared_ptr<MemoriaLineas> lineas = nullptr);
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
    // Keeps everything drawn from now on, clearings included, inside this
    // rectangle of the device's pixels, whatever Recortar says.
    void Confinar(const QRect& pixeles);
    int Ancho() const override;
    int Alto() const override;
    // The work area's own size, when it is not a whole number of the
    // device's pixels: positions are laid out on it, not on the pixels.
    void FijarMedida(QSize twips) { medida_ = twips; }

    // Where a line between these points (twips) runs in the device's pixels,
    // and how wide in pixels a line of this width is drawn.
    QLineF EnPixeles(QPointF desde, QPointF hasta) const { return {Pixeles(desde), Pixeles(hasta)}; }
    double AnchoEnPixeles(int ancho) const { return ancho * pixelesPorPunto_; }

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
    void Recorte(QPainter& pintor, std::optional<QRectF> logico);
    QPointF Pixeles(QPointF twips) const { return twips * pixelesPorTwip_ + origen_; }
    void PrepararTrazo(QPainter& pintor, const QBrush& relleno);
    QColor Tinta() const;
    void Componer(QPainter& pintor, QPainter::CompositionMode modo);
    bool LineaAMano(QPointF desde, QPointF hasta);
    bool LineaGruesa(QImage& imagen, const QLineF& linea, double ancho);

    QPaintDevice& dispositivo_;
    QPainter pintor_;
    double dpi_;
    double pixelesPorTwip_;
    double pixelesPorPunto_;       // a line-width pixel is a 96-dpi pixel on any device
    QPointF origen_;               // see the constructor
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
    std::shared_ptr<MemoriaLineas> lineas_;
};

struct LienzoImagen::Letras {
    // Laid-out text refers to the font engines of the thread that laid it
    // out, and those are not to be shared between threads: another thread
    // starts the fonts over.
    std::thread::id hilo;
    // By size in points, boldness and the device's vertical resolution.
    std::map<std::tuple<double, bool, int>, Letra> porLetra;
};
