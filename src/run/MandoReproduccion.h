// What the play button, the timeline and the play timer do in a step
// window, the general one or the colouring's: the timeline reaches every
// step shown so far and, past the last, goes on with the run; each tick of
// the timer shows the next step, from the history first, then the run's.
// Going back stops playing.
#pragma once

#include <functional>

class PasoMostrado;
class Reproduccion;

class MandoReproduccion {
public:
    // `continuar` is the window's "Continuar".
    MandoReproduccion(Reproduccion& juego, PasoMostrado& pasos, std::function<void()> continuar);

    Reproduccion& Juego() { return juego_; }
    const PasoMostrado& Pasos() const { return pasos_; }

    // "Reproducir" / "Pausa".
    void Alternar();
    // "< Anterior".
    void Anterior();
    // The timeline: step k of those reached, from 1; past the last one the
    // run goes on.
    void IrAlPaso(int k);
    void AlPrimero() { IrAlPaso(1); }
    void AlUltimo();
    // The timer, once a pace has gone by.
    void Tic();

private:
    Reproduccion& juego_;
    PasoMostrado& pasos_;
    std::function<void()> continuar_;
};
