#include "cli/DestinoDibujo.h"

#include <QFileInfo>
#include <cmath>

namespace {

constexpr double TwipsPorPixel = 15;
constexpr int PuntosPorMetro96Dpi = 3780;

bool EsSvg(const QString& salida)
{
    return salida.endsWith(".svg", Qt::CaseInsensitive);
}

QSize EnPixeles(QSize area)
{
    return QSize(int(std::ceil(area.width() / TwipsPorPixel)), int(std::ceil(area.height() / TwipsPorPixel)));
}

} // namespace

bool DestinoDibujo::Admitido(const QString& salida)
{
    return EsSvg(salida) || salida.endsWith(".png", Qt::CaseInsensitive);
}

DestinoDibujo::DestinoDibujo(const QString& salida, QSize area)
    : salida_(salida), svg_(EsSvg(salida)), fichero_(salida)
{
    const QSize tamaño = EnPixeles(area);
    if (svg_) {
        // Opened now: the generator writes while the run paints.
        (void)fichero_.open(QIODevice::WriteOnly | QIODevice::Truncate);
        generador_.setOutputDevice(&fichero_);
        generador_.setSize(tamaño);
        generador_.setViewBox(QRect(QPoint(0, 0), tamaño));
        generador_.setResolution(96);
        generador_.setTitle(QFileInfo(salida).fileName());
        lienzo_ = std::make_unique<LienzoImagen>(generador_);
    } else {
        imagen_ = QImage(tamaño, QImage::Format_RGB32);
        imagen_.fill(Qt::white);
        imagen_.setDotsPerMeterX(PuntosPorMetro96Dpi);
        imagen_.setDotsPerMeterY(PuntosPorMetro96Dpi);
        lienzo_ = std::make_unique<LienzoImagen>(imagen_);
    }
}

bool DestinoDibujo::Guardar()
{
    lienzo_->Terminar();
    if (!svg_)
        return imagen_.save(salida_, "PNG");
    fichero_.close();
    return fichero_.error() == QFileDevice::NoError;
}

void DestinoDibujo::Descartar()
{
    lienzo_->Terminar();
    if (fichero_.isOpen()) {
        fichero_.close();
        fichero_.remove();
    }
}
