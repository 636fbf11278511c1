#include "cli/DestinoDibujo.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>

#include "files/NombreFichero.h"

namespace {

// Only the characters XML 1.0 allows: a control character or U+FFFE in a
// file's name would make the whole drawing unreadable.
QString TextoXml(const QString& texto)
{
    QString limpio;
    for (const uint u : texto.toUcs4())
        if (const char32_t c = u; (c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
                                   (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF)))
            limpio += QString::fromUcs4(&c, 1);
    return limpio;
}

constexpr double TwipsPorPixel = Lienzo::TwipsPorPixel;
constexpr int PuntosPorMetro96Dpi = 3780;

bool EsSvg(const QString& salida)
{
    return salida.endsWith(".svg", Qt::CaseInsensitive);
}

bool EsTex(const QString& salida)
{
    return salida.endsWith(".tex", Qt::CaseInsensitive);
}

// Computed in doubles: an area of a million twips at scale 16 overflows an int.
double Pixeles(int twips, double escala)
{
    return std::ceil(twips / TwipsPorPixel * escala);
}

QSize EnPixeles(QSize area, double escala)
{
    return QSize(int(Pixeles(area.width(), escala)), int(Pixeles(area.height(), escala)));
}

} // namespace

bool DestinoDibujo::Admitido(const QString& salida)
{
    return EsSvg(salida) || EsTex(salida) || salida.endsWith(".png", Qt::CaseInsensitive);
}

std::optional<double> DestinoDibujo::Escala(const QString& texto)
{
    bool ok = false;
    const double valor = texto.toDouble(&ok);
    return ok && valor >= EscalaMinima && valor <= EscalaMaxima ? std::optional<double>(valor) : std::nullopt;
}

QString DestinoDibujo::Rechazo(const QString& salida, const QString& grafo, QSize area, double escala)
{
    const double ancho = Pixeles(area.width(), escala), alto = Pixeles(area.height(), escala);
    if (!EsTex(salida) && (ancho * alto > double(PixelesMaximos) || std::max(ancho, alto) > LadoMaximo))
        return QStringLiteral("El dibujo tendría %1 x %2 píxeles; no puede pasar de %3 (16384 x 16384) "
                              "ni de %4 por lado.")
            .arg(ancho, 0, 'f', 0)
            .arg(alto, 0, 'f', 0)
            .arg(PixelesMaximos)
            .arg(LadoMaximo);
    // Links lead to the same file: compare where they lead.
    if (Disco::MismoFichero(salida, grafo))
        return QStringLiteral("El dibujo no puede guardarse en el propio fichero de grafo.");
    return {};
}

DestinoDibujo::DestinoDibujo(const QString& salida, QSize area, double escala, const QString& grafo)
    : salida_(salida), svg_(EsSvg(salida))
{
    if (EsTex(salida)) {
        tikz_ = std::make_unique<LienzoTikz>(area.width(), area.height());
    } else if (svg_) {
        const QSize tamaño = EnPixeles(area, 1);
        memoria_.open(QIODevice::WriteOnly);
        generador_.setOutputDevice(&memoria_);
        generador_.setSize(tamaño);
        generador_.setViewBox(QRect(QPoint(0, 0), tamaño));
        generador_.setResolution(96); // one SVG unit per 96-dpi pixel: coordinates are twips / 15
        // The generator writes the title as it is given, inside the XML.
        generador_.setTitle(TextoXml(QFileInfo(grafo).fileName()).toHtmlEscaped());
        vectorial_ = std::make_unique<LienzoImagen>(generador_);
        vectorial_->FijarMedida(area);
    } else {
        imagen_ = QImage(EnPixeles(area, escala), QImage::Format_RGB32);
        imagen_.fill(Qt::white);
        imagen_.setDevicePixelRatio(escala);
        imagen_.setDotsPerMeterX(PuntosPorMetro96Dpi);
        imagen_.setDotsPerMeterY(PuntosPorMetro96Dpi);
        bandas_ = std::make_unique<LienzoBandas>(imagen_);
        bandas_->FijarMedida(area);
        recuerdo_ = std::make_unique<LienzoMemoria>(*bandas_);
    }
}

Lienzo& DestinoDibujo::Superficie()
{
    if (tikz_)
        return *tikz_;
    return recuerdo_ ? static_cast<Lienzo&>(*recuerdo_) : *vectorial_;
}

Escritura DestinoDibujo::Guardar()
{
    if (tikz_)
        return EscribirAtomicamente(salida_, tikz_->Documento().toUtf8());
    if (recuerdo_) {
        recuerdo_->Reponer();
        bandas_->Terminar();
    } else {
        vectorial_->Terminar();
    }
    if (svg_)
        return EscribirAtomicamente(salida_, memoria_.data());
    const QByteArray png = Png(imagen_);
    if (png.isEmpty())
        return {false, QStringLiteral("no hay memoria para la imagen")};
    return EscribirAtomicamente(salida_, png);
}

QByteArray DestinoDibujo::Png(const QImage& imagen)
{
    QByteArray png;
    QBuffer codificada(&png);
    if (imagen.isNull() || !codificada.open(QIODevice::WriteOnly) || !imagen.save(&codificada, "PNG"))
        return {};
    return png;
}
