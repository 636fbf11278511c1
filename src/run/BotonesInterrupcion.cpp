#include "run/BotonesInterrupcion.h"

#include "run/MarcoEjecucion.h"
#include "run/Traza.h"

BotonesInterrupcion::BotonesInterrupcion(MarcoEjecucion& marco, std::function<void()> imprimir)
    : marco_(marco), imprimir_(std::move(imprimir))
{
    texto_.setDefaultFont(marco.traza().Documento().defaultFont());
    texto_.setPlainText(marco.traza().Documento().toPlainText());
    cursor_ = marco.traza().AplicarFormatos(texto_);
}

void BotonesInterrupcion::Cerrar()
{
    cerrado_ = true;
}

void BotonesInterrupcion::Continuar()
{
    Cerrar();
}

void BotonesInterrupcion::Terminar()
{
    marco_.EjecucionCompleta = true;
    textoVisible_ = false;
    Cerrar();
}

void BotonesInterrupcion::Imprimir()
{
    if (imprimir_)
        imprimir_();
}

void BotonesInterrupcion::Escape()
{
    marco_.EscapePulsado = true;
    Continuar();
}
