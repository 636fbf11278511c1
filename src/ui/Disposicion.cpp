#include "ui/Disposicion.h"

#include <algorithm>

namespace {

// The row above the work area: the check box (weighted graphs only), the
// pointer coordinates and the type list, counted from the right edge, wide
// enough for "Pesos Aleatorios" and "Digrafo Ponderado" in the menus' letters.
// The coordinates keep their place whatever the type.
void FilaSuperior(Disposicion& d)
{
    const int w = d.ancho;
    d.combo1 = w - AnchoLista - 45;
    d.titTipo = d.combo1;
    d.coordX = d.titTipo - 720;
    d.etiX = d.coordX - 360;
    d.check1 = d.etiX - 50 - AnchoCheck1;
    d.folleto = d.check1 - 200 - AnchoFolleto;
}

} // namespace

Disposicion CalcularDisposicion(int ancho, int alto, bool aceptarVisible)
{
    Disposicion d;
    d.ancho = std::max(ancho, AnchoMinimoVentana);
    d.alto = std::max(alto, AltoMinimoVentana);
    const int w = d.ancho, h = d.alto;
    d.areaTrabajo = {50, 600, w - 200, 0};
    // A sixth of the window, in whole pixels: eight lines of trace or more
    // on a window 900 pixels high, as the window grows.
    d.textoPeq.alto = std::max(h / 90 * 15, 1080);
    d.textoPeq.arriba = h - d.textoPeq.alto - 720;
    d.textoPeq.izquierda = 50;
    d.textoPeq.ancho = aceptarVisible ? w - 200 - 1385 : w - 200;
    d.aceptar = {d.textoPeq.ancho + 200, d.textoPeq.arriba + 200, 1185, d.textoPeq.alto - 400};
    FilaSuperior(d);
    d.areaTrabajo.alto = h - 600 - d.textoPeq.alto - 720 - 50;
    return d;
}
