// The blocks of a 50-vertex graph with many blocks (a chain of 16 triangles
// and 17 pendant edges: 33 blocks, 17 cut vertices), and the line graph
// of a graph of 50 edges, each run as the command line runs it.
#include <benchmark/benchmark.h>

#include "MundoBanco.h"
#include "algorithms/CatalogoOrdenes.h"
#include "ui/Principal.h"

namespace {

void Poner(Grafo& g, int a, int b)
{
    g.InsertarMatriz(a, b, 1);
    g.InsertarMatriz(b, a, 1);
    g.IncrementarNumAristas();
}

// Triangles (2k-1, 2k, 2k+1) sharing their ends along 1..33, and a pendant
// vertex on each odd vertex of the chain: 34..50.
void CadenaDeBloques(Grafo& g)
{
    Completo(g, 50, "Simple");
    for (int a = 1; a <= 50; ++a)
        for (int b = 1; b <= 50; ++b)
            g.InsertarMatriz(a, b, 0);
    g.InsertarNumAristas(0);
    for (int k = 1; k <= 16; ++k) {
        Poner(g, 2 * k - 1, 2 * k);
        Poner(g, 2 * k, 2 * k + 1);
        Poner(g, 2 * k - 1, 2 * k + 1);
    }
    for (int k = 0; k < 17; ++k)
        Poner(g, 2 * k + 1, 34 + k);
}

void BM_Bloques50(benchmark::State& estado)
{
    SinPersona persona;
    Principal p(persona);
    CadenaDeBloques(p.grafo());
    for (auto _ : estado) {
        p.EjecutarOrdenCompleta(*OrdenPorCli("Bloques"), {});
        estado.PauseTiming();
        p.Aceptar_Click();
        estado.ResumeTiming();
    }
}
BENCHMARK(BM_Bloques50)->Unit(benchmark::kMillisecond);

// K10 has 45 edges; five pendant edges on 11..15 make 50.
void BM_Lineal50(benchmark::State& estado)
{
    SinPersona persona;
    Principal p(persona);
    for (auto _ : estado) {
        estado.PauseTiming();
        Completo(p.grafo(), 15, "Simple");
        for (int a = 11; a <= 15; ++a)
            for (int b = 1; b <= 15; ++b)
                if (b != a - 10) {
                    p.grafo().InsertarMatriz(a, b, 0);
                    p.grafo().InsertarMatriz(b, a, 0);
                }
        p.grafo().InsertarNumAristas(50);
        estado.ResumeTiming();
        p.EjecutarOrdenCompleta(*OrdenPorCli("Lineal"), {});
    }
}
BENCHMARK(BM_Lineal50)->Unit(benchmark::kMillisecond);

} // namespace
