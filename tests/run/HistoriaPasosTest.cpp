// Going back through a run's steps on the real work area: every earlier step
// shows again the picture and the formatted trace it first showed, and a run
// that went back ends exactly as one that never did.
#include <QImage>

#include "algorithms/Coloracion.h"
#include "run/BotonesInterrupcion.h"
#include "support/MundoEjecucion.h"

namespace {

// What a step window showed: the work area's picture and its copy of the trace.
struct Vista {
    QImage dibujo;
    QString texto;
    bool operator==(const Vista&) const = default;
};

// The person looks at every step once; at pause `volverEn` goes back two
// steps and forward one, then leaves the window with `salida` (Continuar,
// Fin or Escape), as at every other pause.
struct PersonaQueVuelve : PersonaEjecucion {
    Principal* p = nullptr;
    int volverEn = 0;
    void (BotonesInterrupcion::*salida)() = &BotonesInterrupcion::Continuar;
    std::vector<Vista> vistas; // as first shown, by step

    Vista Vistazo(BotonesInterrupcion& v) { return {p->Area().Imagen().copy(), v.Texto().toHtml()}; }
    void Mostrar(ModeloDialogo& dialogo) override
    {
        if (!SegunDialogo(dialogo, [&](BotonesInterrupcion& v) { Pausa(v); }))
            PersonaEjecucion::Mostrar(dialogo);
    }
    void Pausa(BotonesInterrupcion& v)
    {
        vistas.push_back(Vistazo(v));
        const int k = static_cast<int>(vistas.size());
        if (k == volverEn) {
            PasoMostrado& pasos = *v.Pasos();
            auto visto = [&](int paso) {
                EXPECT_EQ(pasos.Etiqueta(), QStringLiteral("Paso %1 de %2").arg(paso).arg(k));
                EXPECT_TRUE(Vistazo(v) == vistas[paso - 1]) << "paso " << paso;
            };
            pasos.Anterior();
            pasos.Anterior();
            visto(k - 2);
            pasos.Siguiente();
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
    }
};

struct Final {
    QImage dibujo;
    QString traza;
    std::vector<Vista> vistas;
};

Final Kruskal(int volverEn, void (BotonesInterrupcion::*salida)())
{
    MundoCon<PersonaQueVuelve> m;
    PersonaQueVuelve& persona = m.persona;
    Principal& p = m.p;
    persona.p = &p;
    persona.volverEn = volverEn;
    persona.salida = salida;
    m.Poner(1, 6, {{1, 2, 4}, {2, 3, 1}, {3, 4, 7}, {4, 5, 2}, {5, 6, 5}, {6, 1, 3}, {1, 4, 6}, {2, 5, 8}, {3, 6, 2}});
    p.Redibujar();
    p.EjecutarAlgoritmo(QStringLiteral("Kruskal"));
    return {p.Area().Imagen().copy(), p.text_peq().toHtml(), persona.vistas};
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
        PersonaEjecucion& persona = m.persona;
        Principal& p = m.p;
        m.Poner(0, 5, {{1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 1}, {1, 3}});
        p.Redibujar();
        std::vector<Vista> vistas;
        persona.coloracion = [&](BotonesColoracion& v) {
            auto ahora = [&] { return Vista{p.Area().Imagen().copy(), v.Texto().toHtml()}; };
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
