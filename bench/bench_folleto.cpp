// The handout of a long run: 200 pauses on the complete weighted graph of 50
// vertices, each after one edge drawn thick and one line of trace (as
// bench_historia's run), in a window of 1400 x 900 pixels, written as a PDF
// of 200 pages. The counters give the file's size in megabytes.
#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include "MundoBanco.h"
#include "run/HistoriaPasos.h"
#include "run/MarcoEjecucion.h"
#include "ui/FolletoPasos.h"
#include "ui/Principal.h"

namespace {

constexpr int Pausas = 200;

void Ejecutar(Principal& p)
{
    MarcoEjecucion& marco = p.Marco();
    marco.PrepararEjecucion();
    for (int k = 0; k < Pausas; ++k) {
        DarPaso(p, k);
        marco.Historia().Recordar(marco.traza(), 0);
    }
}

void BM_FolletoPdf200Pasos(benchmark::State& estado)
{
    SinPersona persona;
    Principal p(persona);
    p.Form_Resize(1400 * 15, 900 * 15);
    Completo(p.grafo(), 50, "Ponderado");
    p.Redibujar();
    Ejecutar(p);
    QTemporaryDir carpeta;
    const QString fichero = carpeta.filePath(QStringLiteral("folleto.pdf"));
    for (auto _ : estado) {
        const Escritura e = FolletoPasos(p, p.Marco().Historia(), QStringLiteral("Algoritmo de Kruskal")).Guardar(fichero);
        if (!e.hecha)
            estado.SkipWithError(e.motivo.toStdString().c_str());
    }
    estado.counters["MB"] = double(QFileInfo(fichero).size()) / (1024 * 1024);
    estado.counters["paginas"] = p.Marco().Historia().Pasos();
}
BENCHMARK(BM_FolletoPdf200Pasos)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

} // namespace
