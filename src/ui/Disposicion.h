// Where the main window puts its parts for a given window size (twips): the
// work area, the trace pane, the end-of-run button, and the row of type list,
// coordinates and "Pesos Aleatorios" above the work area.
#pragma once

#include "drawing/Coordenadas.h"

struct Disposicion {
    int ancho = 0; // the window, at least the minimum size
    int alto = 0;
    Rectangulo areaTrabajo;
    Rectangulo textoPeq;
    Rectangulo aceptar;
    int check1 = 0; // left edges
    int etiX = 0;
    int coordX = 0;
    int titTipo = 0;
    int folleto = 0; // "Guardar pasos en PDF…" at the end prompt, left of check1
    int combo1 = 0;
};

inline constexpr int AnchoMinimoVentana = 10520;
inline constexpr int AltoMinimoVentana = 6500;
inline constexpr int AnchoCheck1 = 1950;
inline constexpr int AnchoLista = 2160;
// The end prompt's handout button, in the free stretch of the row above the
// work area, so that nothing else moves.
inline constexpr int AnchoFolleto = 2600;
// The layout counts from the window's outer height; its caption, menu bar
// and borders take this much of it, and the parts sit in the client area
// below them.
inline constexpr int AltoMarcoVentana = 720;

Disposicion CalcularDisposicion(int ancho, int alto, bool aceptarVisible);
