// Character codes of the keys the number-entry dialogs react to. The dialogs
// receive keys as codes so that the views and the tests type the same way.
#pragma once

namespace CodigoTecla {
inline constexpr int Retroceso = 8;
inline constexpr int Intro = 13;
inline constexpr int Menos = 45;
// Arrow keys travel with their virtual-key codes 37..40; the entries drop
// them so that the caret stays at the end of the text.
inline constexpr int FlechaIzquierda = 37;
inline constexpr int FlechaArriba = 38;
inline constexpr int FlechaDerecha = 39;
inline constexpr int FlechaAbajo = 40;

inline constexpr bool EsDigito(int codigo)
{
    return codigo >= '0' && codigo <= '9';
}
inline constexpr int ValorDigito(int codigo)
{
    return codigo - '0';
}
} // namespace CodigoTecla
