#include "model/Bucles.h"

#include "model/Grafo.h"

namespace {

// Only the weighted digraph's reader counts a loop as an arc.
bool CuentaBucles(const Grafo& g)
{
    return g.Tipo() == TipoGrafo::Digrafo_Ponderado;
}

} // namespace

BuclesApartados::BuclesApartados(Grafo& grafo) : grafo_(grafo)
{
    for (int v = 1; v <= grafo_.dimen(); ++v)
        if (const std::int16_t peso = grafo_.elem_matriz(v, v); peso != 0) {
            bucles_.push_back({v, peso});
            grafo_.InsertarMatriz(v, v, 0);
        }
    if (CuentaBucles(grafo_))
        grafo_.InsertarNumAristas(static_cast<std::int16_t>(grafo_.numero_aristas() - bucles_.size()));
}

void BuclesApartados::Devolver()
{
    if (bucles_.empty())
        return;
    for (const Bucle& b : bucles_)
        grafo_.InsertarMatriz(b.v, b.v, b.peso);
    if (CuentaBucles(grafo_))
        grafo_.InsertarNumAristas(static_cast<std::int16_t>(grafo_.numero_aristas() + bucles_.size()));
    bucles_.clear();
}
