#include "cli/PasosCli.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTextDocument>

#include "cli/CargaCli.h"
#include "cli/DestinoDibujo.h"
#include "files/EscrituraAtomica.h"

QString PasosCli::Rechazo(const QString& carpeta)
{
    const QFileInfo info(carpeta);
    if (!info.exists())
        return QStringLiteral("La carpeta de los pasos no existe: %1").arg(carpeta);
    if (!info.isDir())
        return QStringLiteral("No es una carpeta: %1 (--pasos pide una carpeta donde escribir los pasos).")
            .arg(carpeta);
    return {};
}

bool PasosCli::Escribir(const QImage& dibujo, const QTextDocument& texto)
{
    if (fallido_)
        return false;
    const QString base =
        QDir(carpeta_).filePath(QStringLiteral("paso-%1").arg(++numero_, 3, 10, QChar(u'0')));
    QString escrito = html_ ? texto.toHtml() : texto.toPlainText();
    if (!escrito.endsWith(u'\n'))
        escrito += u'\n';
    const QString imagen = base + QStringLiteral(".png"), traza = base + (html_ ? ".html" : ".txt");
    const QByteArray png = DestinoDibujo::Png(dibujo);
    const Escritura dibujada = png.isEmpty()
                                   ? Escritura{false, QStringLiteral("no hay memoria para la imagen")}
                                   : EscribirAtomicamente(imagen, png);
    fallido_ = !Escrito(dibujada, imagen, errores_) ||
               !Escrito(EscribirAtomicamente(traza, escrito.toUtf8()), traza, errores_);
    return !fallido_;
}
