#include "drawing/Colores.h"

namespace {

struct Rgb {
    int r, g, b;
};

// Entries 6 and 8 are the same colour; algorithms may pick either number.
// clang-format off
constexpr std::array<Rgb, Colores::Cantidad> TablaColores = {{
    {128, 0, 0},   {0, 128, 0},   {0, 0, 128},  {128, 0, 128}, {0, 128, 128},
    {128, 64, 64}, {192, 64, 0},  {128, 64, 64}, {192, 0, 192}, {192, 0, 0},
    {0, 96, 0},    {0, 0, 192},   {128, 64, 0}, {192, 192, 192}, {255, 255, 255},
}};

struct FilaPaleta {
    Rgb rgb;
    bool blanco;
};

// Reds, oranges and yellows, greens, cyans and blues, violets and pinks: in
// this order so that spreading k colours over the table keeps them apart.
constexpr std::array<FilaPaleta, TamañoPaleta> TablaPaleta = {{
    {{213, 0, 0}, true},      {{255, 43, 43}, true},    {{255, 128, 128}, true},
    {{213, 106, 0}, true},    {{255, 149, 43}, true},   {{255, 191, 128}, false},
    {{213, 159, 0}, false},   {{255, 202, 43}, false},  {{255, 223, 128}, false},
    {{213, 213, 0}, false},   {{255, 255, 43}, false},  {{255, 255, 128}, false},
    {{159, 213, 0}, false},   {{202, 255, 43}, false},  {{223, 255, 128}, false},
    {{0, 213, 0}, false},     {{43, 255, 43}, false},   {{128, 255, 128}, false},
    {{128, 255, 175}, false}, {{0, 213, 133}, false},   {{43, 255, 175}, false},
    {{128, 255, 207}, false}, {{0, 213, 186}, false},   {{43, 255, 228}, false},
    {{128, 255, 239}, false}, {{43, 255, 255}, false},  {{0, 186, 213}, false},
    {{43, 228, 255}, false},  {{128, 239, 255}, false}, {{0, 133, 213}, true},
    {{43, 175, 255}, false},  {{128, 207, 255}, false}, {{0, 80, 213}, true},
    {{43, 122, 255}, true},   {{128, 175, 255}, false}, {{122, 43, 255}, true},
    {{133, 0, 213}, true},    {{175, 43, 255}, true},   {{207, 128, 255}, true},
    {{186, 0, 213}, true},    {{228, 43, 255}, true},   {{239, 128, 255}, true},
    {{213, 0, 186}, true},    {{255, 43, 228}, true},   {{255, 128, 239}, true},
    {{213, 0, 133}, true},    {{255, 43, 175}, true},   {{255, 128, 207}, true},
    {{255, 43, 122}, true},   {{255, 128, 175}, true},
}};
// clang-format on

QColor AColor(const Rgb& c)
{
    return QColor(c.r, c.g, c.b);
}

std::array<EntradaPaleta, TamañoPaleta> ConstruirPaleta()
{
    std::array<EntradaPaleta, TamañoPaleta> paleta;
    for (int i = 0; i < TamañoPaleta; ++i)
        paleta[i] = {AColor(TablaPaleta[i].rgb), TablaPaleta[i].blanco};
    return paleta;
}

} // namespace

void Colores::InicializarColores()
{
    for (int k = 1; k <= Cantidad; ++k)
        tabla_[k] = AColor(TablaColores[k - 1]);
}

QColor Colores::Color(int k) const
{
    Q_ASSERT_X(k >= 1 && k <= Cantidad, "Colores::Color", "index outside 1..15");
    return k >= 1 && k <= Cantidad ? tabla_[k] : QColor();
}

const EntradaPaleta* Paleta_Colores(int p)
{
    static const std::array<EntradaPaleta, TamañoPaleta> paleta = ConstruirPaleta();
    return p >= 1 && p <= TamañoPaleta ? &paleta[p - 1] : nullptr;
}

std::int16_t Indice_Paleta(int c, int k)
{
    return static_cast<std::int16_t>((c - 1) * (TamañoPaleta / k) + 1);
}
