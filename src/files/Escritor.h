// Writing a graph record as a graph file.
#pragma once

#include <QByteArray>
#include <QString>

#include "files/EscrituraAtomica.h"

class Grafo;

// The file's bytes: type name, n, the matrix rows, an empty line and one
// " X ,  Y " line per vertex, each line ended by CR LF.
QByteArray TextoGrafo(const Grafo& grafo);

// Replaces the file in one step (a temporary file renamed into place), so a
// failed write leaves any earlier file whole.
Escritura EscribirGrafo(const QString& nombreArchivo, const Grafo& grafo);
