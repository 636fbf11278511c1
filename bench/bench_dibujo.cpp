// Redrawing the work area: clear and draw a complete weighted graph of 50
// vertices (1225 edges with their weights) on a 9000 x 6000 twip image.
#include <QImage>
#include <benchmark/benchmark.h>
#include <cmath>
#include <numbers>

#include "drawing/Dibujo.h"
#include "drawing/LienzoImagen.h"
#include "model/Grafo.h"
#include "model/Seleccion.h"

namespace {

void CompletoPonderado(Grafo& grafo, int n)
{
    grafo.InsertarTipo("Ponderado");
    grafo.Insertar_Dimension(static_cast<std::int16_t>(n), false);
    for (int v = 1; v <= n; ++v) {
        const double a = 2 * std::numbers::pi * v / n;
        grafo.InsertarPosicionX(v, static_cast<std::int16_t>(4500 + 2600 * std::cos(a)));
        grafo.InsertarPosicionY(v, static_cast<std::int16_t>(3000 + 2600 * std::sin(a)));
        for (int w = 1; w < v; ++w) {
            const auto peso = static_cast<std::int16_t>((v * 37 + w * 11) % 1000 + 1);
            grafo.InsertarMatriz(v, w, peso);
            grafo.InsertarMatriz(w, v, peso);
        }
    }
}

void BM_RedibujarCompleto50(benchmark::State& estado)
{
    Grafo grafo;
    CompletoPonderado(grafo, 50);
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
