// Editing on the work area with the mouse, through the main window's logic:
// adding, selecting, dragging, deleting, reweighting and undoing.
#include <gtest/gtest.h>

#include "support/MundoPrincipal.h"

namespace {

struct EdicionRatonPrueba : ::testing::Test, MundoPrincipal {
    bool Pulsado(const char* boton) const
    {
        return p.Comandos().Pulsado(EstadoComandos::Boton("Toolbar1", boton));
    }
    std::pair<int, int> En(int v) const { return {p.grafo().Posic_CoordX(v), p.grafo().Posic_CoordY(v)}; }
};

TEST_F(EdicionRatonPrueba, AñadirVerticeRespetaDistanciaYBorde)
{
    Empezar(TipoGrafo::Simple, {{1000, 1000}});
    ASSERT_EQ(p.grafo().dimen(), 1);
    EXPECT_FALSE(Pulsado("añadir_vert"));
    Habilitados(true, {"Archivo", "Deshacer"}); // the mode ends and the window unlocks

    p.Ejecutar("Añadir_Vertice");
    Habilitados(false, {"Archivo", "Toolbar1"});
    p.Edicion().MouseDown(1, 1190, 1190);
    EXPECT_EQ(p.grafo().dimen(), 1) << "a 269 de otro vértice";
    p.Edicion().MouseDown(1, 149, 3000);
    EXPECT_EQ(p.grafo().dimen(), 1) << "a 149 del borde";
    EXPECT_TRUE(Pulsado("añadir_vert"));
    p.Edicion().MouseDown(1, 1200, 1200);
    EXPECT_EQ(p.grafo().dimen(), 2);
    Vertice(150, 3000);
    EXPECT_EQ(p.grafo().dimen(), 3);
    EXPECT_EQ(p.grafo().Posic_CoordX(3), 150);
}

TEST_F(EdicionRatonPrueba, PasarPorEncimaMarcaVerticesYAristas)
{
    Empezar(TipoGrafo::Simple, {{1000, 1000}, {1000, 3000}});
    Arista(1, 2);
    // Near an end of the edge the vertex wins.
    const std::tuple<int, int, int, int> puntos[] = {
        {1109, 1000, 1, 0}, {1110, 1000, 0, 0}, {1069, 2000, 0, 102}, {1070, 2000, 0, 0}, {1000, 1054, 1, 0}};
    for (auto [x, y, v, a] : puntos) {
        p.Edicion().MouseMove(0, x, y);
        const Seleccion& s = p.Marcas();
        EXPECT_EQ(std::pair(int(s.VerticeBajoCursor), int(s.AristaBajoCursor)), std::pair(v, a))
            << x << "," << y;
    }
    EXPECT_EQ(p.Vista().coordX + p.Vista().coordY, QString("1000 1054 "));
}

TEST_F(EdicionRatonPrueba, BorrarElVerticeTresDeCincoYDeshacer)
{
    Empezar(TipoGrafo::Simple, {{800, 1800}, {1600, 1500}, {2400, 1800}, {3200, 1500}, {4000, 1800}});
    Arista(1, 3);
    Arista(3, 5);
    Arista(2, 4);
    const Grafo antes = p.grafo();
    Clic(2400, 1800);
    ASSERT_EQ(p.Marcas().VerticeSeleccionado, 3);
    EXPECT_TRUE(Habilitado("Eliminar"));
    EXPECT_EQ(p.Comandos().Imagen(EstadoComandos::Boton("Toolbar1", "eliminar")), 21);
    p.Ejecutar("Eliminar");
    EXPECT_EQ(p.grafo().dimen(), 4);
    EXPECT_EQ(p.grafo().numero_aristas(), 1);
    EXPECT_FALSE(Habilitado("Eliminar"));
    EXPECT_TRUE(p.Doc().GrafoModificado);
    p.Ejecutar("Deshacer");
    EXPECT_TRUE(p.grafo() == antes);
    EXPECT_FALSE(Habilitado("Deshacer"));
}

TEST_F(EdicionRatonPrueba, CambiarPesoEnDigrafoPonderadoYDeshacerSoloEseArco)
{
    Empezar(TipoGrafo::Digrafo_Ponderado, {{1000, 1000}, {3000, 1000}});
    p.Ejecutar("Cambiar_peso");
    ASSERT_EQ(persona.mensajes.size(), 1u) << "sin arista seleccionada se avisa";
    EXPECT_EQ(persona.mensajes[0].texto, QString("Ha de seleccionar una arista si desea cambiar su peso."));
    EXPECT_EQ(persona.mensajes[0].titulo, QString("Nodeva"));
    EXPECT_EQ(persona.mensajes[0].icono, Icono::Exclamacion);
    persona.pesos = {std::int16_t{15}, std::int16_t{20}, std::int16_t{99}};
    Arista(1, 2);
    Arista(2, 1);
    p.Edicion().MouseMove(0, 1500, 1020);
    EXPECT_EQ(p.Marcas().AristaBajoCursor, 201) << "de dos arcos opuestos, el de cabeza más cercana";
    p.Edicion().MouseMove(0, 2500, 1020);
    Clic(2500, 1020);
    ASSERT_EQ(p.Marcas().AristaSeleccionada, 102);
    p.Ejecutar("Cambiar_peso");
    EXPECT_EQ(p.grafo().elem_matriz(1, 2), 99);
    ASSERT_TRUE(Habilitado("Deshacer"));
    p.Ejecutar("Deshacer");
    EXPECT_EQ(p.grafo().elem_matriz(1, 2), 15);
    EXPECT_EQ(p.grafo().elem_matriz(2, 1), 20);
}

TEST_F(EdicionRatonPrueba, ArrastrarSoltarSobreOtroVerticeYRechazarUnaArista)
{
    Empezar(TipoGrafo::Simple, {{1000, 1000}, {3000, 1000}});
    Arrastrar(1000, 1000, 3100, 1050);
    EXPECT_EQ(En(1), (std::pair{1000, 1000}));
    EXPECT_FALSE(Habilitado("Deshacer"));
    Arrastrar(1000, 1000, 2000, 2500);
    EXPECT_EQ(En(1), (std::pair{2000, 2500}));
    EXPECT_FALSE(p.Marcas().Moviendo);
    ASSERT_TRUE(Habilitado("Deshacer"));
    p.Ejecutar("Deshacer");
    EXPECT_EQ(En(1), (std::pair{1000, 1000}));

    Arista(1, 2);
    Arista(2, 1);
    EXPECT_EQ(persona.mensajes,
              std::vector<MensajeVisto>({{"Ya existe arista entre el vértice 2 y el vértice 1.", "ERROR",
                                          Icono::Critico, Botones::Aceptar}}));
    EXPECT_FALSE(Pulsado("añadir_arista")) << "la arista rechazada termina el modo igualmente";
    EXPECT_TRUE(Habilitado("Archivo"));
    EXPECT_EQ(p.grafo().numero_aristas(), 1);
    EXPECT_FALSE(Habilitado(Control::Añadir_Arista)) << "el grafo ya es completo";
}

} // namespace
