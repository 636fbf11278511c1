// Straight runs of the Eulerian tours on 50 vertices, drawing included and
// the one-second waits left out (the benchmark's clock lets them pass at
// once): Fleury and the postman test the bridges of what is left at every
// step, so their inner loop is where the time goes.
#include <benchmark/benchmark.h>

#include "MundoBanco.h"
#include "algorithms/Cartero.h"
#include "ui/Principal.h"

namespace {

// Each vertex joined to the next `k` round a circle of n, weights spread
// over 1..99; with `diametros` also to the vertex opposite, so that every
// degree turns odd.
void Circulante(Grafo& g, int n, int k, bool diametros)
{
    Completo(g, n, "Ponderado");
    int aristas = 0;
    for (int a = 1; a <= n; ++a)
        for (int b = a + 1; b <= n; ++b) {
            const int salto = std::min(b - a, n - (b - a));
            const bool esta = salto <= k || (diametros && salto == n / 2);
            const auto peso = static_cast<std::int16_t>(esta ? (a * 31 + b * 17) % 99 + 1 : 0);
            g.InsertarMatriz(a, b, peso);
            g.InsertarMatriz(b, a, peso);
            aristas += esta;
        }
    g.InsertarNumAristas(static_cast<std::int16_t>(aristas));
}

void BM_Euler(benchmark::State& estado, const char* nombre, int n, int k, bool diametros)
{
    SinPersona persona;
    persona.Azar().Sembrar(7);
    Principal p(persona);
    Circulante(p.grafo(), n, k, diametros);
    for (auto _ : estado) {
        p.Marco().EjecucionCompleta = true;
        p.EjecutarAlgoritmo(nombre);
        estado.PauseTiming();
        if (!p.Vista().aceptarVisible)
            estado.SkipWithError("the run did not finish");
        p.Aceptar_Click();
        estado.ResumeTiming();
    }
}
// 600 edges, every degree 24.
BENCHMARK_CAPTURE(BM_Euler, Fleury, "Fleury", 50, 12, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Euler, Hierholzer, "Hierholzer", 50, 12, false)->Unit(benchmark::kMillisecond);
// 625 edges, every degree 25: fifty odd vertices to pair.
BENCHMARK_CAPTURE(BM_Euler, Cartero, "Cartero", 50, 12, true)->Unit(benchmark::kMillisecond);
// Tucker ends with one vertex per edge, so the most it can split is 50
// edges: 25 vertices of degree 4 become 50 of degree 2.
BENCHMARK_CAPTURE(BM_Euler, Tucker, "Tucker", 25, 2, false)->Unit(benchmark::kMillisecond);

// The walk alone, without drawing or trace: Fleury's rule over the 600
// edges of the circulant graph, a bridge test for every candidate at every step.
void BM_SoloRecorrido(benchmark::State& estado)
{
    SinPersona persona;
    persona.Azar().Sembrar(7);
    Grafo g;
    Circulante(g, 50, 12, false);
    for (auto _ : estado)
        benchmark::DoNotOptimize(Recorrido_Cartero(g, {}, persona.Azar()));
}
BENCHMARK(BM_SoloRecorrido)->Unit(benchmark::kMillisecond);

} // namespace
