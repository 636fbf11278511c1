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
        const int a = k % 50 + 1, b = (k * 7) % 50 + 1;
        Lienzo& lienzo = p.Superficie();
        lienzo.PonerAnchoLinea(2);
        p.dibujo().DibujarArista(std::int16_t(a), std::int16_t(a == b ? a % 50 + 1 : b), QColor(128, 0, 0), 0, 0, 0);
        lienzo.PonerAnchoLinea(1);
        marco.AñadirTraza(QStringLiteral("Arista: (%1,%2)    \t").arg(a).arg(b), false, QColor(Qt::black));
        marco.AñadirTraza(QStringLiteral("%1\r\n").arg(k), true, QColor(0, 0, 128));
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
