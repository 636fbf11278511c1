// Reading a graph file into a graph record. Every fault is reported once, as
// a critical "ERROR" message through the Interaccion, and ends the read.
#pragma once

#include <QIODevice>
#include <QSize>
#include <QString>
#include <cstdint>

struct Documento;
class Grafo;
class Interaccion;

// Fills `grafo` (a fresh record) from the file: 0 on success, non-zero after
// a fault has been reported. `areaTrabajo` is the work area in twips; the
// positions are rescaled to fit it when some lie on or beyond its margins.
// Clears documento.GrafoModificado whatever the outcome.
[[nodiscard]] std::int16_t LeerGrafo(const QString& nombreArchivo, Grafo& grafo, Documento& documento,
                                     Interaccion& interaccion, QSize areaTrabajo);
// The same from a device already open for reading (a buffer, a resource).
[[nodiscard]] std::int16_t LeerGrafo(QIODevice& origen, Grafo& grafo, Interaccion& interaccion, QSize areaTrabajo);

// True when entry (i, j) equals entry (j, i) for all 1 <= j < i <= n.
bool EsSimetrica(const Grafo& grafo);
