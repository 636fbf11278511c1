// The side panel of Brelaz's step window: for every vertex, its degree and
// its saturation degree (how many colours its painted neighbours already
// have), the lines of painted vertices blanked out, so the person sees why
// the next vertex is chosen.
#pragma once

#include <cstdint>
#include <vector>

#include "algorithms/OrdenesColoracion.h"

class Grafo;

struct FilaBrelaz {
    std::int16_t grado = 0;
    std::int16_t saturacion = 0;
    bool borrada = false; // painted: its line is written in white
    bool operator==(const FilaBrelaz&) const = default;
};

class PanelBrelaz {
public:
    // Twips the panel takes off the right of the work area.
    static constexpr int Ancho = 2400;

    // Every vertex with its degree (already counted) and saturation 0.
    explicit PanelBrelaz(const Grafo& grafo);

    // Before coloracion.orden[paso] is painted: its line goes, and every
    // vertex after it in the order gets its saturation over orden[1..paso].
    void Actualizar(const Grafo& grafo, const Coloracion& coloracion, int paso);

    // Indexed by vertex, from 1.
    const std::vector<FilaBrelaz>& Filas() const { return filas_; }

private:
    std::vector<FilaBrelaz> filas_;
};

// Fits the drawing into a work area narrowed to `ancho` twips: when the
// rightmost vertex no longer fits with room for its circle, every X is
// scaled so that it does. True when the positions changed.
bool EncogerAlAncho(Grafo& grafo, int ancho);
