// Editing on the work area with the mouse, through the main window's logic:
// adding, selecting, dragging, deleting, reweighting and undoing.
#include <gtest/gtest.h>

#include "support/MundoPrincipal.h"

namespace {

struct EdicionRatonPrueba : ::testing::Test, MundoPrincipal {};

TEST_F(EdicionRatonPrueba, AñadirVerticeRespetaDistanciaYBorde)
{
    Empezar(TipoGrafo::Simple);
    Vertice(1000, 1000);
    ASSERT_EQ(p.grafo().dimen(), 1);
    EXPECT_FALSE(p.Comandos().Pulsado(EstadoComandos::Boton("Toolbar1", "añadir_vert")));
    EXPECT_TRUE(Habilitado("Archivo")) << "el modo termina y la ventana se desbloquea";
    EXPECT_TRUE(Habilitado("Deshacer"));

    p.Ejecutar("Añadir_Vertice");
    EXPECT_FALSE(Habilitado("Archivo")) << "el modo bloquea los menús";
    EXPECT_FALSE(Habilitado("Toolbar1"));
    p.Edicion().MouseDown(1, 1190, 1190);
    EXPECT_EQ(p.grafo().dimen(), 1) << "a 269 de otro vértice";
    p.Edicion().MouseDown(1, 149, 3000);
    EXPECT_EQ(p.grafo().dimen(), 1) << "a 149 del borde";
    EXPECT_TRUE(p.Comandos().Pulsado(EstadoComandos::Boton("Toolbar1", "añadir_vert")));
    p.Edicion().MouseDown(1, 1200, 1200);
    EXPECT_EQ(p.grafo().dimen(), 2);
    p.Ejecutar("Añadir_Vertice");
    p.Edicion().MouseDown(1, 150, 3000);
    EXPECT_EQ(p.grafo().dimen(), 3);
    EXPECT_EQ(p.grafo().Posic_CoordX(3), 150);
}

TEST_F(EdicionRatonPrueba, PasarPorEncimaMarcaVerticesYAristas)
{
    Empezar(TipoGrafo::Simple);
    Vertice(1000, 1000);
    Vertice(1000, 3000);
    Arista(1, 2);
    Seleccion& s = p.Marcas();
    p.Edicion().MouseMove(0, 1109, 1000);
    EXPECT_EQ(s.VerticeBajoCursor, 1);
    p.Edicion().MouseMove(0, 1110, 1000);
    EXPECT_EQ(s.VerticeBajoCursor, 0);
    p.Edicion().MouseMove(0, 1069, 2000);
    EXPECT_EQ(s.AristaBajoCursor, 102);
    p.Edicion().MouseMove(0, 1070, 2000);
    EXPECT_EQ(s.AristaBajoCursor, 0);
    p.Edicion().MouseMove(0, 1000, 1054);
    EXPECT_EQ(s.AristaBajoCursor, 0) << "cerca del extremo manda el vértice";
    EXPECT_EQ(p.Vista().coordX, QString("1000 "));
    EXPECT_EQ(p.Vista().coordY, QString("1054 "));
}

TEST_F(EdicionRatonPrueba, ArcosOpuestosSeDistinguenPorLaCabezaMasCercana)
{
    Empezar(TipoGrafo::Digrafo);
    Vertice(1000, 1000);
    Vertice(3000, 1000);
    Arista(1, 2);
    Arista(2, 1);
    EXPECT_EQ(p.grafo().numero_aristas(), 2);
    p.Edicion().MouseMove(0, 1500, 1020);
    EXPECT_EQ(p.Marcas().AristaBajoCursor, 201);
}

TEST_F(EdicionRatonPrueba, BorrarElVerticeTresDeCincoYDeshacer)
{
    Empezar(TipoGrafo::Simple);
    for (int i = 1; i <= 5; ++i)
        Vertice(800.0 * i, 1500 + 300 * (i % 2));
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
    Empezar(TipoGrafo::Digrafo_Ponderado);
    Vertice(1000, 1000);
    Vertice(3000, 1000);
    persona.pesos = {std::int16_t{15}, std::int16_t{20}};
    Arista(1, 2);
    Arista(2, 1);
    p.Edicion().MouseMove(0, 2500, 1020);
    Clic(2500, 1020);
    ASSERT_EQ(p.Marcas().AristaSeleccionada, 102);
    persona.pesos = {std::int16_t{99}};
    p.Ejecutar("Cambiar_peso");
    EXPECT_EQ(p.grafo().elem_matriz(1, 2), 99);
    EXPECT_TRUE(Habilitado("Deshacer"));
    p.Ejecutar("Deshacer");
    EXPECT_EQ(p.grafo().elem_matriz(1, 2), 15);
    EXPECT_EQ(p.grafo().elem_matriz(2, 1), 20);
}

TEST_F(EdicionRatonPrueba, CambiarPesoSinAristaSeleccionadaAvisa)
{
    Empezar(TipoGrafo::Ponderado);
    Vertice(1000, 1000);
    p.Ejecutar("Cambiar_peso");
    ASSERT_EQ(persona.mensajes.size(), 1u);
    EXPECT_EQ(persona.mensajes[0].texto, QString("Ha de seleccionar una arista si desea cambiar su peso."));
    EXPECT_EQ(persona.mensajes[0].titulo, QString("Nodeva"));
    EXPECT_EQ(persona.mensajes[0].icono, Icono::Exclamacion);
}

TEST_F(EdicionRatonPrueba, ArrastrarMueveYSeDeshace)
{
    Empezar(TipoGrafo::Simple);
    Vertice(1000, 1000);
    Vertice(3000, 1000);
    Arrastrar(1000, 1000, 2000, 2500);
    EXPECT_EQ(p.grafo().Posic_CoordX(1), 2000);
    EXPECT_EQ(p.grafo().Posic_CoordY(1), 2500);
    EXPECT_FALSE(p.Marcas().Moviendo);
    ASSERT_TRUE(Habilitado("Deshacer"));
    p.Ejecutar("Deshacer");
    EXPECT_EQ(p.grafo().Posic_CoordX(1), 1000);
    EXPECT_EQ(p.grafo().Posic_CoordY(1), 1000);
}

TEST_F(EdicionRatonPrueba, SoltarSobreOtroVerticeDevuelveAlSitio)
{
    Empezar(TipoGrafo::Simple);
    Vertice(1000, 1000);
    Vertice(3000, 1000);
    Arrastrar(1000, 1000, 3100, 1050);
    EXPECT_EQ(p.grafo().Posic_CoordX(1), 1000);
    EXPECT_EQ(p.grafo().Posic_CoordY(1), 1000);
    EXPECT_FALSE(Habilitado("Deshacer"));
}

TEST_F(EdicionRatonPrueba, AristaRechazadaTerminaElModoIgualmente)
{
    Empezar(TipoGrafo::Simple);
    Vertice(1000, 1000);
    Vertice(3000, 1000);
    Arista(1, 2);
    Arista(2, 1);
    ASSERT_EQ(persona.mensajes.size(), 1u);
    EXPECT_EQ(persona.UltimoTexto(), QString("Ya existe arista entre el vértice 2 y el vértice 1."));
    EXPECT_FALSE(p.Comandos().Pulsado(EstadoComandos::Boton("Toolbar1", "añadir_arista")));
    EXPECT_TRUE(Habilitado("Archivo"));
    EXPECT_EQ(p.grafo().numero_aristas(), 1);
    EXPECT_FALSE(Habilitado(Control::Añadir_Arista)) << "el grafo ya es completo";
}

} // namespace
