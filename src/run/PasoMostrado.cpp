#include "run/PasoMostrado.h"

#include <algorithm>

#include "run/HistoriaPasos.h"

PasoMostrado::PasoMostrado(HistoriaPasos& historia) : historia_(historia), k_(historia.Pasos()) {}

QString PasoMostrado::Etiqueta() const
{
    return QStringLiteral("Paso %1 de %2").arg(k_).arg(historia_.Pasos());
}

int PasoMostrado::Total() const
{
    return historia_.Pasos();
}

bool PasoMostrado::EnUltimo() const
{
    return k_ >= historia_.Pasos();
}

void PasoMostrado::Ir(int k)
{
    if (historia_.Pasos() == 0)
        return;
    k = std::clamp(k, 1, historia_.Pasos());
    if (k != k_)
        Mostrar(k);
}

void PasoMostrado::Anterior()
{
    if (HayAnterior())
        Mostrar(k_ - 1);
}

void PasoMostrado::Siguiente()
{
    if (HaySiguiente())
        Mostrar(k_ + 1);
}

void PasoMostrado::AlUltimo()
{
    if (!EnUltimo())
        Mostrar(historia_.Pasos());
}

void PasoMostrado::Seguir()
{
    k_ = historia_.Pasos();
}

void PasoMostrado::Mostrar(int k)
{
    k_ = k;
    if (!EnUltimo()) {
        copia_.clear();
        cursor_ = historia_.Copiar(k, copia_);
    }
    historia_.MostrarDibujo(k);
}
