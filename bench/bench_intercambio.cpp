// Other tools' formats: the complete weighted graph on 50 vertices (1225
// edges; unweighted for graph6, which holds no weights) written in each
// format, and its text imported back. The files carry positions except
// graph6's, so its import includes laying the vertices out. The target is
// 20 ms each way.
#include <benchmark/benchmark.h>

#include "MundoBanco.h"
#include "files/Intercambio.h"

namespace {

const QSize Area{9000, 6000};

Grafo K50(Formato formato)
{
    Grafo grafo;
    Completo(grafo, 50, formato == Formato::Graph6 ? "Simple" : "Ponderado");
    return grafo;
}

void BM_Exportar(benchmark::State& estado, Formato formato)
{
    const Grafo grafo = K50(formato);
    for (auto _ : estado)
        benchmark::DoNotOptimize(TextoExportado(formato, grafo));
}

void BM_Importar(benchmark::State& estado, Formato formato)
{
    const QByteArray texto = TextoExportado(formato, K50(formato));
    estado.counters["bytes"] = double(texto.size());
    for (auto _ : estado) {
        Grafo grafo;
        if (!ImportarBytes(texto, formato, grafo, Area).isEmpty())
            estado.SkipWithError("the file did not import");
        benchmark::DoNotOptimize(grafo);
    }
}

#define NODEVA_FORMATOS(banco)                                                                                         \
    BENCHMARK_CAPTURE(banco, GraphML, Formato::GraphML)->Unit(benchmark::kMillisecond);                                \
    BENCHMARK_CAPTURE(banco, GML, Formato::GML)->Unit(benchmark::kMillisecond);                                        \
    BENCHMARK_CAPTURE(banco, DOT, Formato::DOT)->Unit(benchmark::kMillisecond);                                        \
    BENCHMARK_CAPTURE(banco, Pajek, Formato::Pajek)->Unit(benchmark::kMillisecond);                                    \
    BENCHMARK_CAPTURE(banco, Graph6, Formato::Graph6)->Unit(benchmark::kMillisecond)

NODEVA_FORMATOS(BM_Exportar);
NODEVA_FORMATOS(BM_Importar);

} // namespace
