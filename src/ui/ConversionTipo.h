// Changing the type of the graph in hand: the matrix conversions between
// weighted / unweighted and directed / undirected, and the commands each
// conversion switches. The window places "Pesos Aleatorios" itself.
#pragma once

#include <vector>

class Grafo;
class EstadoComandos;

enum class Conversion { PasarAPonderado, QuitarPesos, PasarADirigido, PasarANoDirigido };

// The conversions that take a graph from type `desde` to type `hasta`, in
// the order they run (the record already carries the new type).
std::vector<Conversion> ConversionesEntre(int desde, int hasta);

// Converts the matrix and switches the commands. The record must already
// have its new type.
void Convertir(Grafo& grafo, Conversion conversion, EstadoComandos& comandos);

// Gives the record the type `hasta` and runs every conversion that takes it there.
void CambiarTipo(Grafo& grafo, int hasta, EstadoComandos& comandos);
