#include "algorithms/GrafoRestante.h"

#include <algorithm>

GrafoRestante::GrafoRestante(const Grafo& grafo)
{
    restante_.InsertarTipo(NombreTipo(grafo.Tipo()));
    restante_.Insertar_Dimension(grafo.dimen(), false);
    for (int a = 1; a <= grafo.dimen(); ++a)
        for (int b = grafo.Dirigido() ? 1 : a + 1; b <= grafo.dimen(); ++b)
            if (a != b && grafo.elem_matriz(a, b) != 0)
                Añadir(CodigoArista(a, b));
}

void GrafoRestante::Sumar(std::int16_t codigo, int cuanto)
{
    const int a = OrigenArista(codigo), b = DestinoArista(codigo);
    const auto copias = static_cast<std::int16_t>(restante_.elem_matriz(a, b) + cuanto);
    restante_.InsertarMatriz(a, b, copias);
    if (!restante_.Dirigido())
        restante_.InsertarMatriz(b, a, copias);
    total_ += cuanto;
    puentesAlDia_ = false;
}

void GrafoRestante::Añadir(std::int16_t codigo)
{
    Sumar(codigo, 1);
}

void GrafoRestante::Quitar(std::int16_t codigo)
{
    Sumar(codigo, -1);
}

bool GrafoRestante::TieneAristas(int v) const
{
    for (int j = 1; j <= restante_.dimen(); ++j)
        if (restante_.elem_matriz(v, j) != 0)
            return true;
    return false;
}

ListaAristas GrafoRestante::Aristas_Candidatas(int v) const
{
    ListaAristas candidatas;
    for (int j = 1; j <= restante_.dimen(); ++j)
        if (j != v && restante_.elem_matriz(v, j) > 0)
            candidatas.push_back(CodigoArista(v, j));
    return candidatas;
}

bool GrafoRestante::EsPuente(std::int16_t codigo)
{
    const int a = OrigenArista(codigo), b = DestinoArista(codigo);
    // Another copy, or an arc the other way, keeps the ends together.
    if (Copias(a, b) != 1 || (restante_.Dirigido() && Copias(b, a) != 0))
        return false;
    if (puentesAlDia_)
        return puente_[a][b];
    // So does a third vertex joined to both: in the dense graphs of a class
    // that is nearly always the answer, and it needs no search.
    for (int w = 1; w <= restante_.dimen(); ++w)
        if (w != a && w != b && Unidos(a, w) && Unidos(w, b))
            return false;
    BuscarPuentes();
    return puente_[a][b];
}

// Depth first over the vertices joined either way (the components the tour
// must not split), each edge a bridge when nothing below it reaches back
// above it.
void GrafoRestante::BuscarPuentes()
{
    const int n = restante_.dimen();
    std::array<int, Grafo::Limite + 1> orden{}, bajo{};
    int visitados = 0;
    for (auto& fila : puente_)
        fila.reset();
    const auto visitar = [&](const auto& visitar, int u, int padre) -> void {
        orden[u] = bajo[u] = ++visitados;
        for (int w = 1; w <= n; ++w) {
            if (w == u || w == padre || !Unidos(u, w))
                continue;
            if (orden[w] == 0) {
                visitar(visitar, w, u);
                bajo[u] = std::min(bajo[u], bajo[w]);
                if (bajo[w] > orden[u])
                    puente_[u][w] = puente_[w][u] = true;
            } else {
                bajo[u] = std::min(bajo[u], orden[w]);
            }
        }
    };
    for (int v = 1; v <= n; ++v)
        if (orden[v] == 0)
            visitar(visitar, v, 0);
    puentesAlDia_ = true;
}

int GrafoRestante::Contar_No_Puentes(const ListaAristas& candidatas)
{
    int cuenta = 0;
    for (const std::int16_t codigo : candidatas)
        if (!EsPuente(codigo))
            ++cuenta;
    return cuenta;
}
