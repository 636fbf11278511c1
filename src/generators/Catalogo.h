// Every command of the graph menu as data: its entry in the menu, the numbers
// its dialogs ask, with captions, prompts and bounds, and the family it builds
// from them. The menu and the command line both walk it, so they show, ask
// and check the same.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

#include "drawing/Coordenadas.h"

class Grafo;

using Numeros = std::vector<int>;

struct PreguntaGenerador {
    QString titulo;     // the dialog's caption
    QString indicacion; // its prompt, Label1
    QString nombre;     // what the command line's help calls the number
    QString cota;       // the bound as that help states it
    // The bound given the numbers typed before; empty: the dialog's own 50.
    std::function<int(const Numeros&)> maximo;
};

struct Generador {
    QString control; // the menu command's name
    QString titulo;  // its caption in the menu
    QString menu;    // the menu or submenu that holds it
    std::vector<PreguntaGenerador> preguntas;
    // Builds the family from the numbers, all within their bounds, on a
    // record whose type is set and that holds no vertex. Non-zero when it
    // refused with a message.
    std::function<std::int16_t(Grafo&, DimensionesArea, const Numeros&)> construir;
};

// In the order of the menu.
const std::vector<Generador>& Generadores();
// The command of that name, or nullptr.
const Generador* BuscarGenerador(const QString& control);

// The bound of a question after these numbers: its own, or the dialog's 50.
int MaximoPregunta(const PreguntaGenerador& pregunta, const Numeros& anteriores);
// "(máximo m)", the dialog's bound line.
QString TextoMaximo(int maximo);
