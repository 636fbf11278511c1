// The frame every algorithm runs in: the run flags, the trace with its
// formats, entering and leaving run mode, the step pauses, and two small
// routines many algorithms share.
#pragma once

#include <QColor>
#include <QString>
#include <cstdint>
#include <vector>

#include "run/BanderasEjecucion.h"
#include "run/HistoriaPasos.h"
#include "run/Reproduccion.h"

class Interaccion;
class Traza;
class VentanaEjecucion;
class QTextDocument;

// The trace's colour for "the pane's own colour".
inline const QColor ColorTrazaPorDefecto{};

class MarcoEjecucion : public BanderasEjecucion {
public:
    MarcoEjecucion(VentanaEjecucion& ventana, Traza& traza, Interaccion& persona)
        : ventana_(ventana), traza_(traza), persona_(persona), historia_(ventana)
    {
    }

    Traza& traza() { return traza_; }
    // The steps of this run so far, for the step window to show again.
    HistoriaPasos& Historia() { return historia_; }
    // The window, for an algorithm that reaches it itself: a step window or
    // panel of its own, or a tour's hidden pane and the clicks of a walk.
    VentanaEjecucion& Ventana() { return ventana_; }
    // Whether the step windows play the run by themselves, and their pace.
    Reproduccion& Juego() { return juego_; }
    void PrepararEjecucion();
    void AñadirTraza(const QString& texto, bool negrita, const QColor& color);
    // Returns the position after the formatted text (where the caret goes).
    int AplicarFormatos(QTextDocument& panel);
    void PausaPaso();
    void FinalizarEjecucion();
    // lista is 1-based and ends at its first 0 (or at its end).
    static bool EstaEnLista(std::int16_t x, const std::vector<std::int16_t>& lista);
    void Esperar(std::int16_t segundos);
    // A tour's dwell on each edge: the playing pace, a second by default.
    void EsperarPaso();

    // How far the trace pane narrows while the step window or the Aceptar
    // button stands beside it.
    static constexpr int AnchoBotones = 1385;

private:
    VentanaEjecucion& ventana_;
    Traza& traza_;
    Interaccion& persona_;
    HistoriaPasos historia_;
    Reproduccion juego_;

    void EsperarSegundos(double segundos);
};
