// Straight runs of the three spanning trees on the largest graph, complete
// with 50 vertices: the whole run as the menu starts it, drawing included.
#include <benchmark/benchmark.h>
#include "MundoBanco.h"
#include "ui/Principal.h"

namespace {

void BM_ArbolCompleto50(benchmark::State& estado, const char* nombre)
{
    SinPersona persona;
    Principal p(persona);
    Completo(p.grafo(), 50, "Ponderado");
    for (auto _ : estado) {
        p.Marco().EjecucionCompleta = true;
        p.EjecutarAlgoritmo(nombre);
        estado.PauseTiming();
        p.Aceptar_Click();
        estado.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(BM_ArbolCompleto50, Kruskal, "Kruskal")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ArbolCompleto50, Prim, "Prim")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ArbolCompleto50, Boruvka, "Boruvka")->Unit(benchmark::kMillisecond);

} // namespace
