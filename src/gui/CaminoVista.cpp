#include "gui/CaminoVista.h"

CaminoVista::CaminoVista(Camino& modelo, QWidget* padre)
    : VistaDosListas(modelo,
                     {Camino::Titulo(), Camino::TextoOrigen(), Camino::TextoDestino(), Camino::TextoAceptar(),
                      Camino::TextoCancelar()},
                     {{{&Camino::ListaOrigen, &Camino::IndiceOrigen, &Camino::ElegirOrigen},
                       {&Camino::ListaDestino, &Camino::IndiceDestino, &Camino::ElegirDestino}}},
                     padre)
{
}
