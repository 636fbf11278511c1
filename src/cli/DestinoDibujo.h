// Where a drawing of the command line goes: a PNG image or an SVG drawing the
// size of the work area, or a LaTeX document with a TikZ figure, made in
// memory while the graph (or a run, with its highlights) is drawn, and
// written to its file only once all went well.
#pragma once

#include <QBuffer>
#include <QImage>
#include <QSize>
#include <QString>
#include <QSvgGenerator>
#include <memory>
#include <optional>

#include "drawing/LienzoBandas.h"
#include "drawing/LienzoImagen.h"
#include "drawing/LienzoMemoria.h"
#include "drawing/LienzoTikz.h"
#include "files/EscrituraAtomica.h"

class DestinoDibujo {
public:
    // The most pixels a drawing may have: 16384 x 16384, 1 GiB as an image;
    // and the longest side, within the coordinates Qt's raster painter works in.
    static constexpr qint64 PixelesMaximos = qint64(1) << 28;
    static constexpr int LadoMaximo = 32767;
    static constexpr double EscalaMinima = 0.25, EscalaMaxima = 16;

    static bool Admitido(const QString& salida);
    // A PNG image's scale, from EscalaMinima to EscalaMaxima; nothing otherwise.
    static std::optional<double> Escala(const QString& texto);
    // Why `salida` cannot take the drawing of `grafo` (a file name) for a work
    // area of `area` twips at `escala`; "" when it can. A TikZ figure has no
    // pixels to count.
    static QString Rechazo(const QString& salida, const QString& grafo, QSize area, double escala);

    // A pixel (or SVG unit) is 15 twips, as on a 96-dpi screen, times the
    // scale of a PNG image. The SVG drawing is titled with the graph's file name.
    // A .tex file takes the figure in centimetres, 567 twips to the centimetre.
    DestinoDibujo(const QString& salida, QSize area, double escala, const QString& grafo);

    // An image is drawn through a memory of what was drawn, so that a shape
    // taken away (a label about to be written again) is painted again from
    // it, exactly as on the screen.
    // The TikZ surface remembers its picture by itself.
    Lienzo& Superficie();
    // An image as a PNG file's bytes; empty when it could not be encoded.
    static QByteArray Png(const QImage& imagen);
    // Ends painting and writes the file in one step.
    Escritura Guardar();

private:
    QString salida_;
    bool svg_;
    QImage imagen_;
    QBuffer memoria_;
    QSvgGenerator generador_;
    std::unique_ptr<LienzoImagen> vectorial_; // the SVG's
    // The image is painted in the screen's bands, so it has the screen's bytes.
    std::unique_ptr<LienzoBandas> bandas_;
    std::unique_ptr<LienzoMemoria> recuerdo_;
    std::unique_ptr<LienzoTikz> tikz_;
};
