#include "algorithms/GrafoRestante.h"

#include "algorithms/Conectividad.h"

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
    componentes_ = -1;
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
    // Another copy keeps the ends together.
    if (Copias(OrigenArista(codigo), DestinoArista(codigo)) > 1)
        return false;
    if (componentes_ < 0)
        componentes_ = ContarComponentes(restante_);
    const int antes = componentes_;
    Quitar(codigo);
    const int despues = ContarComponentes(restante_);
    Añadir(codigo);
    componentes_ = antes;
    return despues > antes;
}

int GrafoRestante::Contar_No_Puentes(const ListaAristas& candidatas)
{
    int cuenta = 0;
    for (const std::int16_t codigo : candidatas)
        if (!EsPuente(codigo))
            ++cuenta;
    return cuenta;
}
