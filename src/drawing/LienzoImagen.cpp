#include "drawing/LienzoImagen.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPen>
#include <cmath>

namespace {

constexpr double TwipsPorPulgada = 1440.0;
constexpr double DpiPantalla = 96.0;
const QColor Fondo = Qt::white;
// Labels are numbers: a few thousand at most.
constexpr std::size_t MaxTextos = 4000;

QPainter::CompositionMode Composicion(Lienzo::Pluma pluma)
{
    return pluma == Lienzo::Pluma::Invertir ? QPainter::RasterOp_NotSourceXorDestination
                                            : QPainter::CompositionMode_SourceOver;
}

// Outward to whole device pixels, so that a confined drawing lights exactly
// the pixels a whole one would within the rectangle.
QRectF AlPixel(const QRectF& logico, double ratio)
{
    const QRectF d(logico.topLeft() * ratio, logico.size() * ratio);
    const QRectF entero(QPointF(std::floor(d.left()), std::floor(d.top())),
                        QPointF(std::ceil(d.right()), std::ceil(d.bottom())));
    return QRectF(entero.topLeft() / ratio, entero.size() / ratio);
}

bool EsPantalla(const QPaintDevice& dispositivo)
{
    const int tipo = dispositivo.devType();
    return tipo == QInternal::Image || tipo == QInternal::Pixmap || tipo == QInternal::Widget;
}

} // namespace

// A pixel image is a picture of the screen, where a twip is a fifteenth of a
// pixel whatever resolution the image happens to carry (the pixel ratio of a
// high-density screen is applied by the painter). Printers and vector files
// keep their own resolution.
LienzoImagen::LienzoImagen(QPaintDevice& dispositivo, std::shared_ptr<Letras> letras)
    : dispositivo_(dispositivo), dpi_(EsPantalla(dispositivo) ? DpiPantalla : dispositivo.logicalDpiX()),
      pixelesPorTwip_(dpi_ / TwipsPorPulgada), pixelesPorPunto_(dpi_ / DpiPantalla), familia_(FamiliaFuente()),
      letras_(letras ? std::move(letras) : std::make_shared<Letras>())
{
    // On a pixel grid a position names the pixel it falls in, so it is drawn
    // at that pixel's centre: thin horizontal and vertical lines then cover
    // whole pixels instead of smearing over two half-lit rows.
    if (EsPantalla(dispositivo))
        centro_ = origen_ = QPointF(0.5, 0.5);
    // Confined to the whole image, thin lines come out the same, pixel for
    // pixel, but Qt's raster engine draws them about four times quicker.
    if (dispositivo.devType() == QInternal::Image)
        Confinar();
}

void LienzoImagen::Desplazar(int filas)
{
    origen_ = centro_ - QPointF(0, filas / dispositivo_.devicePixelRatioF());
}

LienzoImagen::~LienzoImagen()
{
    Terminar();
}

