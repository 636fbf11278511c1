#include "run/MandoReproduccion.h"

#include "run/PasoMostrado.h"
#include "run/Reproduccion.h"

MandoReproduccion::MandoReproduccion(Reproduccion& juego, PasoMostrado& pasos, std::function<void()> continuar)
    : juego_(juego), pasos_(pasos), continuar_(std::move(continuar))
{
}

void MandoReproduccion::Alternar()
{
    juego_.Alternar();
}

void MandoReproduccion::Anterior()
{
    juego_.Pausar();
    pasos_.Anterior();
}

void MandoReproduccion::IrAlPaso(int k)
{
    if (k < pasos_.Mostrado())
        juego_.Pausar();
    if (k <= pasos_.Total())
        return pasos_.Ir(k);
    pasos_.AlUltimo();
    continuar_();
}

void MandoReproduccion::AlUltimo()
{
    pasos_.AlUltimo();
}

void MandoReproduccion::Tic()
{
    if (!juego_.Reproduciendo())
        return;
    if (pasos_.EnUltimo())
        continuar_();
    else
        pasos_.Siguiente();
}
