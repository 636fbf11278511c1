#include "ui/AsignarPeso.h"

#include "model/Grafo.h"

AsignarPeso::AsignarPeso(Grafo& grafo, const Seleccion& seleccion)
    : grafo_(grafo), origen_(OrigenArista(seleccion.AristaSeleccionada)),
      destino_(DestinoArista(seleccion.AristaSeleccionada))
{
}

QString AsignarPeso::Rotulo() const
{
    return QStringLiteral("Peso de la arista %1 - %2").arg(origen_).arg(destino_);
}

bool AsignarPeso::Aceptar(std::int16_t peso)
{
    if (peso == 0 || peso < -9999 || peso > 9999)
        return false;
    grafo_.InsertarMatriz(origen_, destino_, peso);
    if (!grafo_.Dirigido())
        grafo_.InsertarMatriz(destino_, origen_, peso);
    aceptado_ = true;
    return true;
}
