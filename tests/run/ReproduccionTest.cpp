// Playing a run and its timeline on the real work area: a played run ends
// as a run chosen "Completo" ends, each stop rule stops it, and the timeline
// shows every step exactly as it was first shown.
#include <QImage>

#include "algorithms/Coloracion.h"
#include "run/BotonesInterrupcion.h"
#include "support/MundoEjecucion.h"

namespace {

const Aristas Ponderadas = {{1, 2, 4}, {2, 3, 1}, {3, 4, 7}, {4, 5, 2}, {5, 6, 5},
                            {6, 1, 3}, {1, 4, 6}, {2, 5, 8}, {3, 6, 2}};
const Aristas Pentagono = {{1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 1}, {1, 3}};
const Aristas Lazos = {{1, 2}, {2, 3}, {3, 1}, {3, 4}, {4, 5}, {5, 3}};

// Played, a run ends with the picture of the complete run and the trace of
// the run the person steps through with "Continuar".
TEST(Reproduccion, UnaEjecucionReproducidaAcabaComoLaCompleta)
{
    const struct {
        const char* nombre;
        int tipo, n;
        Aristas aristas;
    } casos[] = {
        {"Kruskal", 1, 6, Ponderadas},
        {"Prim", 1, 6, Ponderadas},
        {"Boruvka", 1, 6, Ponderadas},
        {"Dijkstra", 3, 6, Ponderadas},
        {"En_Profundidad", 0, 5, Pentagono},
        {"En_Anchura", 0, 5, Pentagono},
        {"Coloración Secuencial", 0, 5, Pentagono},
        {"Coloración Brelaz", 0, 5, Pentagono},
        {"Hierholzer", 0, 5, Lazos},
        {"Fleury", 0, 5, Lazos},
        {"Tucker", 2, 4, {{1, 2}, {2, 3}, {3, 1}, {3, 4}, {4, 3}}},
        {"Cartero", 1, 6, Ponderadas},
        {"Prufer_Encoding", 0, 6, {{1, 2}, {2, 3}, {2, 4}, {4, 5}, {4, 6}}},
    };
    enum Modo { Completo, Continuar, Reproducir };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        std::vector<std::pair<QImage, QString>> finales;
        for (const Modo modo : {Completo, Continuar, Reproducir}) {
            MundoCon<PersonaEjecucion> m;
            m.persona.pasoReloj = 0.125;
            // "Reproducir" at the shortest pace in the first step window, then the timer's ticks until the end.
            int ventanas = 0;
            const auto jugar = [&](MandoReproduccion& mando, const std::function<bool()>& cerrado) {
                ++ventanas;
                mando.Juego().PonerRitmo(0);
                if (!mando.Juego().Reproduciendo())
                    mando.Alternar();
                while (!cerrado())
                    mando.Tic();
            };
            if (modo == Reproducir) {
                m.persona.alPausar = [&](BotonesInterrupcion& v) { jugar(*v.Mando(), [&] { return v.Cerrado(); }); };
                m.persona.coloracion = [&](BotonesColoracion& v) { jugar(v.Mando(), [&] { return v.Cerrado(); }); };
            }
            m.Poner(caso.tipo, caso.n, caso.aristas);
            m.p.Marco().EjecucionCompleta = modo == Completo;
            m.p.Marco().DesdeMenu = true;
            m.p.Redibujar();
            m.p.EjecutarAlgoritmo(QString::fromUtf8(caso.nombre), {.raiz = 1, .origen = 1, .todos = true, .lista = {}});
            EXPECT_EQ(ventanas > 0, modo == Reproducir);
            EXPECT_FALSE(m.p.Marco().Juego().Reproduciendo());
            finales.emplace_back(m.p.Area().Imagen().copy(), m.p.text_peq().toHtml());
        }
        // The trace of a colouring or of Tucker's run step by step is not
        // the complete run's: it says more, or keeps the last vertex bold.
        EXPECT_TRUE(finales[Reproducir].first == finales[Completo].first);
        EXPECT_TRUE(finales[Reproducir].first == finales[Continuar].first);
        EXPECT_EQ(finales[Reproducir].second, finales[Continuar].second);
    }
}

