// The work area as the person uses it on the largest graph, complete on 50
// vertices round an ellipse that fills a maximized window (a work area of
// 1907 x 851 pixels), weights from 1 to 999 at random when weighted. Each
// step ends as the window ends it: the pixels that changed are copied to
// the screen.
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>
#include <numbers>
#include <random>

#include "MundoBanco.h"
#include "algorithms/CatalogoOrdenes.h"
#include "drawing/Dibujo.h"
#include "drawing/LienzoBandas.h"
#include "model/Seleccion.h"
#include "ui/Principal.h"

namespace {

constexpr int AnchoArea = 1907 * 15, AltoArea = 851 * 15;
// The window whose layout leaves that work area.
constexpr int AnchoVentana = AnchoArea + 200, AltoVentana = 16175;

struct MundoArea {
    SinPersona persona;
    Principal p{persona};
    QImage pantalla;

    // escala: the screen's device pixel ratio (2 on a high-density screen).
    explicit MundoArea(const char* tipo, double escala = 1) : pantalla(QSize(1907, 851) * escala, QImage::Format_RGB32)
    {
        pantalla.setDevicePixelRatio(escala);
        p.PonerEscala(escala);
        p.Form_Resize(AnchoVentana, AltoVentana);
        Grafo& g = p.grafo();
        Completo(g, 50, tipo);
        std::mt19937 azar(50);
        for (int v = 1; v <= 50; ++v) {
            const double a = 2 * std::numbers::pi * v / 50;
            g.InsertarPosicionX(v, std::int16_t(AnchoArea / 2 + (AnchoArea / 2 - 600) * std::cos(a)));
            g.InsertarPosicionY(v, std::int16_t(AltoArea / 2 + (AltoArea / 2 - 600) * std::sin(a)));
            for (int w = 1; w < v && g.Ponderado(); ++w) {
                const auto peso = std::int16_t(azar() % 999 + 1);
                g.InsertarMatriz(v, w, peso);
                g.InsertarMatriz(w, v, peso);
            }
        }
        p.Redibujar();
        Mostrar();
    }
    // What the window's repaint does with the picture.
    void Mostrar()
    {
        const QRect zona = p.Area().TomarCambios();
        if (zona.isEmpty())
            return;
        QPainter pintor(&pantalla);
        pintor.drawImage(zona, p.Area().Imagen(), zona);
    }
    QPointF Vertice(int v) const { return QPointF(p.grafo().Posic_CoordX(v), p.grafo().Posic_CoordY(v)); }
    void Mover(int boton, QPointF punto)
    {
        p.Edicion().MouseMove(boton, punto.x(), punto.y());
        Mostrar();
    }
};

// Long lists are painted on every core: wall time, and the CPU of all threads.
void EnTodosLosNucleos(benchmark::internal::Benchmark* b)
{
    b->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();
}

void BM_Redibujar(benchmark::State& estado, const char* tipo, double escala)
{
    MundoArea m(tipo, escala);
    for (auto _ : estado) {
        m.p.Redibujar();
        m.Mostrar();
    }
}
BENCHMARK_CAPTURE(BM_Redibujar, Simple, "Simple", 1)->Apply(EnTodosLosNucleos);
BENCHMARK_CAPTURE(BM_Redibujar, Ponderado, "Ponderado", 1)->Apply(EnTodosLosNucleos);
BENCHMARK_CAPTURE(BM_Redibujar, SimpleEscala2, "Simple", 2)->Apply(EnTodosLosNucleos);
BENCHMARK_CAPTURE(BM_Redibujar, PonderadoEscala2, "Ponderado", 2)->Apply(EnTodosLosNucleos);
BENCHMARK_CAPTURE(BM_Redibujar, PonderadoEscala1_5, "Ponderado", 1.5)->Apply(EnTodosLosNucleos);

// One pointer move of a drag of vertex 1 and its 49 edges, back and forth.
void BM_FotogramaArrastre(benchmark::State& estado, const char* tipo)
{
    MundoArea m(tipo);
    const QPointF v = m.Vertice(1);
    m.Mover(0, v);
    m.p.Edicion().MouseDown(1, v.x(), v.y());
    m.Mover(1, v);
    const QPointF pasos[] = {v - QPointF(600, 300), v - QPointF(900, 600)};
    int k = 0;
    for (auto _ : estado)
        m.Mover(1, pasos[k++ % 2]);
}
BENCHMARK_CAPTURE(BM_FotogramaArrastre, Simple, "Simple")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FotogramaArrastre, Ponderado, "Ponderado")->Unit(benchmark::kMicrosecond);

// Pointer moves between an empty corner and another place: another empty
// corner (no mark changes), vertex 1 (its hover mark comes and goes) or the
// middle of the edge 1-20 (an edge is marked, then loses its mark).
enum class Lugar { Vacio, Vertice, Arista };

void BM_Sobrevolar(benchmark::State& estado, const char* tipo, Lugar lugar)
{
    MundoArea m(tipo);
    const QPointF otro = lugar == Lugar::Vacio     ? QPointF(450, 450)
                         : lugar == Lugar::Vertice ? m.Vertice(1)
                                                   : (m.Vertice(1) + m.Vertice(20)) / 2;
    const QPointF lugares[] = {otro, QPointF(300, 300)};
    m.Mover(0, otro);
    if (lugar == Lugar::Arista && m.p.Marcas().AristaBajoCursor == 0)
        estado.SkipWithError("ninguna arista bajo el puntero");
    // Leaving an edge is timed alone: the move that marks it again is not.
    const bool soloDejar = lugar == Lugar::Arista;
    int k = 1;
    for (auto _ : estado) {
        m.Mover(0, lugares[k++ % 2]);
        if (soloDejar) {
            estado.PauseTiming();
            m.Mover(0, lugares[k++ % 2]);
            estado.ResumeTiming();
        }
    }
}
BENCHMARK_CAPTURE(BM_Sobrevolar, SinCambioSimple, "Simple", Lugar::Vacio)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Sobrevolar, SinCambioPonderado, "Ponderado", Lugar::Vacio)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Sobrevolar, ConCambioSimple, "Simple", Lugar::Vertice)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Sobrevolar, ConCambioPonderado, "Ponderado", Lugar::Vertice)->Unit(benchmark::kMicrosecond);
// Leaving the edge paints the part of the picture it changed, in bands.
BENCHMARK_CAPTURE(BM_Sobrevolar, DejaAristaSimple, "Simple", Lugar::Arista)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(BM_Sobrevolar, DejaAristaPonderado, "Ponderado", Lugar::Arista)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

