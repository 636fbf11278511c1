// The handout of a run's steps: a page per step, in order, with the picture and the trace that step showed,
// from the step window or the end prompt; a file that cannot be replaced keeps its bytes.
#include <sys/stat.h>

#include <QPicture>

#include "drawing/LienzoImagen.h"
#include "run/BotonesInterrupcion.h"
#include "support/CarpetaPrueba.h"
#include "support/EjecucionPrueba.h"
#include "support/MundoPrincipal.h"
#include "ui/FolletoPasos.h"

namespace {

// The shapes of a picture as a page records them.
QByteArray Figuras(const QPicture& figuras)
{
    return {figuras.data(), qsizetype(figuras.size())};
}

struct FolletoKruskal : ::testing::Test, CarpetaPrueba {
    MundoCon<PersonaEjecucion> m;
    Principal& p = m.p;
    std::vector<QByteArray> vistas; // at every pause, the shapes the work area holds, drawn in vectors

    // Kruskal on six weighted vertices, step by step, left at its end prompt.
    void SetUp() override
    {
        m.persona.alPausar = [this](BotonesInterrupcion&) {
            LienzoMemoria& area = p.Area().Memoria();
            QPicture figuras;
            {
                QPainter pintor(&figuras);
                LienzoImagen lienzo(pintor, QSize(area.Ancho(), area.Alto()));
                area.Repetir(lienzo);
            }
            vistas.push_back(Figuras(figuras));
        };
        m.Poner(1, 6,
                {{1, 2, 4}, {2, 3, 1}, {3, 4, 7}, {4, 5, 2}, {5, 6, 5}, {6, 1, 3}, {1, 4, 6}, {2, 5, 8}, {3, 6, 2}});
        p.Redibujar();
        p.EjecutarAlgoritmo(QStringLiteral("Kruskal"));
        ASSERT_EQ(m.persona.pausas.size(), 5u);
    }
};

TEST_F(FolletoKruskal, UnaPaginaPorPasoConSuDibujoYSuTraza)
{
    const QImage final = p.Area().Imagen().copy();
    ImpresoraGrabadora impresora;
    ASSERT_TRUE(FolletoPasos(p, p.Marco().Historia(), "Algoritmo de Kruskal").Imprimir(impresora));
    const QStringList& llamadas = impresora.llamadas;
    ASSERT_EQ(llamadas.size(), 3 * 5 + 1);
    for (int k = 1; k <= 5; ++k) {
        SCOPED_TRACE(k);
        EXPECT_TRUE(llamadas[3 * k - 3].startsWith("figuras "));
        EXPECT_EQ(Figuras(impresora.figuras[k - 1]), vistas[k - 1]);
        EXPECT_NE(vistas[k - 1], vistas[k % 5]) << "every step draws something new";
        EXPECT_EQ(llamadas[3 * k - 2], QStringLiteral("cabecera Algoritmo de Kruskal — paso %1 de 5").arg(k));
        EXPECT_EQ(llamadas[3 * k - 1], "texto en la página " + m.persona.pausas[k - 1]);
    }
    EXPECT_EQ(llamadas.back(), "fin");
    EXPECT_TRUE(p.Area().Imagen() == final) << "the end's picture is back";

    // A printer that refuses a call stops the pages there.
    ImpresoraGrabadora falla;
    falla.fallarDesde = 4;
    EXPECT_FALSE(FolletoPasos(p, p.Marco().Historia(), "Algoritmo de Kruskal").Imprimir(falla));
    EXPECT_EQ(falla.llamadas.size(), 5);
    EXPECT_TRUE(p.Area().Imagen() == final);
}

// At the end prompt the handout is saved where the person says, proposed beside the graph's file, until
// Aceptar forgets the steps; a read-only file keeps its bytes and the person is told why.
TEST_F(FolletoKruskal, AlFinalSeGuardaHastaAceptar)
{
    p.Doc().NombreArchivo = "/clase/tema 3/arbol.grf";
    ASSERT_TRUE(p.Vista().folletoVisible);
    const QString bueno = Ruta("kruskal.pdf"), soloLectura = Fichero("viejo.pdf", "viejo");
    ASSERT_EQ(::chmod(QFile::encodeName(soloLectura).constData(), 0444), 0);
    m.persona.nombresGuardar = {bueno, soloLectura};
    p.GuardarPasosPdf();
    EXPECT_EQ(m.persona.nombrePropuesto, "/clase/tema 3/arbol-pasos.pdf");
    EXPECT_TRUE(Contenido("kruskal.pdf").startsWith("%PDF") && m.persona.mensajes.empty());
    EXPECT_EQ(Contenido("kruskal.pdf").count("/Type /Page\n"), 5);
    p.GuardarPasosPdf();
    EXPECT_EQ(Contenido("viejo.pdf"), "viejo");
    EXPECT_TRUE(m.persona.UltimoTexto().startsWith("No se ha podido escribir el fichero " + soloLectura + ": "));

    p.Aceptar_Click();
    EXPECT_TRUE(!p.Vista().folletoVisible && p.Marco().Historia().Pasos() == 0);
}

// The colouring's own window keeps its steps apart; they become the run's when it closes, for the end prompt.
TEST(FolletoColoracion, LosPasosDeLaVentanaPasanALaEjecucion)
{
    MundoCon<PersonaEjecucion> m;
    m.Poner(0, 5, {{1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 1}, {1, 3}});
    int vistos = 0;
    m.persona.coloracion = [&](BotonesColoracion& v) {
        for (; !v.Cerrado(); v.Continuar())
            vistos = v.Pasos().Mostrado();
    };
    m.p.EjecutarAlgoritmo(QStringLiteral("Coloración Brelaz"));
    EXPECT_TRUE(vistos > 1 && m.p.Marco().Historia().Pasos() == vistos && m.p.Vista().folletoVisible);
}

} // namespace