// Chosen "Completo", a tour dwells on each of its six edges for the pace.
TEST(Reproduccion, LosRecorridosEulerianosEsperanElRitmo)
{
    for (const double ritmo : {0.25, 1.0, 3.0}) {
        MundoCon<PersonaEjecucion> m;
        m.persona.pasoReloj = 0.125;
        m.p.Marco().Juego().PonerRitmo(ritmo);
        m.Poner(0, 5, Lazos);
        m.p.Marco().EjecucionCompleta = true;
        m.p.EjecutarAlgoritmo(QStringLiteral("Hierholzer"));
        EXPECT_NEAR(m.persona.reloj, 6 * ritmo, 6 * 0.125) << ritmo;
    }
}

// Each way of pausing or going back in a playing step window stops it, and
// the timer then presses nothing.
TEST(Reproduccion, ParaDondeDiceCadaRegla)
{
    const std::function<void(BotonesInterrupcion&)> reglas[] = {
        [](BotonesInterrupcion& v) { v.Mando()->Alternar(); }, [](BotonesInterrupcion& v) { v.Mando()->Anterior(); },
        [](BotonesInterrupcion& v) { v.Mando()->AlPrimero(); }, [](BotonesInterrupcion& v) { v.Terminar(); },
        [](BotonesInterrupcion& v) { v.Escape(); }};
    for (const auto& regla : reglas) {
        MundoCon<PersonaEjecucion> m;
        int probadas = 0;
        m.persona.alPausar = [&](BotonesInterrupcion& v) {
            if (v.Pasos()->Total() != 3)
                return;
            ++probadas;
            v.Mando()->Alternar();
            regla(v);
            EXPECT_FALSE(v.Mando()->Juego().Reproduciendo());
            const auto antes = std::pair(v.Pasos()->Mostrado(), v.Cerrado());
            v.Mando()->Tic();
            EXPECT_EQ(std::pair(v.Pasos()->Mostrado(), v.Cerrado()), antes);
        };
        m.Poner(1, 6, Ponderadas);
        m.p.EjecutarAlgoritmo(QStringLiteral("Kruskal"));
        EXPECT_EQ(probadas, 1);
    }
}

// Struck at any step, in any order, the timeline shows that step's picture
// and trace as they were when the run first reached it; past the last step
// the run goes on.
TEST(Reproduccion, LaLineaDeTiempoMuestraCadaPasoComoFue)
{
    MundoCon<PersonaEjecucion> m;
    std::vector<std::pair<QImage, QString>> vistos;
    int siguieron = 0;
    m.persona.alPausar = [&](BotonesInterrupcion& v) {
        auto vistazo = [&] { return std::pair(m.p.Area().Imagen().copy(), v.Texto().toHtml()); };
        vistos.push_back(vistazo());
        const int total = static_cast<int>(vistos.size());
        for (const int k : {total, 1, total - 1, 2, total / 2, total}) {
            if (k < 1 || k > total)
                continue;
            v.Mando()->IrAlPaso(k);
            EXPECT_EQ(v.Pasos()->Etiqueta(), QStringLiteral("Paso %1 de %2").arg(k).arg(total));
            EXPECT_TRUE(vistazo() == vistos[k - 1]) << "paso " << k << " de " << total;
        }
        v.Mando()->AlPrimero();
        v.Mando()->IrAlPaso(total + 1);
        siguieron += v.Cerrado();
    };
    m.Poner(1, 6, Ponderadas);
    m.p.EjecutarAlgoritmo(QStringLiteral("Kruskal"));
    EXPECT_EQ(vistos.size(), 5u);
    EXPECT_EQ(siguieron, 5);
}

} // namespace
