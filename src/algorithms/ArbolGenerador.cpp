// Kruskal's and Prim's trees: one edge, one pause at a time. Both scan the
// upper triangle row by row and keep a strictly smaller weight, so among
// equal weights the first edge in row order wins; the person sees that order.
#include "algorithms/ArbolGenerador.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include "algorithms/ArbolGeneradorComun.h"
#include "model/Grafo.h"
#include "run/Algoritmo.h"
#include "run/MarcoEjecucion.h"

using namespace ArbolGenerador;

namespace {

using Lista = std::vector<std::int16_t>; // 1-based

// The lightest edge whose ends the predicate accepts, first in row order on
// ties; 0 when there is none.
template <typename Admite> int MasLigera(const Grafo& g, Admite admite)
{
    int minimo = SinMinimo, elegida = 0;
    const int n = g.dimen();
    for (int i = 1; i <= n; ++i)
        for (int j = i + 1; j <= n; ++j) {
            const int peso = g.elem_matriz(i, j);
            if (peso != 0 && peso < minimo && admite(i, j)) {
                minimo = peso;
                elegida = Codigo(i, j);
            }
        }
    return elegida;
}

// The fragment with the larger label takes the smaller one.
void Unir(Lista& componente, int a, int b)
{
    const std::int16_t mayor = std::max(componente[a], componente[b]);
    const std::int16_t menor = std::min(componente[a], componente[b]);
    for (std::int16_t& etiqueta : componente)
        if (etiqueta == mayor)
            etiqueta = menor;
}

} // namespace

void Kruskal(Contexto& c)
{
    Recorrido recorrido(c, QStringLiteral("Kruskal"), QStringLiteral("\r\n\r\n"));
    if (!recorrido.Admitido())
        return;
    recorrido.Empezar();
    const int n = c.grafo.dimen();
    Lista componente(n + 1);
    std::iota(componente.begin(), componente.end(), std::int16_t{0});
    // Connectivity guarantees an edge at every step, except for a digraph whose
    // arcs only run against the upper triangle.
    for (int k = 1; k < n; ++k) {
        const int arista = MasLigera(c.grafo, [&](int i, int j) { return componente[i] != componente[j]; });
        if (arista == 0)
            break;
        Unir(componente, Origen(arista), Destino(arista));
        recorrido.Elegir(Origen(arista), Destino(arista));
        c.marco.PausaPaso();
    }
    recorrido.Terminar();
}

void Prim(Contexto& c)
{
    Recorrido recorrido(c, QStringLiteral("Prim"), QStringLiteral("\r\n\r\n"));
    if (!recorrido.Admitido())
        return;
    recorrido.Empezar();
    const int n = c.grafo.dimen();
    Lista enArbol(n + 2, 0); // ends at its first 0
    enArbol[1] = 1;
    auto dentro = [&](int v) { return MarcoEjecucion::EstaEnLista(std::int16_t(v), enArbol); };
    for (int k = 1; k < n; ++k) {
        const int arista = MasLigera(c.grafo, [&](int i, int j) { return dentro(i) != dentro(j); });
        if (arista == 0)
            break;
        const int a = Origen(arista), b = Destino(arista);
        recorrido.Elegir(a, b);
        c.marco.PausaPaso();
        enArbol[k + 1] = std::int16_t(dentro(a) ? b : a);
    }
    recorrido.Terminar();
}

const Leyenda& LeyendaArbol()
{
    static const Leyenda leyenda = {
        {ArbolGenerador::ColorArbol, QStringLiteral("en el árbol"), QStringLiteral("en el árbol")}};
    return leyenda;
}
