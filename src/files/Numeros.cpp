#include "files/Numeros.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace {
constexpr int TopeEntero = 1'000'000;

bool EsCifra(char c)
{
    return c >= '0' && c <= '9';
}
} // namespace

void NumeroLinea::AñadirDigito(int d)
{
    hayDigitos_ = true;
    if (estado_ == Estado::Fraccion) {
        if (primeraFraccion_ < 0)
            primeraFraccion_ = d;
        else if (d != 0)
            restoFraccion_ = true;
        return;
    }
    estado_ = Estado::Entero;
    entero_ = std::min(entero_ * 10 + d, TopeEntero);
}

void NumeroLinea::Añadir(char c)
{
    const bool espacio = c == ' ';
    switch (estado_) {
    case Estado::Antes:
        if (espacio)
            return;
        if (c == '+' || c == '-') {
            negativo_ = c == '-';
            estado_ = Estado::Signo;
            return;
        }
        [[fallthrough]];
    case Estado::Signo:
    case Estado::Entero:
        if (EsCifra(c))
            AñadirDigito(c - '0');
        else if (c == '.')
            estado_ = Estado::Fraccion;
        else
            estado_ = espacio && estado_ == Estado::Entero ? Estado::Despues : Estado::Invalido;
        return;
    case Estado::Fraccion:
        if (EsCifra(c))
            AñadirDigito(c - '0');
        else
            estado_ = espacio ? Estado::Despues : Estado::Invalido;
        return;
    case Estado::Despues:
        if (!espacio)
            estado_ = Estado::Invalido;
        return;
    case Estado::Invalido: return;
    }
}

std::optional<std::int16_t> NumeroLinea::Valor() const
{
    if (estado_ == Estado::Invalido || !hayDigitos_)
        return std::nullopt;
    // Half to even on the magnitude: the same as on the signed value.
    const bool subir = primeraFraccion_ > 5 || (primeraFraccion_ == 5 && (restoFraccion_ || entero_ % 2 == 1));
    const int valor = (negativo_ ? -1 : 1) * (entero_ + (subir ? 1 : 0));
    if (valor < std::numeric_limits<std::int16_t>::min() || valor > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(valor);
}

QByteArray FormatoNumero(int valor)
{
    return (valor < 0 ? "-" : " ") + QByteArray::number(std::abs(valor)) + ' ';
}
