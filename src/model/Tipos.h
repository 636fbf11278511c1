// Sets of graph types, for the commands offered on some of them.
#pragma once

#include <cstdint>

// A set of graph type codes: bit t stands for type t.
using Tipos = std::uint8_t;
inline constexpr Tipos TodosLosTipos = 0b1111;
constexpr Tipos SoloTipo(int tipo)
{
    return static_cast<Tipos>(1u << tipo);
}
constexpr bool Incluye(Tipos tipos, int tipo)
{
    return tipo >= 0 && tipo < 4 && (tipos >> tipo & 1u) != 0;
}
