#include "drawing/LienzoImagen.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPen>

namespace {

constexpr double TwipsPorPulgada = 1440.0;
constexpr double DpiPantalla = 96.0;
const QColor Fondo = Qt::white;

QPainter::CompositionMode Composicion(Lienzo::Pluma pluma)
{
    return pluma == Lienzo::Pluma::Invertir ? QPainter::RasterOp_NotSourceXorDestination
                                            : QPainter::CompositionMode_SourceOver;
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
LienzoImagen::LienzoImagen(QPaintDevice& dispositivo)
    : dispositivo_(dispositivo), dpi_(EsPantalla(dispositivo) ? DpiPantalla : dispositivo.logicalDpiX()),
      pixelesPorTwip_(dpi_ / TwipsPorPulgada), pixelesPorPunto_(dpi_ / DpiPantalla), familia_(FamiliaFuente())
{
    // On a pixel grid a position names the pixel it falls in, so it is drawn
    // at that pixel's centre: thin horizontal and vertical lines then cover
    // whole pixels instead of smearing over two half-lit rows.
    if (EsPantalla(dispositivo))
        origen_ = QPointF(0.5, 0.5);
}

LienzoImagen::~LienzoImagen()
{
    Terminar();
}

QString LienzoImagen::FamiliaFuente()
{
    const QStringList familias = QFontDatabase::families();
    for (const QString& candidata : {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")})
        if (familias.contains(candidata, Qt::CaseInsensitive))
            return candidata;
    return QStringLiteral("Arial"); // let the font matcher find the nearest
}

void LienzoImagen::Terminar()
{
    if (pintor_.isActive())
        pintor_.end();
}

QPainter& LienzoImagen::Pintor()
{
    if (!pintor_.isActive()) {
        pintor_.begin(&dispositivo_);
        pintor_.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    }
    return pintor_;
}

int LienzoImagen::Ancho() const
{
    return qRound(dispositivo_.width() / dispositivo_.devicePixelRatioF() / pixelesPorTwip_);
}

int LienzoImagen::Alto() const
{
    return qRound(dispositivo_.height() / dispositivo_.devicePixelRatioF() / pixelesPorTwip_);
}

void LienzoImagen::Limpiar()
{
    QPainter& pintor = Pintor();
    pintor.setCompositionMode(QPainter::CompositionMode_Source);
    const QSizeF tamaño =
        QSizeF(dispositivo_.width(), dispositivo_.height()) / dispositivo_.devicePixelRatioF();
    pintor.fillRect(QRectF(QPointF(0, 0), tamaño), Fondo);
}

void LienzoImagen::PrepararTrazo(QPainter& pintor, const QBrush& relleno)
{
    QPen pluma(ColorFrente(), AnchoLinea() * pixelesPorPunto_);
    pluma.setCapStyle(Qt::RoundCap);
    pintor.setPen(pluma);
    pintor.setBrush(relleno);
    pintor.setCompositionMode(Composicion(ModoPluma()));
}

void LienzoImagen::Circulo(QPointF centro, double radio, std::optional<QColor> relleno)
{
    QPainter& pintor = Pintor();
    PrepararTrazo(pintor, relleno ? QBrush(*relleno) : QBrush(Qt::NoBrush));
    const double r = radio * pixelesPorTwip_;
    pintor.drawEllipse(Pixeles(centro), r, r);
}

void LienzoImagen::Linea(QPointF desde, QPointF hasta)
{
    QPainter& pintor = Pintor();
    PrepararTrazo(pintor, Qt::NoBrush);
    pintor.drawLine(Pixeles(desde), Pixeles(hasta));
}

void LienzoImagen::Texto(QPointF esquina, const QString& texto, double puntos, bool negrita)
{
    QPainter& pintor = Pintor();
    QFont fuente(familia_);
    // Qt sizes points by the device's own resolution; scale so they follow ours.
    fuente.setPointSizeF(puntos * dpi_ / dispositivo_.logicalDpiY());
    fuente.setBold(negrita);
    pintor.setFont(fuente);
    pintor.setPen(ColorFrente());
    pintor.setCompositionMode(QPainter::CompositionMode_SourceOver);
    // drawText places the baseline; the corner given is the top of the line box.
    // Leading spaces become an offset: SVG viewers that collapse white space
    // would otherwise pull the number left, out of its place.
    const QFontMetricsF medidas(fuente, &dispositivo_);
    qsizetype espacios = 0;
    while (espacios < texto.size() && texto[espacios] == u' ')
        ++espacios;
    const QPointF sangria(medidas.horizontalAdvance(texto.left(espacios)), medidas.ascent());
    pintor.drawText(Pixeles(esquina) + sangria, texto.mid(espacios));
}
