#include "model/Seleccion.h"

#include <array>

namespace {

constexpr std::array MarcasVertice{&Seleccion::VerticeAnterior, &Seleccion::VerticeBajoCursor,
                                   &Seleccion::VerticeSeleccionado};
constexpr std::array MarcasArista{&Seleccion::AristaBajoCursor, &Seleccion::AristaSeleccionada,
                                  &Seleccion::AristaAnterior};

} // namespace

void Seleccion::Renumerar(const std::function<int(int)>& nuevo)
{
    for (const auto marca : MarcasVertice)
        if (this->*marca > 0)
            this->*marca = static_cast<std::int16_t>(nuevo(this->*marca));
    for (const auto marca : MarcasArista) {
        if (this->*marca <= 0)
            continue;
        const int a = nuevo(OrigenArista(this->*marca)), b = nuevo(DestinoArista(this->*marca));
        this->*marca = a > 0 && b > 0 ? CodigoArista(a, b) : std::int16_t{0};
    }
}

void Seleccion::Depurar(int n, const std::function<bool(int)>& existeArista)
{
    for (const auto marca : MarcasVertice)
        if (this->*marca < 0 || this->*marca > n)
            this->*marca = 0;
    for (const auto marca : MarcasArista)
        if (this->*marca != 0 && !existeArista(this->*marca))
            this->*marca = 0;
}
