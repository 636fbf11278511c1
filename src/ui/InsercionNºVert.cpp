#include "ui/InsercionNºVert.h"

#include "costuras/Interaccion.h"
#include "model/Grafo.h"
#include "ui/CodigosTecla.h"

using namespace CodigoTecla;

InsercionNºVert::InsercionNºVert(Grafo& grafo) : ValorMaximo(Grafo::limite()), grafo_(grafo) {}

bool InsercionNºVert::Tecla(int codigo)
{
    if (cerrado_)
        return false;
    // Wide enough for one digit more than any 16-bit maximum.
    int valor = Valor_;
    bool mostrada = false;
    if (EsDigito(codigo)) {
        valor = valor * 10 + ValorDigito(codigo);
        aceptarHabilitado_ = true;
        mostrada = true;
    } else if (codigo == Retroceso) {
        valor /= 10;
        mostrada = true;
    }
    if (valor > ValorMaximo || valor == 0) {
        Valor_ = 0;
        aceptarHabilitado_ = false;
        return false;
    }
    Valor_ = static_cast<std::int16_t>(valor);
    if (codigo == Intro)
        Aceptar();
    return mostrada;
}

void InsercionNºVert::Aceptar()
{
    if (!cerrado_ && Valor_ >= 1 && Valor_ <= ValorMaximo)
        Devolver(Valor_);
}

void InsercionNºVert::Cancelar()
{
    if (!cerrado_)
        Devolver(0);
}

void InsercionNºVert::Devolver(std::int16_t valor)
{
    grafo_.Insertar_Dimension(valor, true);
    Valor_ = 0;
    cerrado_ = true;
    aceptado_ = valor > 0;
}

int PreguntarNumero(Grafo& grafo, Interaccion& persona, const PreguntaNumero& pregunta)
{
    InsercionNºVert dialogo(grafo);
    dialogo.Titulo = pregunta.titulo;
    dialogo.Indicacion = pregunta.indicacion;
    dialogo.Rango = pregunta.rango;
    dialogo.ValorMaximo = static_cast<std::int16_t>(pregunta.maximo);
    persona.Mostrar(dialogo);
    return grafo.dimen();
}
