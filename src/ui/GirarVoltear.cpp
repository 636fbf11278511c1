#include "ui/GirarVoltear.h"

#include <utility>

#include "model/Grafo.h"

namespace {

std::int16_t Grados(GirarVoltear::Angulo angulo)
{
    switch (angulo) {
    case GirarVoltear::Angulo::Grados90: break;
    case GirarVoltear::Angulo::Grados180: return 180;
    case GirarVoltear::Angulo::Grados270: return 270;
    }
    return 90;
}

} // namespace

GirarVoltear::GirarVoltear(Grafo& grafo, std::function<DimensionesArea()> dimensiones, Interaccion& interaccion,
                           EfectosVer efectos)
    : grafo_(grafo), dimensiones_(std::move(dimensiones)), interaccion_(interaccion), efectos_(std::move(efectos))
{
}

QString GirarVoltear::TextoOpcion(Opcion opcion)
{
    switch (opcion) {
    case Opcion::VoltearHorizontal: return QStringLiteral("Voltear Horizontal");
    case Opcion::VoltearVertical: return QStringLiteral("Voltear Vertical");
    case Opcion::Girar: return QStringLiteral("Girar");
    }
    return {};
}

QString GirarVoltear::TextoAngulo(Angulo angulo)
{
    switch (angulo) {
    case Angulo::Grados90: return QStringLiteral("90º");
    case Angulo::Grados180: return QStringLiteral("180º");
    case Angulo::Grados270: return QStringLiteral("270º");
    }
    return {};
}

void GirarVoltear::ElegirOpcion(Opcion opcion)
{
    if (cerrado_)
        return;
    opcion_ = opcion;
    if (opcion == Opcion::Girar)
        angulo_ = Angulo::Grados90;
    Notificar();
}

bool GirarVoltear::ElegirAngulo(Angulo angulo)
{
    if (!AngulosHabilitados() || cerrado_)
        return false;
    angulo_ = angulo;
    Notificar();
    return true;
}

void GirarVoltear::Aceptar()
{
    if (cerrado_)
        return;
    const DimensionesArea area = dimensiones_ ? dimensiones_() : DimensionesArea{};
    switch (opcion_) {
    case Opcion::VoltearHorizontal: VoltearHorizontal(grafo_, area, efectos_); break;
    case Opcion::VoltearVertical: VoltearVertical(grafo_, area, efectos_); break;
    case Opcion::Girar: Girar(grafo_, area, Grados(angulo_), interaccion_, efectos_); break;
    }
    Cerrar();
}

void GirarVoltear::Cancelar()
{
    if (!cerrado_)
        Cerrar();
}

void GirarVoltear::Notificar()
{
    if (alCambiar)
        alCambiar();
}

void GirarVoltear::Cerrar()
{
    cerrado_ = true;
    Notificar();
}
