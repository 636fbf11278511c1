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
#include "drawing/RellenoExacto.h"
#include "drawing/TrazoGrueso.h"
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
// line. Repetidas paints them again from the coverage kept the first time,
// as a batch does with a line it paints twice.
void BM_LineasGruesas(benchmark::State& estado, bool repetidas)
{
    QImage imagen(1907, 851, QImage::Format_RGB32);
    imagen.fill(Qt::white);
    std::vector<QPointF> vertices;
    for (int v = 1; v <= 50; ++v) {
        const double a = 2 * std::numbers::pi * v / 50;
        vertices.emplace_back(953.5 + 913 * std::cos(a), 425.5 + 385 * std::sin(a));
    }
    std::vector<QLineF> lineas;
    for (std::size_t v = 1; v < vertices.size(); ++v)
        for (std::size_t w = 0; w < v; ++w)
            lineas.emplace_back(vertices[w], vertices[v]);
    std::vector<Cobertura> coberturas(lineas.size());
    for (std::size_t i = 0; i < lineas.size(); ++i)
        TrazarLineaGruesa(imagen, imagen.rect(), lineas[i], 2, 0xff800000u, &coberturas[i]);
    QRgb color = 0xff000080u;
    for (auto _ : estado) {
        color ^= 0x00404000u;
        for (std::size_t i = 0; i < lineas.size(); ++i)
            if (repetidas)
                RepetirLineaGruesa(imagen, coberturas[i], color);
            else
                TrazarLineaGruesa(imagen, imagen.rect(), lineas[i], 2, color);
        benchmark::DoNotOptimize(imagen.constBits());
    }
}
BENCHMARK_CAPTURE(BM_LineasGruesas, Nuevas, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LineasGruesas, Repetidas, true)->Unit(benchmark::kMillisecond);

} // namespace