QString LienzoImagen::FamiliaFuente()
{
    // Fonts are not installed while the program runs: asking once is enough.
    static const QString familia = [] {
        const QStringList familias = QFontDatabase::families();
        for (const QString& candidata : {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")})
            if (familias.contains(candidata, Qt::CaseInsensitive))
                return candidata;
        return QStringLiteral("Arial"); // let the font matcher find the nearest
    }();
    return familia;
}

LienzoImagen::LienzoImagen(QPainter& ajeno, QSize medida, std::shared_ptr<Letras> letras)
    : LienzoImagen(*ajeno.device(), std::move(letras))
{
    ajeno_ = &ajeno;
    medida_ = medida;
    marco_ = QRectF(QPointF(0, 0), QSizeF(medida) * pixelesPorTwip_);
}

void LienzoImagen::Terminar()
{
    if (ajeno_ && prestado_)
        ajeno_->restore();
    prestado_ = false;
    if (pintor_.isActive())
        pintor_.end();
}

QPainter& LienzoImagen::Pintor()
{
    if (ajeno_) {
        if (!prestado_) {
            ajeno_->save();
            prestado_ = true;
            Preparar(*ajeno_);
        }
        return *ajeno_;
    }
    // An image Qt could not allocate cannot be painted on: it stays blank,
    // and whoever asked for it finds it null and says so.
    if (!pintor_.isActive() && pintor_.begin(&dispositivo_))
        Preparar(pintor_);
    return pintor_;
}

void LienzoImagen::Preparar(QPainter& pintor)
{
    pintor.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    pluma_ = pintor.pen();
    letraPuesta_ = nullptr;
    brocha_ = pintor.brush();
    modo_ = pintor.compositionMode();
    Recorte(pintor, std::nullopt);
}

int LienzoImagen::Ancho() const
{
    if (medida_)
        return medida_->width();
    return qRound(dispositivo_.width() / dispositivo_.devicePixelRatioF() / pixelesPorTwip_);
}

int LienzoImagen::Alto() const
{
    if (medida_)
        return medida_->height();
    return qRound(dispositivo_.height() / dispositivo_.devicePixelRatioF() / pixelesPorTwip_);
}

void LienzoImagen::Recortar(std::optional<QRectF> zona)
{
    QPainter& pintor = Pintor();
    if (!zona) {
        Recorte(pintor, std::nullopt);
        return;
    }
    const QRectF logico(Pixeles(zona->topLeft()) - centro_, zona->size() * pixelesPorTwip_);
    Recorte(pintor, AlPixel(logico, dispositivo_.devicePixelRatioF()));
}

void LienzoImagen::Confinar()
{
    const double ratio = dispositivo_.devicePixelRatioF();
    marco_ = QRectF(QPointF(0, 0), QSizeF(dispositivo_.width(), dispositivo_.height()) / ratio);
}

void LienzoImagen::Recorte(QPainter& pintor, std::optional<QRectF> logico)
{
    if (marco_)
        logico = logico ? logico->intersected(*marco_) : *marco_;
    if (logico)
        pintor.setClipRect(*logico);
    else
        pintor.setClipping(false);
    const QRectF pixeles = logico.value_or(QRectF(QPointF(0, 0), QSizeF(dispositivo_.width(), dispositivo_.height())));
    const QRect entero = pixeles.toRect();
    recorte_ = QRectF(entero) == pixeles ? std::optional(entero) : std::nullopt;
}

void LienzoImagen::Componer(QPainter& pintor, QPainter::CompositionMode modo)
{
    if (modo == modo_)
        return;
    pintor.setCompositionMode(modo);
    modo_ = modo;
}

void LienzoImagen::Limpiar()
{
    QPainter& pintor = Pintor();
    Componer(pintor, QPainter::CompositionMode_Source);
    const QSizeF tamaño = QSizeF(dispositivo_.width(), dispositivo_.height()) / dispositivo_.devicePixelRatioF();
    pintor.fillRect(QRectF(QPointF(0, 0), tamaño), Fondo);
}

// Without a memory of the picture, a shape is taken away by painting it over.
QColor LienzoImagen::Tinta() const
{
    return ModoPluma() == Pluma::Borrar ? Fondo : ColorFrente();
}

void LienzoImagen::PrepararTrazo(QPainter& pintor, const QBrush& relleno)
{
    QPen pluma(Tinta(), AnchoLinea() * pixelesPorPunto_);
    pluma.setCapStyle(Qt::RoundCap);
    Componer(pintor, Composicion(ModoPluma()));
    if (pluma != pluma_)
        pintor.setPen(pluma_ = pluma);
    if (relleno != brocha_)
        pintor.setBrush(brocha_ = relleno);
}

void LienzoImagen::Circulo(QPointF centro, double radio, std::optional<QColor> relleno)
{
    QPainter& pintor = Pintor();
    const bool borrar = ModoPluma() == Pluma::Borrar;
    PrepararTrazo(pintor, relleno ? QBrush(borrar ? Fondo : *relleno) : QBrush(Qt::NoBrush));
    const double r = radio * pixelesPorTwip_;
    pintor.drawEllipse(Pixeles(centro), r, r);
}

void LienzoImagen::Linea(QPointF desde, QPointF hasta)
{
    QPainter& pintor = Pintor();
    if (LineaDeHilos(pintor, desde, hasta))
        return;
    PrepararTrazo(pintor, Qt::NoBrush);
    pintor.drawLine(Pixeles(desde), Pixeles(hasta));
}

// On an image, a wide line is drawn as threads of Qt's one-pixel lines: an
// antialiased one along each edge and aliased ones, a device pixel apart,
// filling the inside with its very colour. Qt outlines a wider pen and hands
// the outline to its general filler, which walks a long line again for every
// band of rows it crosses (about 0.3 ms for an edge of a maximized window, a
// second and a half for a run that marks K50), while a one-pixel line is a
// single walk over the pixels it lights. Such a line lights one pixel's
// worth of each row (or column) it crosses, so the threads are laid along
// the rows (or columns), over the width the real pen covers there. The
// inverting pen cannot be laid twice over the same pixel, and a see-through
// colour would show the overlaps: those take the real pen.
bool LienzoImagen::LineaDeHilos(QPainter& pintor, QPointF desde, QPointF hasta)
{
    const QColor tinta = Tinta();
    if (dispositivo_.devType() != QInternal::Image || ModoPluma() == Pluma::Invertir || tinta.alpha() != 255)
        return false;
    const double ratio = dispositivo_.devicePixelRatioF();
    const double ancho = AnchoLinea() * pixelesPorPunto_ * ratio; // device pixels
    const QPointF a = Pixeles(desde), b = Pixeles(hasta);
    const double dx = std::abs(b.x() - a.x()), dy = std::abs(b.y() - a.y());
    const double largo = std::hypot(dx, dy);
    if (ancho < 1 || !(largo > 0) || !std::isfinite(largo))
        return false;
    QPen hilo(tinta, 1);
    hilo.setCosmetic(true);
    hilo.setCapStyle(Qt::RoundCap);
    Componer(pintor, QPainter::CompositionMode_SourceOver);
    if (hilo != pluma_)
        pintor.setPen(pluma_ = hilo);
    if (ancho == 1) { // Qt's own one-pixel line
        pintor.drawLine(a, b);
        return true;
    }
    const double cruce = ancho * largo / std::max(dx, dy); // along a row or a column
    const QPointF pixel = (dx >= dy ? QPointF(0, 1) : QPointF(1, 0)) / ratio;
    const int dentro = std::max(1, int(std::lround(cruce - 1)));
    pintor.setRenderHint(QPainter::Antialiasing, false);
    for (int k = 0; k < dentro; ++k) {
        const QPointF desvio = pixel * (k - (dentro - 1) / 2.0);
        pintor.drawLine(a + desvio, b + desvio);
    }
    pintor.setRenderHint(QPainter::Antialiasing, true);
    const QPointF borde = pixel * ((cruce - 1) / 2);
    pintor.drawLine(a - borde, b - borde);
    pintor.drawLine(a + borde, b + borde);
    return true;
}

LienzoImagen::Letra& LienzoImagen::LetraDe(double puntos, bool negrita)
{
    if (letras_->hilo != std::this_thread::get_id()) {
        letras_->porLetra.clear();
        letraPuesta_ = nullptr;
        letras_->hilo = std::this_thread::get_id();
    }
    const auto clave = std::tuple(puntos, negrita, dispositivo_.logicalDpiY());
    if (auto it = letras_->porLetra.find(clave); it != letras_->porLetra.end())
        return it->second;
    QFont fuente(familia_);
    // Qt sizes points by the device's own resolution; scale so they follow ours.
    fuente.setPointSizeF(puntos * dpi_ / dispositivo_.logicalDpiY());
    fuente.setBold(negrita);
    return letras_->porLetra.emplace(clave, Letra{fuente, QFontMetricsF(fuente, &dispositivo_), {}, {}}).first->second;
}

void LienzoImagen::Texto(QPointF esquina, const QString& texto, double puntos, bool negrita)
{
    QPainter& pintor = Pintor();
    Letra& letra = LetraDe(puntos, negrita);
    // Labels come by the thousand, between lines: fonts and pens are
    // compared by who they are before what they hold.
    if (&letra != letraPuesta_) {
        if (pintor.font() != letra.fuente)
            pintor.setFont(letra.fuente);
        letraPuesta_ = &letra;
    }
    if (const QColor tinta = Tinta(); plumaTexto_.style() == Qt::NoPen || tinta != plumaTexto_.color())
        plumaTexto_ = QPen(tinta);
    if (plumaTexto_ != pluma_)
        pintor.setPen(pluma_ = plumaTexto_);
    Componer(pintor, QPainter::CompositionMode_SourceOver);
    // drawText places the baseline; the corner given is the top of the line box.
    // Leading spaces become an offset: SVG viewers that collapse white space
    // would otherwise pull the number left, out of its place.
    qsizetype espacios = 0;
    while (espacios < texto.size() && texto[espacios] == u' ')
        ++espacios;
    auto [sangria, nueva] = letra.sangrias.try_emplace(espacios, 0.0);
    if (nueva)
        sangria->second = letra.medidas.horizontalAdvance(texto.left(espacios));
    const QPointF arriba = Pixeles(esquina) + QPointF(sangria->second, 0);
    if (dispositivo_.devType() != QInternal::Image || dispositivo_.devicePixelRatioF() != 1) {
        pintor.drawText(arriba + QPointF(0, letra.medidas.ascent()), texto.mid(espacios));
        return;
    }
    // A band of the image paints every label; one wholly out of its sight is
    // not even laid out (the box is generous: a glyph may overhang its
    // advance and the line box by a little).
    if (recorte_) {
        const double alto = letra.medidas.height();
        const QRectF caja(arriba - QPointF(alto, alto),
                          QSizeF(double(texto.size() - espacios) * letra.medidas.maxWidth() + 2 * alto, 3 * alto));
        if (!caja.intersects(QRectF(*recorte_)))
            return;
    }
    // On an image of screen pixels the same glyphs land on the same pixels
    // without shaping the number again each time it is drawn (not so on a
    // denser one).
    if (letra.textos.size() > MaxTextos)
        letra.textos.clear();
    auto [fijo, nuevo] = letra.textos.try_emplace(espacios == 0 ? texto : texto.mid(espacios));
    if (nuevo) {
        fijo->second.setText(fijo->first);
        fijo->second.setTextFormat(Qt::PlainText);
        fijo->second.prepare(QTransform(), letra.fuente);
    }
    pintor.drawStaticText(arriba, fijo->second);
}
