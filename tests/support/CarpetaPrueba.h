// A temporary folder for a test's files: each written whole, each read back whole.
#pragma once

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

struct CarpetaPrueba {
    QTemporaryDir carpeta;
    QString Ruta(const QString& nombre) const { return carpeta.filePath(nombre); }
    QString Fichero(const QString& nombre, const QByteArray& bytes)
    {
        QFile f(Ruta(nombre));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
        return f.fileName();
    }
    QByteArray Contenido(const QString& nombre) const
    {
        QFile f(Ruta(nombre));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<no se lee>");
    }
};
