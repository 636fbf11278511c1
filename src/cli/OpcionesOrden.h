// The options an algorithm's row of the catalogue gives `nodeva-cli
// ejecutar`: reading their values into the run's answers, checking them
// against the graph, and their lines in the help.
#pragma once

#include <QString>
#include <QStringList>

#include "algorithms/CatalogoOrdenes.h"

class Grafo;

// Whether some algorithm takes an option of this name (it then takes a value).
bool EsOpcionDeAlgun(const QString& nombre);

// Reads the value of the row's option `nombre` into `parametros`; an error
// text when the row has no such option or the value is not one it takes.
QString LeerOpcionOrden(const OrdenAlgoritmo& orden, const QString& nombre, const QString& valor,
                        Parametros& parametros);
// Every required option given? The error text for the first one missing.
QString FaltaOpcion(const OrdenAlgoritmo& orden, const QStringList& dadas);
// The answers against the graph opened (vertices that exist); an error text.
QString ComprobarParametros(const OrdenAlgoritmo& orden, const Parametros& parametros, const Grafo& grafo);
// The algorithm may run on this graph's type? An error text otherwise.
QString ComprobarTipo(const OrdenAlgoritmo& orden, const QString& nombre, const Grafo& grafo);

// "  Kruskal  --raiz N ..." lines for the help, one per row.
QString AyudaAlgoritmos();
// The first name of every row, in catalogue order.
QStringList NombresCli();
