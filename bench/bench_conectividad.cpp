// Straight runs of the connectivity commands on the complete graph of 50
// vertices: the bridges recount the components after taking out each of
// its 1225 edges, the cut vertices after isolating each vertex. A run
// includes what the person waits for: entering run mode (a full redraw),
// the highlights, the trace and the end prompt.
#include <QImage>
#include <benchmark/benchmark.h>

#include "MundoBanco.h"
#include "algorithms/Conectividad.h"
#include "run/Algoritmo.h"
#include "ui/Principal.h"

namespace {

struct MundoK50 {
    SinPersona persona;
    Principal p{persona};
    Contexto contexto{p.grafo(), p.dibujo(), p.Marco(), p.Persona()};

    MundoK50() { Completo(p.grafo(), 50, "Simple"); }
};

void BM_AristasPuenteK50(benchmark::State& estado)
{
    MundoK50 mundo;
    for (auto _ : estado)
        benchmark::DoNotOptimize(AristasPuente(mundo.contexto));
}
BENCHMARK(BM_AristasPuenteK50)->Unit(benchmark::kMillisecond);

void BM_VerticesCorteK50(benchmark::State& estado)
{
    MundoK50 mundo;
    for (auto _ : estado) {
        mundo.p.Marco().DesdeMenu = true;
        benchmark::DoNotOptimize(VerticesCorte(mundo.contexto));
    }
}
BENCHMARK(BM_VerticesCorteK50)->Unit(benchmark::kMillisecond);

// The silent count alone, as Fleury and the spanning trees call it.
void BM_ContarComponentesK50(benchmark::State& estado)
{
    MundoK50 mundo;
    for (auto _ : estado)
        benchmark::DoNotOptimize(ContarComponentes(mundo.p.grafo()));
}
BENCHMARK(BM_ContarComponentesK50)->Unit(benchmark::kMicrosecond);

} // namespace
