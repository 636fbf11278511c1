// File names whose bytes are not UTF-8 (an old Latin-1 disk) go through the
// program unchanged: read, written, compared and recovered from Qt's
// dialogs, always the file they name and never another.
#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

#include "files/EscrituraAtomica.h"
#include "files/LecturaPrueba.h"
#include "files/NombreFichero.h"

namespace {

// Valid and invalid UTF-8 alike: overlong forms, encoded surrogates (even the
// escapes' own code points), past U+10FFFF, cut short, bytes never used.
const QByteArray Nombres[] = {"",
                              "grafo.grf",
                              "caf\xe9.grf",
                              "caf\xc3\xa9.grf",
                              "\xc0\xaf",
                              "\xed\xa0\x80",
                              "\xed\xb2\x80",
                              "\xf4\x90\x80\x80",
                              "\xf0\x9f\x98\x80",
                              "a\xe2\x82",
                              "\xff\xfe",
                              "\xe9\xc3\xa9\xe9"};

} // namespace

TEST(NombreFichero, LosBytesVanYVuelvenSinPerderNada)
{
    std::set<QString> vistos;
    for (const QByteArray& bytes : Nombres) {
        const QString nombre = NombreDesdeBytes(bytes);
        EXPECT_EQ(BytesDeNombre(nombre), bytes) << bytes.toHex().toStdString();
        if (QString::fromUtf8(bytes).toUtf8() == bytes) {
            EXPECT_EQ(nombre, QString::fromUtf8(bytes)) << bytes.toHex().toStdString();
        }
        EXPECT_TRUE(vistos.insert(nombre).second) << "two names became one: " << bytes.toHex().toStdString();
    }
}

TEST(NombreFichero, SeLeeYSeEscribeElFicheroQueSeNombra)
{
    LecturaPrueba c;
    const QString carpeta = NombreDesdeBytes(QFile::encodeName(c.carpeta.path()));
    const QString latino = carpeta + NombreDesdeBytes("/caf\xe9.grf");
    ASSERT_TRUE(EscribirAtomicamente(latino, "Simple\r\n2\r\n0 1\r\n1 0\r\n\r\n1200 , 900\r\n3000 , 900\r\n").hecha);
    ASSERT_TRUE(EscribirAtomicamente(carpeta + NombreDesdeBytes("/caf\xe8.grf"), "otro").hecha);
    struct stat st {};
    ASSERT_EQ(::stat((QFile::encodeName(c.carpeta.path()) + "/caf\xe9.grf").constData(), &st), 0);
    EXPECT_EQ(Disco::Entradas(carpeta).size(), 2);

    EXPECT_EQ(c.LeerRuta(latino), 0) << c.Ultimo();
    EXPECT_EQ(c.grafo.dimen(), 2);

    // What Qt's dialog hands back for each: both read "caf\uFFFD.grf", so only
    // a name that fits one entry is recovered.
    EXPECT_EQ(NombreRecuperado(QFile::decodeName(BytesDeNombre(latino))), QFile::decodeName(BytesDeNombre(latino)));
    ASSERT_EQ(::unlink((QFile::encodeName(c.carpeta.path()) + "/caf\xe8.grf").constData()), 0);
    EXPECT_EQ(NombreRecuperado(QFile::decodeName(BytesDeNombre(latino))), latino);

    ASSERT_TRUE(QFile::link(c.Ruta("x"), c.Ruta("enlace")));
    ASSERT_TRUE(EscribirAtomicamente(c.Ruta("x"), "x").hecha);
    EXPECT_TRUE(Disco::MismoFichero(c.Ruta("enlace"),
                                    c.carpeta.path() + "/../" + QFileInfo(c.carpeta.path()).fileName() + "/x"));
    EXPECT_FALSE(Disco::MismoFichero(c.Ruta("x"), latino));
    EXPECT_TRUE(Disco::Borrar(carpeta, NombreDesdeBytes("caf\xe9.grf"))); // Qt could not
}
