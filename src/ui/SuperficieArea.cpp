#include "ui/SuperficieArea.h"

#include <cmath>

namespace {

QImage ImagenBlanca(int anchoTwips, int altoTwips, double escala)
{
    const int ancho = std::max(1, static_cast<int>(std::lround(anchoTwips / 15.0 * escala)));
    const int alto = std::max(1, static_cast<int>(std::lround(altoTwips / 15.0 * escala)));
    QImage imagen(ancho, alto, QImage::Format_RGB32);
    imagen.setDevicePixelRatio(escala);
    imagen.fill(Qt::white);
    return imagen;
}

} // namespace

SuperficieArea::SuperficieArea(int anchoTwips, int altoTwips, double escala)
    : imagen_(ImagenBlanca(anchoTwips, altoTwips, escala)), lienzo_(std::make_unique<LienzoImagen>(imagen_)),
      memoria_(*lienzo_)
{
}

QImage SuperficieArea::ImagenNitida(double escala)
{
    if (!memoria_.Completa())
        return Imagen();
    QImage nitida = ImagenBlanca(memoria_.Ancho(), memoria_.Alto(), escala);
    {
        LienzoImagen lienzo(nitida);
        memoria_.Repetir(lienzo);
    }
    return nitida;
}

const QImage& SuperficieArea::Imagen()
{
    lienzo_->Terminar();
    return imagen_;
}
