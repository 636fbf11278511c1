// Remembering the steps of a long run: 4000 pauses on the complete weighted
// graph of 50 vertices, each after one edge drawn thick and one line of
// trace, as Kruskal or a search leaves them. With argument 1 every pause is
// remembered; with 0 only the trace is brought up to date, as any pause
// does, so the difference is the history's own cost. The counters say how
// much more memory the process holds at the end of the run (bytes in use
// by the allocator, freed blocks not counted) and, with 1, the time of one
// Recordar alone.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <chrono>

#include "MundoBanco.h"
#include "run/HistoriaPasos.h"
#include "run/MarcoEjecucion.h"
#include "run/PasoMostrado.h"
#include "ui/Principal.h"

namespace {

constexpr int Pausas = 4000;

double MegasEnUso()
{
    const struct mallinfo2 m = mallinfo2();
    return double(m.uordblks + m.hblkhd) / (1024 * 1024);
}

void BM_RecordarPasos50(benchmark::State& estado)
{
    const bool recordar = estado.range(0) == 1;
    for (auto _ : estado) {
        estado.PauseTiming();
        SinPersona persona;
        Principal p(persona);
        Completo(p.grafo(), 50, "Ponderado");
        MarcoEjecucion& marco = p.Marco();
        marco.PrepararEjecucion();
        const double antes = MegasEnUso();
        std::chrono::steady_clock::duration recordando{};
        estado.ResumeTiming();
        for (int k = 0; k < Pausas; ++k) {
            DarPaso(p, k);
            if (recordar) {
                const auto inicio = std::chrono::steady_clock::now();
                marco.Historia().Recordar(marco.traza(), 0);
                recordando += std::chrono::steady_clock::now() - inicio;
            } else {
                marco.traza().Volcar();
            }
        }
        estado.PauseTiming();
        estado.counters["MB_mas"] = MegasEnUso() - antes;
        estado.counters["pasos"] = marco.Historia().Pasos();
        estado.counters["us_por_paso"] =
            std::chrono::duration<double, std::micro>(recordando).count() / Pausas;
        estado.ResumeTiming();
    }
}
BENCHMARK(BM_RecordarPasos50)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

// The timeline: from the newest of the 4000 steps straight to step k, the
// jump writing that step's trace afresh and putting its picture back on
// the work area. The way back to the newest is not timed.
void BM_SaltarAlPaso50(benchmark::State& estado)
{
    SinPersona persona;
    Principal p(persona);
    Completo(p.grafo(), 50, "Ponderado");
    MarcoEjecucion& marco = p.Marco();
    marco.PrepararEjecucion();
    for (int k = 0; k < Pausas; ++k) {
        DarPaso(p, k);
        marco.Historia().Recordar(marco.traza(), 0);
    }
    PasoMostrado pasos(marco.Historia());
    const int destino = static_cast<int>(estado.range(0));
    for (auto _ : estado) {
        pasos.Ir(destino);
        estado.PauseTiming();
        pasos.Ir(Pausas);
        estado.ResumeTiming();
    }
}
BENCHMARK(BM_SaltarAlPaso50)->Arg(1)->Arg(2)->Arg(Pausas / 2)->Arg(Pausas - 1)->Unit(benchmark::kMillisecond);

} // namespace
