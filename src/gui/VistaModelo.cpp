#include "gui/VistaModelo.h"

void VistaModelo::done(int resultado)
{
    if (!Cerrado())
        CancelarModelo();
    QDialog::done(resultado);
}

void VistaModelo::CerrarSiCerrado()
{
    if (Cerrado())
        QDialog::done(Aceptado() ? Accepted : Rejected);
}
