// What an algorithm works with, and the table of the algorithms the
// step-by-step dialog starts by name.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

class Dibujo;
class Grafo;
class Interaccion;
class MarcoEjecucion;

struct Contexto {
    Grafo& grafo;
    Dibujo& dibujo;
    MarcoEjecucion& marco;
    Interaccion& persona;
    std::int16_t raiz = 0; // the root vertex of the searches
};

using Algoritmo = void (*)(Contexto&);

// The algorithm started by this run name, or nullptr for a name that runs nothing.
Algoritmo BuscarAlgoritmo(const QString& nombre);
// Every run name of that table, sorted.
QStringList NombresAlgoritmos();
