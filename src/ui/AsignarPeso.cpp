#include "ui/AsignarPeso.h"

#include "costuras/Interaccion.h"
#include "model/Grafo.h"
#include "ui/CodigosTecla.h"

using namespace CodigoTecla;

AsignarPeso::AsignarPeso(Grafo& grafo, const Seleccion& seleccion)
    : grafo_(grafo), origen_(OrigenArista(seleccion.AristaSeleccionada)),
      destino_(DestinoArista(seleccion.AristaSeleccionada))
{
}

QString AsignarPeso::Rotulo() const
{
    return QStringLiteral("Peso asignado a la arista %1-%2:").arg(origen_).arg(destino_);
}

QString AsignarPeso::Texto() const
{
    QString texto = Negativo_ ? QStringLiteral("-") : QString();
    if (NumDigitos_ > 0)
        texto += QString::number(Peso_);
    return texto;
}

bool AsignarPeso::Tecla(int codigo)
{
    if (cerrado_)
        return false;
    const bool cajaVacia = Texto().isEmpty();
    bool mostrada = false;
    if (EsDigito(codigo))
        mostrada = Digito(ValorDigito(codigo), cajaVacia);
    else if (codigo == Retroceso) {
        BorrarUltimo();
        mostrada = true;
    } else if (codigo == Menos && NumDigitos_ == 0 && !Negativo_) {
        Negativo_ = true;
        mostrada = true;
    }
    // A weight never starts with 0: whatever reaches an empty box without
    // making a number leaves it empty.
    if (Peso_ == 0 && cajaVacia && codigo != Menos) {
        Vaciar();
        return false;
    }
    if (codigo == Intro && NumDigitos_ >= 1)
        Aceptar();
    return mostrada;
}

bool AsignarPeso::Digito(int digito, bool cajaVacia)
{
    if (NumDigitos_ >= 4)
        return false;
    // "-0" would be accepted as the weight 0, which means "no edge" and would
    // silently delete an existing one; the 0 is dropped and the minus stays,
    // just as a leading 0 is refused in an empty box.
    if (digito == 0 && NumDigitos_ == 0 && !cajaVacia)
        return false;
    Peso_ = static_cast<std::int16_t>(Peso_ * 10 + digito);
    aceptarHabilitado_ = true;
    ++NumDigitos_;
    return true;
}

void AsignarPeso::BorrarUltimo()
{
    if (NumDigitos_ == 0) {
        Negativo_ = false;
        return;
    }
    --NumDigitos_;
    Peso_ = static_cast<std::int16_t>(Peso_ / 10);
}

void AsignarPeso::Vaciar()
{
    Peso_ = 0;
    NumDigitos_ = 0;
    Negativo_ = false;
    aceptarHabilitado_ = false;
}

bool AsignarPeso::Aceptar()
{
    if (cerrado_ || NumDigitos_ < 1 || NumDigitos_ > 4 || Peso_ == 0)
        return false;
    if (Negativo_) {
        Peso_ = static_cast<std::int16_t>(-Peso_);
        Negativo_ = false;
    }
    grafo_.InsertarMatriz(origen_, destino_, Peso_);
    // An undirected graph keeps its matrix symmetric.
    if (!grafo_.Dirigido())
        grafo_.InsertarMatriz(destino_, origen_, Peso_);
    Peso_ = 0;
    aceptado_ = true;
    cerrado_ = true;
    return true;
}

void AsignarPeso::Cancelar()
{
    cerrado_ = true;
}

std::function<void(Grafo&, const Seleccion&)> PreguntaPeso(Interaccion& persona)
{
    return [&persona](Grafo& grafo, const Seleccion& marcas) {
        AsignarPeso dialogo(grafo, marcas);
        persona.Mostrar(dialogo);
    };
}
