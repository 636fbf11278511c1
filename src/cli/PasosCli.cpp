#include "cli/PasosCli.h"

#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QTextDocument>

#include "cli/CargaCli.h"
#include "cli/DestinoDibujo.h"
#include "files/EscrituraAtomica.h"
#include "files/NombreFichero.h"

namespace {

QStringList Pasos(const QString& carpeta)
{
    QStringList pasos;
    for (const QString& nombre : Disco::Entradas(carpeta))
        if (PasosCli::EsPaso(nombre) && !Disco::EsCarpeta(carpeta + u'/' + nombre))
            pasos << nombre;
    return pasos;
}

} // namespace

bool PasosCli::EsPaso(const QString& nombre)
{
    static const QRegularExpression paso(QStringLiteral("^paso-[0-9]{3,}\\.(png|txt|html)$"));
    return paso.match(nombre).hasMatch();
}

QString PasosCli::Rechazo(const QString& carpeta, bool reemplazar)
{
    if (!Disco::Existe(carpeta))
        return QStringLiteral("La carpeta de los pasos no existe: %1").arg(carpeta);
    if (!Disco::EsCarpeta(carpeta))
        return QStringLiteral("No es una carpeta: %1 (--pasos pide una carpeta donde escribir los pasos).")
            .arg(carpeta);
    if (const QStringList pasos = Pasos(carpeta); !pasos.isEmpty() && !reemplazar)
        return QStringLiteral("La carpeta %1 ya tiene pasos de otra ejecución (%2): se mezclarían. "
                              "--reemplazar los borra antes de empezar.")
            .arg(carpeta, pasos.first());
    return {};
}

bool PasosCli::Vaciar(const QString& carpeta)
{
    bool todos = true;
    for (const QString& nombre : Pasos(carpeta))
        todos = Disco::Borrar(carpeta, nombre) && todos;
    return todos;
}

bool PasosCli::Escribir(const QImage& dibujo, const QTextDocument& texto)
{
    if (fallido_)
        return false;
    const QString base = QDir(carpeta_).filePath(QStringLiteral("paso-%1").arg(++numero_, 3, 10, QChar(u'0')));
    QString escrito = html_ ? texto.toHtml() : texto.toPlainText();
    if (!escrito.endsWith(u'\n'))
        escrito += u'\n';
    const QString imagen = base + QStringLiteral(".png"), traza = base + (html_ ? ".html" : ".txt");
    const QByteArray png = DestinoDibujo::Png(dibujo);
    const Escritura dibujada = png.isEmpty() ? Escritura{false, QStringLiteral("no hay memoria para la imagen")}
                                             : EscribirAtomicamente(imagen, png);
    fallido_ = !Escrito(dibujada, imagen, errores_) ||
               !Escrito(EscribirAtomicamente(traza, escrito.toUtf8()), traza, errores_);
    return !fallido_;
}
