#include "run/PasoAPaso.h"

#include "run/BanderasEjecucion.h"

PasoAPaso::PasoAPaso(BanderasEjecucion& banderas, QString titulo) : marco_(banderas), titulo_(std::move(titulo))
{
    // Every opening offers steps, whatever the last run chose.
    marco_.EjecucionCompleta = false;
}

void PasoAPaso::ElegirPasoAPaso()
{
    pasoAPaso_ = true;
    marco_.EjecucionCompleta = false;
}

void PasoAPaso::ElegirCompleto()
{
    pasoAPaso_ = false;
    marco_.EjecucionCompleta = true;
}

void PasoAPaso::Aceptar()
{
    aceptado_ = true;
    cerrado_ = true;
}

void PasoAPaso::Cancelar()
{
    // A cancelled choice leaves nothing behind for the next run.
    marco_.EjecucionCompleta = false;
    marco_.DesdeMenu = false;
    cerrado_ = true;
}
