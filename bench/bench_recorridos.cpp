// Straight runs of the searches, the path and Dijkstra on 50 vertices, as
// the command line starts them: entering run mode (a full redraw), the
// highlights, the trace and the end prompt. Two graphs: the complete one,
// whose redraw dominates (2450 weighted arcs for Dijkstra), and a 5 x 10
// grid, a graph of the size a lesson draws. Dijkstra labels every vertex
// (a table of 50 rows on the complete graph); the path runs corner to corner.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "MundoBanco.h"
#include "algorithms/CatalogoOrdenes.h"
#include "ui/Principal.h"

namespace {

// The complete graph with only the edges between grid neighbours kept,
// 10 vertices a row.
void Rejilla50(Grafo& g, const char* tipo)
{
    Completo(g, 50, tipo);
    int aristas = 0;
    for (int a = 1; a <= 50; ++a) {
        g.InsertarPosicionX(a, static_cast<std::int16_t>(900 + 800 * ((a - 1) % 10)));
        g.InsertarPosicionY(a, static_cast<std::int16_t>(900 + 1000 * ((a - 1) / 10)));
        for (int b = 1; b <= 50; ++b) {
            const int distancia = std::abs((a - 1) % 10 - (b - 1) % 10) + std::abs((a - 1) / 10 - (b - 1) / 10);
            if (distancia != 1)
                g.InsertarMatriz(a, b, 0);
            else
                aristas += a < b || g.Dirigido();
        }
    }
    g.InsertarNumAristas(static_cast<std::int16_t>(aristas));
}

// What the window would have asked; destino 0 with an origin: every vertex.
Parametros Respuestas(int raiz, int origen, int destino)
{
    Parametros p;
    p.raiz = std::int16_t(raiz);
    p.origen = std::int16_t(origen);
    p.destino = std::int16_t(destino);
    p.todos = origen != 0 && destino == 0;
    return p;
}

void BM_Recorrido50(benchmark::State& estado, const char* orden, const char* tipo, bool rejilla,
                    Parametros parametros)
{
    SinPersona persona;
    Principal p(persona);
    if (rejilla)
        Rejilla50(p.grafo(), tipo);
    else
        Completo(p.grafo(), 50, tipo);
    for (auto _ : estado) {
        p.EjecutarOrdenCompleta(*OrdenPorCli(orden), parametros);
        estado.PauseTiming();
        p.Aceptar_Click();
        estado.ResumeTiming();
    }
}
#define RECORRIDO(nombre, orden, tipo, respuestas)                                                           \
    BENCHMARK_CAPTURE(BM_Recorrido50, nombre##_completo, orden, tipo, false, respuestas)                    \
        ->Unit(benchmark::kMillisecond);                                                                   \
    BENCHMARK_CAPTURE(BM_Recorrido50, nombre##_rejilla, orden, tipo, true, respuestas)                      \
        ->Unit(benchmark::kMillisecond)
RECORRIDO(En_Profundidad, "En_Profundidad", "Simple", Respuestas(1, 0, 0));
RECORRIDO(En_Anchura, "En_Anchura", "Simple", Respuestas(1, 0, 0));
RECORRIDO(Camino, "Camino", "Simple", Respuestas(0, 1, 50));
RECORRIDO(Dijkstra_todos, "Dijkstra", "Digrafo_Ponderado", Respuestas(0, 1, 0));

} // namespace
