// Where a run's drawing goes when the command line asks for it: a PNG image
// or an SVG drawing the size of the work area, painted on as the run paints
// the work area, highlights included.
#pragma once

#include <QFile>
#include <QImage>
#include <QSize>
#include <QString>
#include <QSvgGenerator>
#include <memory>

#include "drawing/LienzoImagen.h"

class DestinoDibujo {
public:
    static bool Admitido(const QString& salida);

    // area in twips; a pixel (or SVG unit) is 15 twips, as on a 96-dpi screen.
    DestinoDibujo(const QString& salida, QSize area);

    // False when an SVG file could not be created (nothing must paint then).
    bool Abierto() const { return !svg_ || fichero_.isOpen(); }
    Lienzo& Superficie() { return *lienzo_; }
    // Ends painting and writes the file; false when it could not be written.
    bool Guardar();
    // Ends painting and leaves no file behind.
    void Descartar();

private:
    QString salida_;
    bool svg_;
    QImage imagen_;
    QFile fichero_;
    QSvgGenerator generador_;
    std::unique_ptr<LienzoImagen> lienzo_;
};
