// Where the program's data files are found: the shape files, and the help
// menus, documents and pages, whether the program runs from its build tree
// or from an installed tree.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Shape files and help menus are looked for in the working folder before the
// program's data folder; other data only in the data folder.
enum class BuscarEn { Programa, TrabajoYPrograma };

// The data folder of a program whose executable lives in `carpetaPrograma`:
// the installed tree's share/nodeva beside its bin folder when there is one,
// the executable's own folder otherwise (where a build tree keeps its data).
QString CarpetaDatos(const QString& carpetaPrograma);
// The same for the running program; empty before a QCoreApplication exists.
QString CarpetaDatos();

// The folders a data file is looked for in, in order; `subcarpeta` (such as
// "ayuda") applies to the data folder only.
QStringList CarpetasDatos(BuscarEn donde, const QString& subcarpeta = {});

// The path of the first of `carpetas` that holds the regular file `nombre`
// (a relative path), or an empty string when none does.
QString BuscarDato(const QString& nombre, const QStringList& carpetas);

// The whole text of a data file written by a person (a help menu or page):
// UTF-8 when the bytes are valid UTF-8, else Latin-1, the 8-bit text of the
// graph files. Nothing when the file cannot be read.
std::optional<QString> LeerTextoDato(const QString& ruta);
