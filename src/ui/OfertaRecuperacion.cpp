#include "ui/OfertaRecuperacion.h"

OfertaRecuperacion::OfertaRecuperacion(const QString& nombre, const QDateTime& hora)
    : texto_(QStringLiteral("Nodeva se cerró sin guardar los cambios del grafo «%1» (última copia: %2). "
                            "¿Desea recuperarlo?")
                 .arg(nombre, hora.toLocalTime().toString(QStringLiteral("HH:mm"))))
{
}
