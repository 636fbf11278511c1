// The recovery copy of a weighted K50, as the window's schedule writes it:
// the checks, the graph file and its description, each through the atomic
// writer (synced to the disk) in a temporary folder. A position moves at
// each iteration so that every one writes. The target is 5 ms of the
// interface thread.
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "MundoBanco.h"
#include "ui/CopiaPeriodica.h"

namespace {

void BM_CopiaRecuperacion(benchmark::State& estado)
{
    QTemporaryDir carpeta;
    Grafo grafo;
    Completo(grafo, 50, "Ponderado");
    const Documento documento{QStringLiteral("/clase/k50.grf"), true};
    CopiaPeriodica copias(carpeta.path(), [] { return 0.0; });
    std::int16_t x = grafo.Posic_CoordX(1);
    for (auto _ : estado) {
        grafo.InsertarPosicionX(1, ++x);
        copias.Ya(grafo, documento, false);
    }
    if (!copias.Copia().Existe())
        estado.SkipWithError("no copy was written");
}

BENCHMARK(BM_CopiaRecuperacion)->Unit(benchmark::kMillisecond);

} // namespace
