#include "ui/DibujoExportado.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "drawing/LienzoImagen.h"
#include "drawing/LienzoMemoria.h"
#include "ui/DibujoTikz.h"
#include "ui/SuperficieArea.h"

namespace {

bool Termina(const QString& fichero, const char* extension)
{
    return fichero.endsWith(QLatin1String(extension), Qt::CaseInsensitive);
}

const Escritura SinMemoria{false, QStringLiteral("el dibujo tiene más trazos de los que se recuerdan y no puede "
                                                 "repetirse")};

Escritura Png(SuperficieArea& area, const QString& fichero)
{
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    QImageWriter escritor(&bytes, "png");
    if (!escritor.write(area.Imagen()))
        return {false, QStringLiteral("no hay memoria para la imagen")};
    return EscribirAtomicamente(fichero, bytes.data());
}

// The vector formats draw the remembered shapes again on their own device,
// a 96-dpi pixel being 15 twips as on the screen.
Escritura Vectorial(const LienzoMemoria& memoria, QPaintDevice& dispositivo, QBuffer& bytes, const QString& fichero)
{
    if (!memoria.Completa())
        return SinMemoria;
    {
        LienzoImagen lienzo(dispositivo);
        memoria.Repetir(lienzo);
        lienzo.Terminar();
    }
    return EscribirAtomicamente(fichero, bytes.data());
}

QSize EnPixeles(const LienzoMemoria& memoria)
{
    return QSize(int(memoria.Ancho() / Lienzo::TwipsPorPixel), int(memoria.Alto() / Lienzo::TwipsPorPixel));
}

Escritura Svg(const LienzoMemoria& memoria, const QString& fichero, const QString& titulo)
{
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&bytes);
    svg.setSize(EnPixeles(memoria));
    svg.setViewBox(QRect(QPoint(0, 0), EnPixeles(memoria)));
    svg.setResolution(96);
    svg.setTitle(titulo.toHtmlEscaped());
    return Vectorial(memoria, svg, bytes, fichero);
}

Escritura Pdf(const LienzoMemoria& memoria, const QString& fichero, const QString& titulo)
{
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&bytes);
    pdf.setTitle(titulo);
    pdf.setCreator(QStringLiteral("Nodeva"));
    // One page the size of the area: 20 twips to a point.
    pdf.setPageSize(QPageSize(QSizeF(memoria.Ancho() / 20.0, memoria.Alto() / 20.0), QPageSize::Point));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setResolution(96);
    return Vectorial(memoria, pdf, bytes, fichero);
}

} // namespace

QString FiltroDibujos()
{
    return QStringLiteral("Imagen PNG (*.png)|*.png|Dibujo SVG (*.svg)|*.svg|Documento PDF (*.pdf)|*.pdf|"
                          "Figura TikZ para LaTeX (*.tex)|*.tex");
}

bool EsDibujo(const QString& fichero)
{
    return Termina(fichero, ".png") || Termina(fichero, ".svg") || Termina(fichero, ".pdf") || Termina(fichero, ".tex");
}

Escritura EscribirDibujo(SuperficieArea& area, const QString& fichero, const QString& titulo)
{
    LienzoMemoria& memoria = area.Memoria();
    if (Termina(fichero, ".svg"))
        return Svg(memoria, fichero, titulo);
    if (Termina(fichero, ".pdf"))
        return Pdf(memoria, fichero, titulo);
    if (Termina(fichero, ".tex"))
        return EscribirTikz(memoria, fichero);
    return Png(area, fichero);
}
