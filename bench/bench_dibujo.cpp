// Redrawing the work area: clear and draw a complete weighted graph of 50
// vertices (1225 edges with their weights) on a 9000 x 6000 twip image.
// And the wide lines of the runs by themselves.
#include <QImage>
#include <benchmark/benchmark.h>
#include <cmath>
#include <numbers>
#include <vector>

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

// The 1225 edges of K50, on an ellipse in the maximized work area, painted
// 2 pixels wide by one thread with the whole image in sight: what the runs
// that draw every edge wide (Componentes, Bloques, the postman) spend per
// line, on each band.
void BM_LineasGruesas(benchmark::State& estado)
{
    QImage imagen(1907, 851, QImage::Format_RGB32);
    imagen.fill(Qt::white);
    std::vector<QPointF> vertices;
    for (int v = 1; v <= 50; ++v) {
        const double a = 2 * std::numbers::pi * v / 50;
        vertices.emplace_back(14302 + 13702 * std::cos(a), 6382 + 5782 * std::sin(a));
    }
    LienzoImagen lienzo(imagen);
    lienzo.PonerAnchoLinea(2);
    QRgb color = 0xff000080u;
    for (auto _ : estado) {
        color ^= 0x00404000u;
        lienzo.PonerColorFrente(QColor::fromRgb(color));
        for (std::size_t v = 1; v < vertices.size(); ++v)
            for (std::size_t w = 0; w < v; ++w)
                lienzo.Linea(vertices[w], vertices[v]);
        lienzo.Terminar();
        benchmark::DoNotOptimize(imagen.constBits());
    }
}
BENCHMARK(BM_LineasGruesas)->Unit(benchmark::kMillisecond);

} // namespace
