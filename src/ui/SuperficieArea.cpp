#include "ui/SuperficieArea.h"

#include <cmath>
#include <cstring>

namespace {

constexpr double TwipsPorPixel = Lienzo::TwipsPorPixel;

QSize Pixeles(int anchoTwips, int altoTwips, double escala)
{
    return {std::max(1, static_cast<int>(std::lround(anchoTwips / TwipsPorPixel * escala))),
            std::max(1, static_cast<int>(std::lround(altoTwips / TwipsPorPixel * escala)))};
}

// Its memory is not touched yet: a large one costs nothing until it is.
QImage ImagenSinPintar(int anchoTwips, int altoTwips, double escala)
{
    QImage imagen(Pixeles(anchoTwips, altoTwips, escala), QImage::Format_RGB32);
    imagen.setDevicePixelRatio(escala);
    return imagen;
}

// Outward to whole pixels of an image of this ratio.
QRect EnPixeles(const QRectF& twips, double escala)
{
    const double k = escala / TwipsPorPixel;
    return QRect(QPoint(int(std::floor(twips.left() * k)), int(std::floor(twips.top() * k))),
                 QPoint(int(std::ceil(twips.right() * k)), int(std::ceil(twips.bottom() * k))));
}

void CopiarZona(const QImage& de, QImage& a, const QRect& zona)
{
    const qsizetype bytes = qsizetype(zona.width()) * 4;
    for (int y = zona.top(); y <= zona.bottom(); ++y)
        std::memcpy(a.scanLine(y) + zona.left() * 4, de.constScanLine(y) + zona.left() * 4, bytes);
}

} // namespace

SuperficieArea::SuperficieArea(int anchoTwips, int altoTwips, double escala)
    : imagen_(ImagenSinPintar(anchoTwips, altoTwips, escala)), lienzo_(std::make_unique<LienzoBandas>(imagen_)),
      memoria_(*lienzo_), pendiente_(imagen_.rect())
{
    lienzo_->FijarMedida(QSize(anchoTwips, altoTwips));
}

bool SuperficieArea::Mide(int anchoTwips, int altoTwips, double escala) const
{
    return imagen_.devicePixelRatio() == escala && imagen_.size() == Pixeles(anchoTwips, altoTwips, escala);
}

QImage SuperficieArea::ImagenNitida(double escala)
{
    if (!memoria_.Completa())
        return Imagen();
    // As many pixels per screen pixel as asked, whatever twips the area has.
    const double twipsPorPixel = TwipsPorPixel / imagen_.devicePixelRatio();
    QImage nitida = ImagenSinPintar(int(std::lround(imagen_.width() * twipsPorPixel)),
                                    int(std::lround(imagen_.height() * twipsPorPixel)), escala);
    nitida.fill(Qt::white);
    {
        LienzoImagen lienzo(nitida);
        memoria_.Repetir(lienzo);
    }
    return nitida;
}

// The window lays itself out several times on its way to the screen, and
// an area of each size is made; only the one shown is ever painted.
void SuperficieArea::Pintar()
{
    if (!blanca_) {
        imagen_.fill(Qt::white);
        blanca_ = true;
    }
    lienzo_->Terminar();
}

void SuperficieArea::Actualizar()
{
    memoria_.Reponer();
    const QRectF cambio = memoria_.TomarCambios();
    if (cambio.isEmpty())
        return;
    pendiente_ |= EnPixeles(cambio, imagen_.devicePixelRatio()) & imagen_.rect();
    if (memoria_.HayMoviles())
        MostrarMoviles(cambio);
    else
        pantallaAlDia_ = false;
}

// Where something changed, the picture is copied again and the moving
// parts drawn over it.
void SuperficieArea::MostrarMoviles(const QRectF& cambio)
{
    Pintar();
    if (pantalla_.size() != imagen_.size()) {
        pantalla_ = QImage(imagen_.size(), imagen_.format());
        pantalla_.setDevicePixelRatio(imagen_.devicePixelRatio());
        pantallaAlDia_ = false;
    }
    LienzoImagen sobre(pantalla_);
    if (pantallaAlDia_) {
        CopiarZona(imagen_, pantalla_, EnPixeles(cambio, imagen_.devicePixelRatio()) & imagen_.rect());
        sobre.Recortar(cambio);
    } else {
        CopiarZona(imagen_, pantalla_, imagen_.rect());
        pantallaAlDia_ = true;
    }
    memoria_.RepetirMoviles(sobre);
}

const QImage& SuperficieArea::Imagen()
{
    Actualizar();
    Pintar();
    return memoria_.HayMoviles() ? pantalla_ : imagen_;
}

QRect SuperficieArea::TomarCambios()
{
    Actualizar();
    const double escala = imagen_.devicePixelRatio();
    const QRect zona = pendiente_;
    pendiente_ = {};
    if (zona.isEmpty())
        return {};
    return QRect(QPoint(int(std::floor(zona.left() / escala)), int(std::floor(zona.top() / escala))),
                 QPoint(int(std::ceil((zona.right() + 1) / escala)), int(std::ceil((zona.bottom() + 1) / escala))));
}
