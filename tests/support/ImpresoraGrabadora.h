// A printer for tests: it writes down every call, and fails from the call the test chooses on.
#pragma once

#include <QPainter>
#include <QPicture>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <vector>

#include "costuras/Impresora.h"

class ImpresoraGrabadora : public Impresora {
public:
    QStringList llamadas;
    int fallarDesde = -1;          // index of the first call that fails; -1 never
    QString negrita;               // the bold characters of the last text printed
    std::vector<QImage> imagenes;  // every picture drawn, in order
    std::vector<QPicture> figuras; // every drawing in vectors, in order

    void Orientacion(int orientacion) override { Anotar(QString("orientacion %1").arg(orientacion)); }
    bool DibujarImagen(const QImage& imagen, const QRectF& r) override
    {
        imagenes.push_back(imagen);
        return Anotar("imagen " + Medidas(imagen.size(), r));
    }
    bool DibujarFiguras(const Figuras& dibujar, QSizeF medida, const QRectF& r) override
    {
        QPicture dibujo;
        {
            QPainter pintor(&dibujo);
            dibujar(pintor);
        }
        figuras.push_back(dibujo);
        return Anotar("figuras " + Medidas(medida, r));
    }
    bool FinDocumento() override { return Anotar("fin"); }
    void AbandonarDocumento() override { Anotar("abandonar"); }
    bool ImprimirTexto(const QTextDocument& texto) override
    {
        negrita.clear();
        for (QTextBlock b = texto.begin(); b.isValid(); b = b.next())
            for (auto trozo = b.begin(); !trozo.atEnd(); ++trozo)
                if (trozo.fragment().charFormat().fontWeight() == QFont::Bold)
                    negrita += trozo.fragment().text();
        return Anotar("texto " + texto.toPlainText());
    }
    bool Encabezado(const QString& texto) override { return Anotar("cabecera " + texto); }
    bool ImprimirTextoEn(const QTextDocument& texto, const QRectF&) override
    {
        return Anotar("texto en la página " + texto.toPlainText());
    }

private:
    // "WxH en x,y wxh": a picture's own size and where it lands.
    static QString Medidas(QSizeF propia, const QRectF& r)
    {
        return QString("%1x%2 en %3,%4 %5x%6")
            .arg(propia.width())
            .arg(propia.height())
            .arg(r.x())
            .arg(r.y())
            .arg(r.width())
            .arg(r.height());
    }
    bool Anotar(const QString& llamada)
    {
        llamadas << llamada;
        return fallarDesde < 0 || llamadas.size() <= fallarDesde;
    }
};
