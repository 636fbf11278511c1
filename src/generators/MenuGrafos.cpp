#include "generators/MenuGrafos.h"

#include "generators/Catalogo.h"
#include "ui/Interaccion.h"
#include "ui/Principal.h"

namespace {

// Shows one number dialog; the number comes back through the record's vertex
// count, 0 when cancelled.
int Preguntar(Principal& principal, const PreguntaGenerador& pregunta, const Numeros& anteriores)
{
    InsercionNºVert dialogo(principal.grafo());
    dialogo.Titulo = pregunta.titulo;
    dialogo.Indicacion = pregunta.indicacion;
    if (pregunta.maximo) {
        const int maximo = pregunta.maximo(anteriores);
        dialogo.ValorMaximo = static_cast<std::int16_t>(maximo);
        dialogo.Rango = TextoMaximo(maximo);
    }
    principal.Persona().Mostrar(dialogo);
    return principal.grafo().dimen();
}

} // namespace

bool EjecutarGenerador(Principal& principal, const QString& control)
{
    const Generador* generador = BuscarGenerador(control);
    if (!generador)
        return false;
    if (!principal.QuiereCerrar())
        return true;
    Numeros numeros;
    for (const PreguntaGenerador& pregunta : generador->preguntas) {
        const int numero = Preguntar(principal, pregunta, numeros);
        if (numero < 1)
            return true;
        numeros.push_back(numero);
    }
    generador->construir(principal.grafo(), principal.DimensionesTrabajo(), numeros);
    return true;
}
