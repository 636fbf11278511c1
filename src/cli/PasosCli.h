// The steps of a run written to a folder (nodeva-cli ejecutar --pasos): at
// every pause the work area's picture as paso-001.png and the step window's
// text as paso-001.txt (or .html), each file written whole or not at all.
#pragma once

#include <QString>
#include <QTextStream>

class QImage;
class QTextDocument;

class PasosCli {
public:
    // Why `carpeta` cannot take the steps; "" when it can. A folder that
    // already holds step files would mix two runs: it is refused, unless
    // `reemplazar` says to remove them first (Vaciar).
    static QString Rechazo(const QString& carpeta, bool reemplazar);
    // Whether a file of that name is one of the steps' own (paso-001.png, ...).
    static bool EsPaso(const QString& nombre);
    // Removes the step files of an earlier run; false when one stays.
    static bool Vaciar(const QString& carpeta);

    // What could not be written is said on `errores`.
    PasosCli(QString carpeta, bool html, QTextStream& errores)
        : carpeta_(std::move(carpeta)), html_(html), errores_(errores)
    {
    }

    // The next step's two files; false when one could not be written (then
    // nothing more is written).
    bool Escribir(const QImage& dibujo, const QTextDocument& texto);
    bool Fallido() const { return fallido_; }

private:
    QString carpeta_;
    bool html_;
    QTextStream& errores_;
    int numero_ = 0;
    bool fallido_ = false;
};
