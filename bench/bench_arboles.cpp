// Straight runs of the three spanning trees on the largest graph, complete
// with 50 vertices: the whole run as the menu starts it, drawing included.
#include <benchmark/benchmark.h>
#include <cmath>
#include <numbers>

#include "ui/Interaccion.h"
#include "ui/Principal.h"

namespace {

class PersonaBanco : public Interaccion {
public:
    std::int16_t Mensaje(const QString&, const QString&, Icono, Botones) override
    {
        return Respuesta::Aceptar;
    }
    using Interaccion::Mostrar;
    void Mostrar(AsignarPeso&) override {}
    QString NombreParaAbrir(const QString&) override { return {}; }
    QString NombreParaGuardar(const QString&, const QString&) override { return {}; }
    double Ahora() override { return 0; }
    void ProcesarEventos() override {}
};

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

void BM_ArbolCompleto50(benchmark::State& estado, const char* nombre)
{
    PersonaBanco persona;
    Principal p(persona);
    CompletoPonderado(p.grafo(), 50);
    for (auto _ : estado) {
        p.Marco().EjecucionCompleta = true;
        p.EjecutarAlgoritmo(nombre);
        estado.PauseTiming();
        p.Aceptar_Click();
        estado.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(BM_ArbolCompleto50, Kruskal, "Kruskal")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ArbolCompleto50, Prim, "Prim")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ArbolCompleto50, Boruvka, "Boruvka")->Unit(benchmark::kMillisecond);

} // namespace
