#include "cli/InteraccionCli.h"

std::int16_t InteraccionCli::Mensaje(const QString& texto, const QString& titulo, Icono icono, Botones botones)
{
    const QString visible = titulo.isEmpty() ? TituloAplicacion : titulo;
    mensajes_.push_back({texto, visible, icono});
    errores_ << visible << ": " << texto << '\n';
    errores_.flush();
    // Going ahead is what a batch run asked for: OK, or Yes to a question.
    return botones == Botones::SiNo || botones == Botones::SiNoCancelar ? Respuesta::Si : Respuesta::Aceptar;
}
