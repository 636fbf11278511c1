// Replacing a file: whichever system call fails, at whichever byte, the old file keeps its bytes and nothing
// is left beside it; what is not a regular file is never replaced.
#include <QDir>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files/EscrituraAtomica.h"
#include "support/CarpetaPrueba.h"

namespace {

// The real calls, with the failure the test sets up. Writes also take at most `trozo` bytes at a time, as
// write() may.
struct SistemaConFallo : SistemaFicheros {
    qint64 admitidos = -1; // bytes written before the disk is full; -1: never
    size_t trozo = 7;
    QByteArray llamadaFallida;
    int error = EIO;
    qint64 escritos = 0;

    ssize_t Escribir(int fd, const char* datos, size_t n) override
    {
        if (admitidos >= 0 && escritos >= admitidos) {
            errno = ENOSPC;
            return -1;
        }
        n = std::min({n, trozo, admitidos >= 0 ? size_t(admitidos - escritos) : n});
        const ssize_t hechos = SistemaFicheros::Escribir(fd, datos, n);
        escritos += std::max<ssize_t>(hechos, 0);
        return hechos;
    }
    int Crear(const QByteArray& ruta, mode_t modo) override
    {
        temporal = ruta;
        return SistemaFicheros::Crear(ruta, modo);
    }
    QByteArray temporal; // the last one made
    int Sincronizar(int fd) override { return Tras("Sincronizar", SistemaFicheros::Sincronizar(fd)); }
    int Cerrar(int fd) override { return Tras("Cerrar", SistemaFicheros::Cerrar(fd)); }
    int Renombrar(const QByteArray& de, const QByteArray& a) override
    {
        return llamadaFallida == "Renombrar" ? Tras("Renombrar", 0) : SistemaFicheros::Renombrar(de, a);
    }
    int SincronizarCarpeta(const QByteArray& c) override
    {
        return Tras("SincronizarCarpeta", SistemaFicheros::SincronizarCarpeta(c));
    }
    // The real call's result, or -1 with the chosen errno from the call that fails.
    int Tras(const char* llamada, int resultado)
    {
        errno = error;
        return llamadaFallida == llamada ? -1 : resultado;
    }
};

struct Carpeta : CarpetaPrueba {
    QString Ruta(const QString& nombre = "g.grf") const { return CarpetaPrueba::Ruta(nombre); }
    QByteArray Leer(const QString& nombre = "g.grf") const { return Contenido(nombre); }
    QStringList Entradas() const
    {
        return QDir(carpeta.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    }
};

const QByteArray Viejo = "Simple\r\n 1 \r\n 0 \r\n\r\n 300 ,  300 \r\n";
const QByteArray Nuevo = QByteArray(300, '7') + "\r\n";

TEST(EscrituraAtomica, UnDiscoLlenoEnCualquierByteDejaElFicheroAnterior)
{
    Carpeta c;
    ASSERT_TRUE(EscribirAtomicamente(c.Ruta(), Viejo).hecha);
    for (qint64 k = 0; k < Nuevo.size(); ++k) {
        SistemaConFallo sistema;
        sistema.admitidos = k;
        const Escritura e = EscribirAtomicamente(c.Ruta(), Nuevo, sistema);
        ASSERT_TRUE(!e.hecha && e.motivo == "no queda espacio en el disco") << k;
        ASSERT_TRUE(c.Leer() == Viejo && c.Entradas() == QStringList{"g.grf"}) << k;
    }
    SistemaConFallo aTrozos;
    EXPECT_TRUE(EscribirAtomicamente(c.Ruta(), Nuevo, aTrozos).hecha);
    EXPECT_EQ(c.Leer(), Nuevo);
}

// A failed sync, close or rename is a failed save. The folder's sync comes after the rename: the new file is
// in place and saved, with a warning that it may not be on the disk yet, except where the file system cannot
// sync folders at all.
TEST(EscrituraAtomica, CadaLlamadaQueFallaSeDaPorFallo)
{
    for (const auto& [llamada, error] : {std::pair{"Sincronizar", EIO},
                                         {"Cerrar", ENOSPC},
                                         {"Renombrar", EXDEV},
                                         {"SincronizarCarpeta", EIO},
                                         {"SincronizarCarpeta", EINVAL}}) {
        SCOPED_TRACE(llamada);
        const bool hecha = std::string(llamada) == "SincronizarCarpeta";
        Carpeta c;
        ASSERT_TRUE(EscribirAtomicamente(c.Ruta(), Viejo).hecha);
        SistemaConFallo sistema;
        sistema.llamadaFallida = llamada;
        sistema.error = error;
        const Escritura e = EscribirAtomicamente(c.Ruta(), Nuevo, sistema);
        EXPECT_TRUE(e.hecha == hecha && e.motivo.isEmpty() == hecha) << e.motivo.toStdString();
        EXPECT_EQ(e.aviso.isEmpty(), error != EIO || !hecha);
        EXPECT_TRUE(c.Leer() == (hecha ? Nuevo : Viejo) && c.Entradas() == QStringList{"g.grf"});
    }
}

// A FIFO, a folder, a read-only file and a loop of links keep being what they were; a link to a file is
// followed and stays a link; the file keeps its permissions.
TEST(EscrituraAtomica, SoloReemplazaFicherosNormales)
{
    Carpeta c;
    ASSERT_EQ(::mkfifo(QFile::encodeName(c.Ruta("fifo")).constData(), 0600), 0);
    ASSERT_TRUE(QDir(c.carpeta.path()).mkdir("carpeta"));
    ASSERT_TRUE(QFile::link(c.Ruta("no-existe"), c.Ruta("roto")));
    ASSERT_TRUE(QFile::link(c.Ruta("bucle2"), c.Ruta("bucle1")) && QFile::link(c.Ruta("bucle1"), c.Ruta("bucle2")));
    ASSERT_TRUE(EscribirAtomicamente(c.Ruta("leer"), Viejo).hecha);
    ASSERT_EQ(::chmod(QFile::encodeName(c.Ruta("leer")).constData(), 0444), 0);
    for (const auto& [nombre, motivo] : {std::pair{"fifo", "no es un fichero normal"},
                                         {"carpeta", "es una carpeta"},
                                         {"roto", "es un enlace a un fichero que no existe"},
                                         {"bucle1", "es un enlace que no lleva a ningún fichero (un bucle de enlaces)"},
                                         {"leer", "El fichero es de solo lectura"}}) {
        const Escritura e = EscribirAtomicamente(c.Ruta(nombre), Nuevo);
        EXPECT_TRUE(!e.hecha && e.motivo == motivo) << nombre << ": " << e.motivo.toStdString();
    }
    // Qt takes a FIFO for neither a file nor a folder.
    EXPECT_TRUE(QFileInfo(c.Ruta("fifo")).exists() && !QFileInfo(c.Ruta("fifo")).isFile());
    EXPECT_TRUE(QFileInfo(c.Ruta("bucle1")).isSymLink());
    EXPECT_EQ(c.Leer("leer"), Viejo);
    EXPECT_EQ(c.Entradas(), (QStringList{"bucle1", "bucle2", "carpeta", "fifo", "leer", "roto"}));

    ASSERT_TRUE(EscribirAtomicamente(c.Ruta(), Viejo).hecha);
    ASSERT_EQ(::chmod(QFile::encodeName(c.Ruta()).constData(), 0640), 0);
    ASSERT_TRUE(QFile::link(c.Ruta(), c.Ruta("enlace")));
    // A narrow umask would strip the group's read from the new file unless the old mode is put back.
    const mode_t mascara = ::umask(077);
    ASSERT_TRUE(EscribirAtomicamente(c.Ruta("enlace"), Nuevo).hecha);
    ::umask(mascara);
    EXPECT_EQ(QFileInfo(c.Ruta("enlace")).symLinkTarget(), c.Ruta());
    EXPECT_EQ(c.Leer(), Nuevo);
    EXPECT_EQ(QFileInfo(c.Ruta()).permissions() & 0x7077, 0x6040) << "rw-r-----";
}

// A name as long as the system allows is written (the temporary's name does not grow with it), and what a
// save killed before its rename left behind goes at the next save of the same file, nothing else.
TEST(EscrituraAtomica, NombresLargosYTemporalesAbandonados)
{
    Carpeta c;
    const QString largo = c.Ruta(QString(255 - 4, u'n') + ".grf");
    const Escritura e = EscribirAtomicamente(largo, Viejo);
    EXPECT_TRUE(e.hecha) << e.motivo.toStdString();
    EXPECT_EQ(c.Leer(QFileInfo(largo).fileName()), Viejo);
    EXPECT_EQ(EscribirAtomicamente(largo + "x", Viejo).motivo, "el nombre es demasiado largo");

    // A save killed before its rename: its temporary is still there.
    const auto matado = [&](const QString& ruta) {
        SistemaConFallo sistema;
        ASSERT_TRUE(EscribirAtomicamente(ruta, Viejo, sistema).hecha);
        QFile resto(QFile::decodeName(sistema.temporal));
        ASSERT_TRUE(resto.open(QIODevice::WriteOnly) && resto.write("a medias") == 8);
    };
    matado(c.Ruta());
    matado(c.Ruta("otro.grf"));
    ASSERT_EQ(c.Entradas().size(), 5);
    ASSERT_TRUE(EscribirAtomicamente(c.Ruta(), Nuevo).hecha);
    EXPECT_EQ(c.Entradas().size(), 4) << "queda el temporal de otro.grf";
    EXPECT_EQ(c.Leer(), Nuevo);
}

} // namespace
