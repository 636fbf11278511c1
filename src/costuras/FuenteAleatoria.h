// The program's one source of random numbers: uniform in [0, 1), reseeded
// from the clock before each random use, or fixed by a seed for tests and
// reproducible command-line runs.
#pragma once

#include <cstdint>
#include <random>

class FuenteAleatoria {
public:
    FuenteAleatoria();

    // Reseeds from a high-resolution clock; does nothing once a seed was fixed,
    // so a seeded run stays reproducible however often the program reseeds.
    void ResembrarDelReloj();
    // Fixes the sequence from now on.
    void Sembrar(std::uint64_t semilla);
    bool Fijada() const { return fijada_; }

    // A uniform number in [0, 1).
    double Siguiente();
    // The whole part of (r * 1000 + 1): a weight from 1 to 1000.
    std::int16_t PesoAleatorio();
    // The whole part of ((hi - lo + 1) * r + lo).
    int Aleatorio(int lo, int hi);

private:
    std::mt19937_64 motor_;
    bool fijada_ = false;
};
