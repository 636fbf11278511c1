// What the subcommands that take a graph file share: reading the size options
// of the work area and loading the file exactly as the program opens it.
#pragma once

#include <QSize>
#include <QString>
#include <QTextStream>
#include <optional>

class Grafo;
struct Escritura;

// The work area of a maximised window, in twips.
inline constexpr QSize AreaTrabajoPorOmision{9000, 6000};

// A length of the work area in twips: a whole number from 1 to 1 000 000.
std::optional<int> MedidaTwips(const QString& texto);

// Answers --help, or arguments that make no sense (the error, then the
// usage on stderr): the exit status, or nothing when the subcommand goes on.
std::optional<int> AyudaOError(bool ayuda, const QString& error, void (*ayudaTexto)(QTextStream&), QTextStream& salida,
                               QTextStream& errores);

// Reads `archivo` into `grafo` (a fresh record), rescaling positions to `area`
// as opening does. A name ending in another tool's extension (.graphml,
// .gml, .dot, .gv, .net, .g6) is imported from that format; any other is
// read as a graph file. A bad file's message goes to `errores` as "ERROR: ...".
[[nodiscard]] bool CargarGrafoCli(const QString& archivo, QSize area, Grafo& grafo, QTextStream& errores);

// Whether the output file was written; when not, says why on `errores`.
bool Escrito(const Escritura& escritura, const QString& fichero, QTextStream& errores);
