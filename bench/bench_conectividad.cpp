// Straight runs of the connectivity commands on the complete graph of 50
// vertices: the bridges recount the components after taking out each of
// its 1225 edges, the cut vertices after isolating each vertex. A run
// includes what the person waits for: entering run mode (a full redraw),
// the highlights, the trace and the end prompt.
#include <QImage>
#include <benchmark/benchmark.h>
#include <cmath>
#include <numbers>

#include "algorithms/Conectividad.h"
#include "run/Algoritmo.h"
#include "ui/Interaccion.h"
#include "ui/Principal.h"

namespace {

class SinPersona : public Interaccion {
public:
    std::int16_t Mensaje(const QString&, const QString&, Icono, Botones) override
    {
        return Respuesta::Aceptar;
    }
    void Mostrar(AsignarPeso&) override {}
    QString NombreParaAbrir(const QString&) override { return {}; }
    QString NombreParaGuardar(const QString&, const QString&) override { return {}; }
    double Ahora() override { return 0; }
    void ProcesarEventos() override {}
};

struct MundoK50 {
    SinPersona persona;
    Principal p{persona};
    Contexto contexto{p.grafo(), p.dibujo(), p.Marco(), p.Persona()};

    MundoK50()
    {
        Grafo& g = p.grafo();
        constexpr int n = 50;
        g.Insertar_Dimension(n, false);
        for (int v = 1; v <= n; ++v) {
            const double a = 2 * std::numbers::pi * v / n;
            g.InsertarPosicionX(v, static_cast<std::int16_t>(4500 + 2600 * std::cos(a)));
            g.InsertarPosicionY(v, static_cast<std::int16_t>(3000 + 2600 * std::sin(a)));
            for (int w = 1; w < v; ++w) {
                g.InsertarMatriz(v, w, 1);
                g.InsertarMatriz(w, v, 1);
            }
        }
        g.InsertarNumAristas(n * (n - 1) / 2);
    }
};

void BM_AristasPuenteK50(benchmark::State& estado)
{
    MundoK50 mundo;
    for (auto _ : estado)
        benchmark::DoNotOptimize(AristasPuente(mundo.contexto));
}
BENCHMARK(BM_AristasPuenteK50)->Unit(benchmark::kMillisecond);

void BM_VerticesCorteK50(benchmark::State& estado)
{
    MundoK50 mundo;
    for (auto _ : estado) {
        mundo.p.Marco().DesdeMenu = true;
        benchmark::DoNotOptimize(VerticesCorte(mundo.contexto));
    }
}
BENCHMARK(BM_VerticesCorteK50)->Unit(benchmark::kMillisecond);

// The silent count alone, as Fleury and the spanning trees call it.
void BM_ContarComponentesK50(benchmark::State& estado)
{
    MundoK50 mundo;
    for (auto _ : estado)
        benchmark::DoNotOptimize(ContarComponentes(mundo.p.grafo()));
}
BENCHMARK(BM_ContarComponentesK50)->Unit(benchmark::kMicrosecond);

} // namespace
