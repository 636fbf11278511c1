// Where no person is there, the input box is cancelled and nothing opens or
// starts.
#include "costuras/Interaccion.h"

QString Interaccion::PedirTexto(const QString&, const QString&, const QString&)
{
    return {};
}

bool Interaccion::AbrirPagina(const QString&)
{
    return false;
}

bool Interaccion::IniciarPrograma(const QString&, const QStringList&)
{
    return false;
}
