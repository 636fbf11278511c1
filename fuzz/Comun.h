// What the fuzz targets share: a person who only counts message boxes, the
// check that aborts the run when a rule breaks, and a scratch folder for the
// parsers that read a named file.
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "costuras/Interaccion.h"
#include "files/Lector.h"
#include "model/Grafo.h"

class InteraccionContada : public Interaccion {
public:
    int mensajes = 0;
    std::int16_t Mensaje(const QString&, const QString&, Icono, Botones) override
    {
        ++mensajes;
        return Respuesta::Aceptar;
    }
    QString NombreParaAbrir(const QString&) override { return {}; }
    QString NombreParaGuardar(const QString&, const QString&) override { return {}; }
    double Ahora() override { return 0; }
    void ProcesarEventos() override {}
};

inline void Exigir(bool condicion, const char* que)
{
    if (!condicion) {
        std::fprintf(stderr, "fuzz: %s\n", que);
        std::abort();
    }
}

// Same type, order, edge count and matrix: what a graph written out and read
// back must keep.
inline bool MismoGrafo(const Grafo& a, const Grafo& b)
{
    if (a.Tipo() != b.Tipo() || a.dimen() != b.dimen() || a.numero_aristas() != b.numero_aristas())
        return false;
    for (int i = 1; i <= a.dimen(); ++i)
        for (int j = 1; j <= a.dimen(); ++j)
            if (a.elem_matriz(i, j) != b.elem_matriz(i, j))
                return false;
    return true;
}

// QtCore's file and text helpers expect an application object: one for the
// whole run, never destroyed.
inline void IniciarQt(int* argc, char*** argv)
{
    static auto* app = new QCoreApplication(*argc, *argv);
    (void)app;
}

// The same, for a target that draws: drawing needs a GUI application.
inline void IniciarGuiQt(int* argc, char*** argv)
{
    static auto* app = new QGuiApplication(*argc, *argv);
    (void)app;
}

// A folder of this run's own, removed at its end, for the file under test;
// in memory when there is such a folder, since a disk write per input slows
// a run severalfold.
inline const QString& CarpetaTemporal()
{
    static const QString base =
        QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    static QTemporaryDir carpeta(base + QStringLiteral("/nodeva-fuzz-XXXXXX"));
    static const QString ruta = carpeta.path();
    Exigir(carpeta.isValid(), "cannot make the scratch folder");
    return ruta;
}

// Writes the input as `nombre` in the scratch folder; its path.
inline QString EscribirTemporal(const QString& nombre, const std::uint8_t* datos, std::size_t tamaño)
{
    const QString ruta = CarpetaTemporal() + u'/' + nombre;
    std::FILE* f = std::fopen(QFile::encodeName(ruta).constData(), "wb");
    Exigir(f && std::fwrite(datos, 1, tamaño, f) == tamaño && std::fclose(f) == 0,
           "cannot write the scratch file");
    return ruta;
}

// Reads the bytes as a graph file, for a work area of this size: 0 when it loads.
inline std::int16_t LeerBytes(const QByteArray& bytes, Grafo& grafo, InteraccionContada& io, QSize area)
{
    QBuffer origen;
    origen.setData(bytes);
    origen.open(QIODevice::ReadOnly);
    return LeerGrafo(origen, grafo, io, area);
}
