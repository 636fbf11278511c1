#include "drawing/LienzoBandas.h"

#include <QCoreApplication>
#include <QThread>
#include <QThreadPool>
#include <algorithm>
#include <atomic>
#include <latch>

namespace {

// Below this many primitives, starting the other painters costs more than
// they save.
constexpr std::size_t MinimoHilos = 200;

// Threads that stay for the whole session: a new thread would first have to
// load its own fonts.
QThreadPool& Ayudantes()
{
    static QThreadPool ayudantes;
    static const bool listos = [] {
        ayudantes.setExpiryTimeout(-1);
        ayudantes.setMaxThreadCount(std::max(1, LienzoBandas::Nucleos() - 1));
        // The helpers end while the application's fonts still stand, so
        // that the fonts they loaded go with them.
        qAddPostRoutine([] { Ayudantes().waitForDone(); });
        return true;
    }();
    (void)listos;
    return ayudantes;
}

} // namespace

LienzoBandas::LienzoBandas(QImage& imagen, int hilos) : imagen_(imagen), hilos_(std::clamp(hilos, 1, Bandas)) {}

int LienzoBandas::Nucleos()
{
    return std::clamp(QThread::idealThreadCount(), 1, Bandas);
}

int LienzoBandas::Ancho() const
{
    if (medida_)
        return medida_->width();
    return qRound(imagen_.width() / imagen_.devicePixelRatio() * TwipsPorPixel);
}

int LienzoBandas::Alto() const
{
    if (medida_)
        return medida_->height();
    return qRound(imagen_.height() / imagen_.devicePixelRatio() * TwipsPorPixel);
}

void LienzoBandas::Paso::Aplicar(Lienzo& s) const
{
    s.PonerColorFrente(color);
    s.PonerAnchoLinea(ancho);
    s.PonerModoPluma(pluma);
    switch (tipo) {
    case Tipo::Limpiar: s.Limpiar(); break;
    case Tipo::Circulo: s.Circulo(a, numero, opcion ? std::optional(relleno) : std::nullopt); break;
    case Tipo::Linea: s.Linea(a, b); break;
    case Tipo::Texto: s.Texto(a, texto, numero, opcion); break;
    case Tipo::Recortar: s.Recortar(opcion ? std::optional(zona) : std::nullopt); break;
    }
}

void LienzoBandas::Anotar(Paso paso)
{
    paso.color = ColorFrente();
    paso.ancho = AnchoLinea();
    paso.pluma = ModoPluma();
    pasos_.push_back(std::move(paso));
}

void LienzoBandas::Limpiar()
{
    // What was pending would be cleared away anyway, unless the clearing is
    // confined to a part of the image.
    if (!confinado_)
        pasos_.clear();
    Anotar({.tipo = Paso::Tipo::Limpiar});
}

// Room for a pen's width and smoothing, in twips: generous, it only spares
// a band a shape it cannot touch.
double LienzoBandas::Holgura() const
{
    return (AnchoLinea() + 2) * TwipsPorPixel;
}

void LienzoBandas::Circulo(QPointF centro, double radio, std::optional<QColor> relleno)
{
    Anotar({.tipo = Paso::Tipo::Circulo,
            .a = centro,
            .numero = radio,
            .opcion = relleno.has_value(),
            .relleno = relleno.value_or(QColor()),
            .arriba = centro.y() - radio - Holgura(),
            .abajo = centro.y() + radio + Holgura()});
}

void LienzoBandas::Linea(QPointF desde, QPointF hasta)
{
    Anotar({.tipo = Paso::Tipo::Linea,
            .a = desde,
            .b = hasta,
            .arriba = std::min(desde.y(), hasta.y()) - Holgura(),
            .abajo = std::max(desde.y(), hasta.y()) + Holgura()});
}

void LienzoBandas::Texto(QPointF esquina, const QString& texto, double puntos, bool negrita)
{
    constexpr double TwipsPorPunto = 20;
    Anotar({.tipo = Paso::Tipo::Texto,
            .a = esquina,
            .numero = puntos,
            .opcion = negrita,
            .texto = texto,
            .arriba = esquina.y() - 2 * puntos * TwipsPorPunto,
            .abajo = esquina.y() + 4 * puntos * TwipsPorPunto});
}

void LienzoBandas::Recortar(std::optional<QRectF> zona)
{
    // A zone that takes in the whole image confines nothing: a clearing in
    // it still drops what is pending (a repaint of many pieces at once).
    confinado_ = zona && !zona->contains(QRectF(0, 0, Ancho(), Alto()));
    Anotar({.tipo = Paso::Tipo::Recortar, .opcion = zona.has_value(), .zona = zona.value_or(QRectF())});
}

std::shared_ptr<LienzoImagen::Letras> LienzoBandas::LetrasDelHilo()
{
    const std::lock_guard cerrado(cerrojo_);
    auto& letras = letras_[std::this_thread::get_id()];
    if (!letras)
        letras = std::make_shared<LienzoImagen::Letras>();
    return letras;
}

// A band is an image of its own over the rows of the whole one: bits
// written through it are the whole image's, and no other painter is on them.
void LienzoBandas::PintarBanda(int k)
{
    const int arriba = imagen_.height() * k / Bandas;
    const int alto = imagen_.height() * (k + 1) / Bandas - arriba;
    if (alto <= 0)
        return;
    QImage banda(imagen_.bits() + qsizetype(arriba) * imagen_.bytesPerLine(), imagen_.width(), alto,
                 imagen_.bytesPerLine(), imagen_.format());
    banda.setDevicePixelRatio(imagen_.devicePixelRatio());
    banda.setDotsPerMeterX(imagen_.dotsPerMeterX());
    banda.setDotsPerMeterY(imagen_.dotsPerMeterY());
    LienzoImagen lienzo(banda, LetrasDelHilo());
    lienzo.Desplazar(arriba);
    // A shape out of the band's rows, or confined to rows out of it, is not
    // even handed to its painter: each band then walks only its own part of
    // a long list, and of a repaint of many small pieces.
    const double filasPorTwip = imagen_.devicePixelRatio() / TwipsPorPixel;
    const auto ajena = [&](double desde, double hasta) {
        return hasta * filasPorTwip < arriba - 1 || desde * filasPorTwip > arriba + alto + 1;
    };
    bool fuera = false;
    for (const Paso& paso : pasos_) {
        if (paso.tipo == Paso::Tipo::Recortar) {
            fuera = paso.opcion && ajena(paso.zona.top(), paso.zona.bottom());
            if (fuera)
                continue;
        }
        if (!fuera && !ajena(paso.arriba, paso.abajo))
            paso.Aplicar(lienzo);
    }
}

void LienzoBandas::Terminar()
{
    if (pasos_.empty())
        return;
    // Detached here, once: the bands then write to this image's own bits.
    imagen_.bits();
    const int hilos = pasos_.size() >= MinimoHilos ? hilos_ : 1;
    std::atomic<int> siguiente{0};
    const auto pintar = [&] {
        for (int k; (k = siguiente.fetch_add(1)) < Bandas;)
            PintarBanda(k);
    };
    std::latch hechas(hilos - 1);
    for (int h = 1; h < hilos; ++h)
        Ayudantes().start([&] {
            pintar();
            hechas.count_down();
        });
    pintar();
    hechas.wait();
    pasos_.clear();
}
