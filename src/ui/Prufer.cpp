#include "ui/Prufer.h"

#include <QStringList>
#include <algorithm>

#include "ui/CodigosTecla.h"

using namespace CodigoTecla;

namespace {

// Enough digits for any number in range and one more, never an overflow.
constexpr int MaxCifras = 3;

// Digits and Backspace edit the box; the number in it comes back on Enter
// (0 when there is none), -1 for any other key.
int Editar(QString& texto, int codigo)
{
    if (EsDigito(codigo)) {
        if (texto.size() < MaxCifras)
            texto += QChar(codigo);
        return -1;
    }
    if (codigo == Retroceso) {
        texto.chop(1);
        return -1;
    }
    return codigo == Intro ? texto.toInt() : -2;
}

} // namespace

Prufer::Prufer(std::function<bool()> quiereCerrar) : quiereCerrar_(std::move(quiereCerrar)) {}

bool Prufer::TeclaVertices(int codigo)
{
    if (cerrado_)
        return false;
    const int valor = Editar(vertices_, codigo);
    if (valor >= MinVertices && valor <= MaxVertices) {
        // A new N starts the sequence again.
        n_ = valor;
        elementos_.clear();
        elemento_.clear();
    }
    return valor != -2;
}

bool Prufer::TeclaElemento(int codigo)
{
    if (cerrado_ || !SecuenciaHabilitada() || Completa())
        return false;
    const int valor = Editar(elemento_, codigo);
    if (valor >= 1 && valor <= n_) {
        elementos_.push_back(std::int16_t(valor));
        elemento_.clear();
    }
    return valor != -2;
}

QString Prufer::IndicacionElemento() const
{
    // Before N is known the range would read "(1-0)".
    if (!SecuenciaHabilitada())
        return {};
    const int k = std::min(int(elementos_.size()) + 1, std::max(n_ - 2, 1));
    return QStringLiteral("Introduzca el elemento %1 de la secuencia (1-%2):").arg(k).arg(n_);
}

QString Prufer::Secuencia() const
{
    QStringList partes;
    for (std::int16_t e : elementos_)
        partes << QString::number(e);
    return partes.join(QStringLiteral(" - "));
}

void Prufer::Aceptar()
{
    if (cerrado_ || !Completa())
        return;
    cerrado_ = true;
    aceptado_ = quiereCerrar_();
}

void Prufer::Cancelar()
{
    cerrado_ = true;
}
