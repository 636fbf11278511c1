// Test helpers for nodeva-cli: a run in-process with its status and both streams, and graph files written
// into a temporary folder.
#pragma once

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "cli/Subcomandos.h"

struct Ejecucion {
    int estado = 0;
    QString salida, errores;
};

inline Ejecucion Ejecutar(const QStringList& argumentos)
{
    Ejecucion e;
    QTextStream salida(&e.salida), errores(&e.errores);
    e.estado = EjecutarCli(argumentos, salida, errores);
    salida.flush();
    errores.flush();
    return e;
}

struct CarpetaCli {
    QTemporaryDir carpeta;
    QString Ruta(const QString& nombre) const { return carpeta.filePath(nombre); }
    QString Fichero(const QString& nombre, const QByteArray& bytes)
    {
        QFile f(Ruta(nombre));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
        return f.fileName();
    }
    QByteArray Leer(const QString& nombre) const
    {
        QFile f(Ruta(nombre));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<no se lee>");
    }
};
