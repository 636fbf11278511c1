// Redrawing the work area: clear and draw a complete weighted graph of 50
// vertices (1225 edges with their weights) on a 9000 x 6000 twip image.
#include <QImage>
#include <benchmark/benchmark.h>

#include "MundoBanco.h"
#include "drawing/Dibujo.h"
#include "drawing/LienzoImagen.h"
#include "model/Grafo.h"
#include "model/Seleccion.h"

namespace {

void BM_RedibujarCompleto50(benchmark::State& estado)
{
    Grafo grafo;
    Completo(grafo, 50, "Ponderado");
    QImage imagen(600, 400, QImage::Format_RGB32);
    imagen.setDotsPerMeterX(3780);
    imagen.setDotsPerMeterY(3780);
    const Seleccion seleccion;
    const bool desdeMenu = false;
    LienzoImagen lienzo(imagen);
    Dibujo dibujo(grafo, lienzo, seleccion, desdeMenu);
    for (auto _ : estado) {
        lienzo.Limpiar();
        dibujo.DibujarGrafo(0);
        lienzo.Terminar(); // the window shows the image after each redraw
        benchmark::DoNotOptimize(imagen.constBits());
    }
}
BENCHMARK(BM_RedibujarCompleto50)->Unit(benchmark::kMillisecond);

} // namespace
