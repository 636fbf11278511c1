#include "ui/SuperficieArea.h"

#include <cmath>

SuperficieArea::SuperficieArea(int anchoTwips, int altoTwips, double escala)
{
    const int ancho = std::max(1, static_cast<int>(std::lround(anchoTwips / 15.0 * escala)));
    const int alto = std::max(1, static_cast<int>(std::lround(altoTwips / 15.0 * escala)));
    imagen_ = QImage(ancho, alto, QImage::Format_RGB32);
    imagen_.setDevicePixelRatio(escala);
    imagen_.fill(Qt::white);
    lienzo_ = std::make_unique<LienzoImagen>(imagen_);
}

const QImage& SuperficieArea::Imagen()
{
    lienzo_->Terminar();
    return imagen_;
}
