#include "model/EstadoComandos.h"

#include "model/Tipos.h"

template <typename F> void EstadoComandos::Cambiar(const QString& control, F cambio)
{
    EstadoControl& estado = estados_[control];
    cambio(estado);
    if (oyente_)
        oyente_(control, estado);
}

void EstadoComandos::Habilitar(const QString& control, bool habilitado)
{
    Cambiar(control, [&](EstadoControl& e) { e.habilitado = habilitado; });
}

void EstadoComandos::PonerImagen(const QString& control, int imagen)
{
    Cambiar(control, [&](EstadoControl& e) { e.imagen = imagen; });
}

void EstadoComandos::Pulsar(const QString& control, bool pulsado)
{
    Cambiar(control, [&](EstadoControl& e) { e.pulsado = pulsado; });
}

void EstadoComandos::Mostrar(const QString& control, bool visible)
{
    Cambiar(control, [&](EstadoControl& e) { e.visible = visible; });
}

void EstadoComandos::AplicarTipo(int tipo)
{
    for (const auto& [control, tipos] : segunTipo_)
        Habilitar(control, Incluye(tipos, tipo));
}
