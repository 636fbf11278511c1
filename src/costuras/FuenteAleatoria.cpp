#include "costuras/FuenteAleatoria.h"

#include <chrono>
#include <cmath>

FuenteAleatoria::FuenteAleatoria()
{
    ResembrarDelReloj();
}

void FuenteAleatoria::ResembrarDelReloj()
{
    if (fijada_)
        return;
    // Nanoseconds, not seconds: two edges added within the same second must
    // not receive the same "random" weight.
    const auto t = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    motor_.seed(static_cast<std::uint64_t>(t));
}

void FuenteAleatoria::Sembrar(std::uint64_t semilla)
{
    motor_.seed(semilla);
    fijada_ = true;
}

double FuenteAleatoria::Siguiente()
{
    return std::generate_canonical<double, 53>(motor_);
}

std::int16_t FuenteAleatoria::PesoAleatorio()
{
    return static_cast<std::int16_t>(std::floor(Siguiente() * 1000 + 1));
}

int FuenteAleatoria::Aleatorio(int lo, int hi)
{
    return static_cast<int>(std::floor((hi - lo + 1) * Siguiente() + lo));
}
