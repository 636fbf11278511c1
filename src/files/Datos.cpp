#include "files/Datos.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

// NODEVA_DATOS_DESDE_BIN, the installed data folder relative to the installed
// executable's folder, comes from the build's install layout.

QString CarpetaDatos(const QString& carpetaPrograma)
{
    const QString instalada = QDir::cleanPath(QDir(carpetaPrograma).filePath(QStringLiteral(NODEVA_DATOS_DESDE_BIN)));
    return QFileInfo(instalada).isDir() ? instalada : carpetaPrograma;
}

QString CarpetaDatos()
{
    if (!QCoreApplication::instance())
        return {};
    return CarpetaDatos(QCoreApplication::applicationDirPath());
}

QStringList CarpetasDatos(BuscarEn donde, const QString& subcarpeta)
{
    QStringList carpetas;
    if (donde == BuscarEn::TrabajoYPrograma)
        carpetas << QDir::currentPath();
    const QString datos = CarpetaDatos();
    if (!datos.isEmpty())
        carpetas << (subcarpeta.isEmpty() ? datos : QDir(datos).filePath(subcarpeta));
    return carpetas;
}

QString BuscarDato(const QString& nombre, const QStringList& carpetas)
{
    for (const QString& carpeta : carpetas) {
        const QString ruta = QDir(carpeta).filePath(nombre);
        if (QFileInfo(ruta).isFile())
            return ruta;
    }
    return {};
}

std::optional<QString> LeerTextoDato(const QString& ruta)
{
    QFile archivo(ruta);
    if (!QFileInfo(ruta).isFile() || !archivo.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = archivo.readAll();
    if (archivo.error() != QFileDevice::NoError)
        return std::nullopt;
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString texto = utf8.decode(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : texto;
}
