// The recovery copy of a weighted K50, as the window's schedule writes it.
// The interface thread only checks the record and turns it and its
// description into bytes (the target is 5 ms); the copy's own thread writes
// both through the atomic writer, synced to the disk, in a temporary folder.
// A position moves at each iteration so that every one writes.
// BM_CopiaRecuperacionEnDisco also waits for the writer: the time the disk
// takes, which no longer falls on the interface.
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "MundoBanco.h"
#include "ui/CopiaPeriodica.h"

namespace {

void Copiar(benchmark::State& estado, bool esperarAlDisco)
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
        if (esperarAlDisco)
            copias.Copia().Esperar();
    }
    copias.Copia().Esperar();
    if (!copias.Copia().Existe())
        estado.SkipWithError("no copy was written");
}

void BM_CopiaRecuperacion(benchmark::State& estado)
{
    Copiar(estado, false);
}

void BM_CopiaRecuperacionEnDisco(benchmark::State& estado)
{
    Copiar(estado, true);
}

BENCHMARK(BM_CopiaRecuperacion)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopiaRecuperacionEnDisco)->Unit(benchmark::kMillisecond);

} // namespace
