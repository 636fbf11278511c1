// Graphs in and out in other tools' formats. Each format's syntax is read and
// written by a library of the distribution (igraph for GraphML, GML and
// Pajek; Graphviz's cgraph for DOT; nauty's gtools for graph6); here are the
// rules that turn what the library read into one of our graphs, and back.
//
// Formato::Nodeva is the program's own graph file: ImportarGrafo and
// ImportarBytes read it with LeerGrafo (its message, as the reader shows it),
// TextoExportado and ExportarGrafo write it with TextoGrafo, so a caller can
// treat every format alike.
#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <optional>

#include "files/EscrituraAtomica.h"

class Grafo;

enum class Formato { Nodeva, GraphML, GML, DOT, Pajek, Graph6 };

// The format a file's name ends in, case-insensitive: .grf and .txt are the
// program's own, .graphml, .gml, .dot, .gv, .net and .g6 the others'; nothing
// for any other name.
std::optional<Formato> FormatoDeArchivo(const QString& archivo);
bool FormatoLegible(Formato formato);
bool FormatoEscribible(Formato formato);
// The format's first extension, with its dot: ".graphml".
QString ExtensionDe(Formato formato);
// The format's name as the messages and the filters give it: "GraphML".
QString NombreFormato(Formato formato);

// File-dialog filters, "Nombre (*.ext)|*.ext|...": for importing, "Todos los
// grafos" (every readable extension, the program's own too) and then each
// other tool's format; for exporting, each other tool's format.
QString FiltroImportar();
QString FiltroExportar();

// Reads a file of that format into `grafo` (a fresh record): "" on success,
// else why not, in Spanish; a refused file leaves the record as it was. The
// format is the one of the file's name, which must be one of the readable
// ones. `areaTrabajo` is the work area in twips: the file's positions are
// fitted to it, or the vertices laid out in it when the file has none.
QString ImportarGrafo(const QString& archivo, Grafo& grafo, QSize areaTrabajo);
QString ImportarBytes(const QByteArray& bytes, Formato formato, Grafo& grafo, QSize areaTrabajo);

// Why the graph cannot be written in that format, "" when it can: graph6
// holds neither weights nor directions, and no other tool's format takes the
// loops a graph file may keep (they would not read back).
QString RechazoExportar(Formato formato, const Grafo& grafo);
// The file's bytes. Precondition: RechazoExportar(formato, grafo) is "".
QByteArray TextoExportado(Formato formato, const Grafo& grafo);
// Writes them through the atomic writer; a graph the format refuses is not
// written, with RechazoExportar's text as the reason.
Escritura ExportarGrafo(const QString& archivo, Formato formato, const Grafo& grafo);
