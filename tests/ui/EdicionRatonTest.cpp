// Editing on the work area with the mouse, through the main window's logic: adding, selecting, dragging,
// deleting, reweighting and undoing.
#include "support/EntornoPrueba.h"
#include "support/MundoPrincipal.h"

namespace {

struct EdicionRatonPrueba : ::testing::Test, MundoPrincipal {
    bool Pulsado(const char* boton) const { return p.Comandos().Pulsado(EstadoComandos::Boton("Toolbar1", boton)); }
    std::pair<int, int> En(int v) const { return {p.grafo().Posic_CoordX(v), p.grafo().Posic_CoordY(v)}; }
    // Whether anything on the work area's picture shows the hover red.
    bool HayRojo()
    {
        const QImage imagen = p.Area().Imagen().convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < imagen.height(); ++y)
            for (int x = 0; x < imagen.width(); ++x)
                if (const QColor c = imagen.pixelColor(x, y); c.red() - c.green() > 60 && c.red() - c.blue() > 60)
                    return true;
        return false;
    }
};

TEST_F(EdicionRatonPrueba, AñadirVerticeRespetaDistanciaYBorde)
{
    Empezar(TipoGrafo::Simple, {{1000, 1000}});
    EXPECT_FALSE(Pulsado("añadir_vert"));
    Habilitados(true, {"Archivo", "Deshacer"}); // the mode ends and the window unlocks

    p.Ejecutar("Añadir_Vertice");
    Habilitados(false, {"Archivo", "Toolbar1"});
    p.Edicion().MouseDown(1, 1190, 1190);
    EXPECT_TRUE(p.grafo().dimen() == 1 && Pulsado("añadir_vert")) << "a 269 de otro vértice";
    p.Edicion().MouseDown(1, 1200, 1200);
    EXPECT_EQ(En(2), (std::pair{1200, 1200}));
}

TEST_F(EdicionRatonPrueba, BorrarElVerticeTresDeCincoYDeshacer)
{
    Empezar(TipoGrafo::Simple, {{800, 1800}, {1600, 1500}, {2400, 1800}, {3200, 1500}, {4000, 1800}});
    for (auto [a, b] : {std::pair{1, 3}, {3, 5}, {2, 4}})
        Arista(a, b);
    const Grafo antes = p.grafo();
    Clic(2400, 1800);
    ASSERT_EQ(p.Marcas().VerticeSeleccionado, 3);
    EXPECT_EQ(p.Vista().coordX + p.Vista().coordY, QString("2400 1800 "));
    EXPECT_EQ(p.Comandos().Imagen(EstadoComandos::Boton("Toolbar1", "eliminar")), 21);
    p.Ejecutar("Eliminar");
    EXPECT_EQ((std::pair<int, int>(p.grafo().dimen(), p.grafo().numero_aristas())), std::pair(4, 1));
    EXPECT_TRUE(!Habilitado("Eliminar") && p.Doc().GrafoModificado);
    p.Ejecutar("Deshacer");
    EXPECT_TRUE(p.grafo() == antes && !Habilitado("Deshacer"));
}

TEST_F(EdicionRatonPrueba, CambiarPesoEnDigrafoPonderadoYDeshacerSoloEseArco)
{
    Empezar(TipoGrafo::Digrafo_Ponderado, {{1000, 1000}, {3000, 1000}});
    p.Ejecutar("Cambiar_peso");
    EXPECT_EQ(persona.UltimoTexto(), QString("Ha de seleccionar una arista si desea cambiar su peso."));
    persona.pesos = {std::int16_t{15}, std::int16_t{20}, std::int16_t{99}};
    Arista(1, 2);
    Arista(2, 1);
    Clic(2500, 1020);
    ASSERT_EQ(p.Marcas().AristaSeleccionada, 102);
    p.Ejecutar("Cambiar_peso");
    ASSERT_TRUE(p.grafo().elem_matriz(1, 2) == 99 && Habilitado("Deshacer"));
    p.Ejecutar("Deshacer");
    EXPECT_EQ(ArcosDe(p.grafo()), (Aristas{{1, 2, 15}, {2, 1, 20}}));
}

TEST_F(EdicionRatonPrueba, ArrastrarSoltarSobreOtroVerticeYRechazarUnaArista)
{
    Empezar(TipoGrafo::Simple, {{1000, 1000}, {3000, 1000}});
    Arrastrar(1000, 1000, 3100, 1050);
    EXPECT_TRUE(En(1) == std::pair(1000, 1000) && !Habilitado("Deshacer"));
    Arrastrar(1000, 1000, 2000, 2500);
    EXPECT_EQ(En(1), (std::pair{2000, 2500}));
    ASSERT_TRUE(Habilitado("Deshacer") && !p.Marcas().Moviendo);
    p.Ejecutar("Deshacer");
    EXPECT_EQ(En(1), (std::pair{1000, 1000}));

    Arista(1, 2);
    Arista(2, 1);
    EXPECT_EQ(persona.UltimoTexto(), QString("Ya existe arista entre el vértice 2 y el vértice 1."));
    EXPECT_TRUE(!Pulsado("añadir_arista") && Habilitado("Archivo")) << "la arista rechazada termina el modo";
    EXPECT_FALSE(Habilitado(Control::Añadir_Arista)) << "el grafo ya es completo";
}

// The hover red is on what is under the pointer now: after a deletion renumbers the vertex under a still
// pointer, after the pointer moves off it, and once it leaves the work area.
TEST_F(EdicionRatonPrueba, ElRojoSigueAlPuntero)
{
    Empezar(TipoGrafo::Simple, {{1000, 1000}, {3000, 1000}, {5000, 1000}, {3000, 3000}});
    Arista(1, 4);
    Clic(3000, 1000);
    p.Edicion().MouseMove(0, 5000, 1000);
    p.Ejecutar("Eliminar");
    ASSERT_EQ(p.grafo().dimen(), 3);
    EXPECT_TRUE(HayRojo() && p.Marcas().VerticeBajoCursor == 2) << "el antiguo 3, bajo el puntero";
    p.Edicion().MouseMove(0, 7000, 2600);
    EXPECT_FALSE(HayRojo()) << "en un sitio vacío";
    p.Edicion().MouseMove(0, 2000, 2000);
    EXPECT_TRUE(HayRojo()) << "sobre la arista 1-3";
    p.Edicion().PunteroFuera();
    EXPECT_FALSE(HayRojo()) << "fuera del área";
}

} // namespace
