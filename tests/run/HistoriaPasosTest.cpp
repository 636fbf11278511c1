// Going back through a run's steps on the real work area: every earlier step
// shows again the picture and the formatted trace it first showed, and a run
// that went back ends exactly as one that never did.
#include <QImage>

#include "algorithms/Coloracion.h"
#include "run/BotonesInterrupcion.h"
#include "support/MundoEjecucion.h"

namespace {

// What a step window showed: the work area's picture and its copy of the trace.
using Vista = std::pair<QImage, QString>;

struct Final {
    QImage dibujo;
    QString traza;
    std::vector<Vista> vistas; // each step as first shown
};

// Kruskal's run, where the person looks at every step once; at pause `volverEn` goes back two steps and
// forward one, then leaves the window with `salida` (Continuar, Fin or Escape), as at every other pause.
Final Kruskal(int volverEn, void (BotonesInterrupcion::*salida)())
{
    MundoCon<PersonaEjecucion> m;
    std::vector<Vista> vistas;
    m.persona.alPausar = [&](BotonesInterrupcion& v) {
        const auto vistazo = [&] { return Vista(m.p.Area().Imagen().copy(), v.Texto().toHtml()); };
        vistas.push_back(vistazo());
        const int k = static_cast<int>(vistas.size());
        const auto visto = [&](int paso) {
            EXPECT_EQ(v.Pasos()->Etiqueta(), QStringLiteral("Paso %1 de %2").arg(paso).arg(k));
            EXPECT_TRUE(vistazo() == vistas[paso - 1]) << "paso " << paso;
        };
        if (k == volverEn) {
            v.Pasos()->Anterior();
            v.Pasos()->Anterior();
            visto(k - 2);
            v.Pasos()->Siguiente();
            visto(k - 1);
            // Continuar and Escape come back to this step first; Fin ends at once.
            if (salida != &BotonesInterrupcion::Terminar) {
                (v.*salida)();
                EXPECT_FALSE(v.Cerrado());
                visto(k);
            }
        }
        (v.*salida)();
        EXPECT_TRUE(v.Cerrado());
    };
    m.Poner(1, 6, {{1, 2, 4}, {2, 3, 1}, {3, 4, 7}, {4, 5, 2}, {5, 6, 5}, {6, 1, 3}, {1, 4, 6}, {2, 5, 8}, {3, 6, 2}});
    m.p.Redibujar();
    m.p.EjecutarAlgoritmo(QStringLiteral("Kruskal"));
    return {m.p.Area().Imagen().copy(), m.p.text_peq().toHtml(), vistas};
}

TEST(HistoriaPasos, VolverAtrasEnKruskalNoCambiaNadaDeLaEjecucion)
{
    const Final recto = Kruskal(0, &BotonesInterrupcion::Continuar);
    ASSERT_EQ(recto.vistas.size(), 5u);
    const std::pair<int, void (BotonesInterrupcion::*)()> casos[] = {{3, &BotonesInterrupcion::Continuar},
                                                                     {5, &BotonesInterrupcion::Continuar},
                                                                     {4, &BotonesInterrupcion::Terminar},
                                                                     {4, &BotonesInterrupcion::Escape}};
    for (const auto& [volverEn, salida] : casos) {
        SCOPED_TRACE(volverEn);
        const Final vuelto = Kruskal(volverEn, salida);
        EXPECT_TRUE(vuelto.dibujo == recto.dibujo);
        EXPECT_EQ(vuelto.traza, recto.traza);
        if (salida == &BotonesInterrupcion::Continuar) {
            EXPECT_TRUE(vuelto.vistas == recto.vistas);
        }
    }
}

// The colouring's own step window: each step shown again as it first was,
// then the run ends as if nobody had looked back.
TEST(HistoriaPasos, LaVentanaDeColoracionVuelveSobreCadaVertice)
{
    auto colorear = [](bool volver) {
        MundoCon<PersonaEjecucion> m;
        Principal& p = m.p;
        m.Poner(0, 5, {{1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 1}, {1, 3}});
        p.Redibujar();
        std::vector<Vista> vistas;
        m.persona.coloracion = [&](BotonesColoracion& v) {
            auto ahora = [&] { return Vista(p.Area().Imagen().copy(), v.Texto().toHtml()); };
            while (!v.Cerrado()) {
                vistas.push_back(ahora());
                if (volver && v.Paso() > 5) {
                    while (v.Pasos().HayAnterior()) {
                        v.Pasos().Anterior();
                        EXPECT_TRUE(ahora() == vistas[v.Pasos().Mostrado() - 1]) << v.Pasos().Mostrado();
                    }
                    v.Continuar(); // back to the newest step only
                    EXPECT_TRUE(!v.Cerrado() && ahora() == vistas.back());
                }
                v.Continuar();
            }
        };
        p.EjecutarAlgoritmo(QStringLiteral("Coloración Brelaz"));
        return std::pair(p.Area().Imagen().copy(), p.text_peq().toHtml());
    };
    EXPECT_TRUE(colorear(true) == colorear(false));
}

} // namespace
