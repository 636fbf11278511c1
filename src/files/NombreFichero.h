// A file name is a string of bytes, and Linux accepts any of them: a name
// copied from an old ISO-8859-1 disk is as good as a UTF-8 one. Qt turns the
// bytes that are not UTF-8 into U+FFFD, so two names become one and the
// real one can be neither opened nor written. Here every byte that is not
// part of a UTF-8 character travels inside the QString as the lone surrogate
// U+DC80..U+DCFF (the escape PEP 383 made common), and the file system is
// reached through these bytes only: name -> bytes -> name loses nothing.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

QString NombreDesdeBytes(const QByteArray& bytes);
QByteArray BytesDeNombre(const QString& nombre);

// The name made absolute against the working folder, in bytes.
QByteArray RutaAbsoluta(const QString& nombre);

// A name that went through Qt's own decoding (a file dialog's choice) has
// U+FFFD where the bytes were not UTF-8: each such part of the path is
// matched against the folder's real entries and, when exactly one fits,
// replaced by it. Anything else comes back as it was.
QString NombreRecuperado(const QString& nombre);

// The few questions to the disk the program asks about a name, through its
// true bytes.
namespace Disco {
bool EsFichero(const QString& nombre); // a regular file, links followed
bool EsCarpeta(const QString& nombre);
bool Existe(const QString& nombre);
// Both names lead to one file on the disk (links, "..", hard links).
bool MismoFichero(const QString& a, const QString& b);
QStringList Entradas(const QString& carpeta); // names only, no "." or ".."
[[nodiscard]] bool Borrar(const QString& carpeta, const QString& nombre);
// Opens a regular file for reading; -1 for anything else or a failure.
int AbrirLectura(const QString& nombre);
} // namespace Disco
