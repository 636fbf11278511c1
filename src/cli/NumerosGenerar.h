// The numbers `nodeva-cli generar` passes to a family of the graph menu:
// checked one after another against the bounds its dialogs would set.
#pragma once

#include <QString>
#include <QStringList>

#include "generators/Catalogo.h"

// "n k": the names of the numbers the family asks, in order.
QString ArgumentosGenerador(const Generador& g);

// The numbers as the dialogs would accept them, or the reason they would not.
QString LeerNumeros(const Generador& g, const QStringList& textos, Numeros& numeros);