// A straight run on the weighted graph as the menu starts it, drawing and
// the window's repaint included. Componentes runs from its menu entry at
// once; the others ask for the step-by-step mode, answered "Completo".
void BM_Corrida(benchmark::State& estado, const char* nombre, bool conModo, double escala = 1)
{
    MundoArea m("Ponderado", escala);
    for (auto _ : estado) {
        m.p.Marco().EjecucionCompleta = true;
        if (conModo)
            m.p.EjecutarAlgoritmo(nombre);
        else
            m.p.Ejecutar(nombre);
        m.Mostrar();
        estado.PauseTiming();
        m.p.Aceptar_Click();
        m.Mostrar();
        estado.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(BM_Corrida, Componentes, "Componentes_conexas", false)->Apply(EnTodosLosNucleos);
BENCHMARK_CAPTURE(BM_Corrida, ComponentesEscala2, "Componentes_conexas", false, 2)->Apply(EnTodosLosNucleos);
BENCHMARK_CAPTURE(BM_Corrida, ComponentesEscala1_5, "Componentes_conexas", false, 1.5)->Apply(EnTodosLosNucleos);
BENCHMARK_CAPTURE(BM_Corrida, Kruskal, "Kruskal", true)->Apply(EnTodosLosNucleos);
BENCHMARK_CAPTURE(BM_Corrida, Prim, "Prim", true)->Apply(EnTodosLosNucleos);
BENCHMARK_CAPTURE(BM_Corrida, Boruvka, "Boruvka", true)->Apply(EnTodosLosNucleos);

// The other commands that run on the weighted K50, straight through as the
// command line starts them, with the window's repaint: what a class sees
// after choosing "Completo". The searches start at vertex 1; the path and
// Dijkstra go from 1 to 26, across the ellipse.
void BM_Orden(benchmark::State& estado, const char* orden, int raiz, int origen, int destino,
              const char* tipo = "Ponderado")
{
    MundoArea m(tipo);
    m.persona.Azar().Sembrar(7);
    Parametros parametros;
    parametros.raiz = std::int16_t(raiz);
    parametros.origen = std::int16_t(origen);
    parametros.destino = std::int16_t(destino);
    parametros.todos = destino < 0;
    const OrdenAlgoritmo* elegida = OrdenPorCli(orden);
    for (auto _ : estado) {
        m.p.EjecutarOrdenCompleta(*elegida, parametros);
        m.Mostrar();
        estado.PauseTiming();
        if (!m.p.Vista().aceptarVisible)
            estado.SkipWithError("the run did not finish");
        m.p.Aceptar_Click();
        m.Mostrar();
        estado.ResumeTiming();
    }
}
#define ORDEN(nombre, ...) BENCHMARK_CAPTURE(BM_Orden, nombre, __VA_ARGS__)->Apply(EnTodosLosNucleos)
ORDEN(VerticesCorte, "VerticesCorte", 0, 0, 0);
ORDEN(Puentes, "Puentes", 0, 0, 0);
ORDEN(Bloques, "Bloques", 0, 0, 0);
ORDEN(En_Profundidad, "En_Profundidad", 1, 0, 0);
ORDEN(En_Anchura, "En_Anchura", 1, 0, 0);
ORDEN(Camino, "Camino", 0, 1, 26);
ORDEN(Dijkstra, "Dijkstra", 0, 1, 26);
// Every destination on the complete weighted digraph: each of the 2450 arcs drawn.
ORDEN(DijkstraTodosDigrafo, "Dijkstra", 0, 1, -1, "Digrafo_Ponderado");
ORDEN(Secuencial, "Secuencial", 0, 0, 0);
ORDEN(WelshPowell, "Welsh-Powell", 0, 0, 0);
ORDEN(Brelaz, "Brelaz", 0, 0, 0);
ORDEN(Cartero, "Cartero", 0, 0, 0);

// The runs that paint every edge wide, the first time on a graph just drawn:
// the fonts and labels of the bands' threads are all there is.
void BM_PrimeraVez(benchmark::State& estado, const char* orden)
{
    const OrdenAlgoritmo* elegida = OrdenPorCli(orden);
    for (auto _ : estado) {
        estado.PauseTiming();
        auto m = std::make_unique<MundoArea>("Ponderado");
        m->persona.Azar().Sembrar(7);
        estado.ResumeTiming();
        m->p.EjecutarOrdenCompleta(*elegida, {});
        m->Mostrar();
        estado.PauseTiming();
        m.reset();
        estado.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(BM_PrimeraVez, Componentes, "Componentes")->Apply(EnTodosLosNucleos);
BENCHMARK_CAPTURE(BM_PrimeraVez, Bloques, "Bloques")->Apply(EnTodosLosNucleos);
BENCHMARK_CAPTURE(BM_PrimeraVez, Cartero, "Cartero")->Apply(EnTodosLosNucleos);

} // namespace
