#include "gui/IdentificarVertVista.h"

IdentificarVertVista::IdentificarVertVista(IdentificarVert& modelo, QWidget* padre)
    : VistaDosListas(modelo,
                     {IdentificarVert::Titulo(), IdentificarVert::TextoLabel1(), IdentificarVert::TextoLabel2(),
                      IdentificarVert::TextoAceptar(), IdentificarVert::TextoCancelar(), Qt::AlignRight},
                     {{{&IdentificarVert::Lista1, &IdentificarVert::Indice1, &IdentificarVert::ElegirEnCombo1},
                       {&IdentificarVert::Lista2, &IdentificarVert::Indice2, &IdentificarVert::ElegirEnCombo2}}},
                     padre)
{
}
