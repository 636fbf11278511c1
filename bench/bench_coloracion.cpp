// Brelaz's colouring straight through on 50 vertices, as the menu starts it:
// run mode (the graph redrawn), the colouring, every vertex painted, the
// trace written and formatted. The complete graph is the worst case for
// drawing and trace (1225 edges, 50 colours); the complete tripartite one
// has three long colour lines.
#include <benchmark/benchmark.h>

#include "MundoBanco.h"
#include "ui/Principal.h"

namespace {

void BM_Brelaz50(benchmark::State& estado, bool tripartito)
{
    SinPersona persona;
    Principal p(persona);
    Completo(p.grafo(), 50, "Simple");
    for (int v = 1; v <= 50; ++v)
        for (int w = 1; w <= 50; ++w)
            if (tripartito && v % 3 == w % 3)
                p.grafo().InsertarMatriz(v, w, 0);
    for (auto _ : estado) {
        p.Marco().EjecucionCompleta = true;
        p.EjecutarAlgoritmo(QStringLiteral("Coloración Brelaz"));
        estado.PauseTiming();
        p.Aceptar_Click();
        estado.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(BM_Brelaz50, completo, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Brelaz50, tripartito, true)->Unit(benchmark::kMillisecond);

} // namespace
