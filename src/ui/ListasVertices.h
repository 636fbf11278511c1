// Two drop-down lists of vertices that never offer the vertex chosen in the
// other, as the identify and the path dialogs have them.
#pragma once

#include <QStringList>
#include <cstdint>

// "1" to "n".
QStringList ListaVertices(int n);

// Item `indice` of `lista` becomes the choice `elegido` (0 for an item that
// is no vertex, such as "TODOS"): the vertex chosen before goes back into
// `otra` at its place and the new one leaves it. `otra` lacks exactly the
// vertex chosen here, so vertex p sits at position p - 1 of it once back.
// An index outside the list is ignored.
void ElegirExcluyendo(const QStringList& lista, int indice, std::int16_t& elegido, QStringList& otra);
