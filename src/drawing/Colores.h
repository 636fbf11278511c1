// The colours the drawing offers the algorithms: the fifteen drawing colours
// (`Colores`) and the fifty-entry colouring palette with its text flags.
#pragma once

#include <QColor>
#include <array>
#include <cstdint>

class Colores {
public:
    static constexpr int Cantidad = 15;

    // Fills the table; the main window does it once when it starts.
    void InicializarColores();
    // Colour k, 1..15. Anything else is the caller's mistake.
    QColor Color(int k) const;

private:
    std::array<QColor, Cantidad + 1> tabla_{}; // indexes 1..15
};

struct EntradaPaleta {
    QColor color;
    bool Texto_Blanco = false; // the vertex number reads better in white on it
};

inline constexpr int TamañoPaleta = 50;

// Entry p of the colouring palette, 1..50; nullptr outside.
const EntradaPaleta* Paleta_Colores(int p);
// Spreads the k colours of one colouring evenly over the palette.
std::int16_t Indice_Paleta(int c, int k);
