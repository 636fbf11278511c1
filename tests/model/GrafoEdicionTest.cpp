// Editing a graph as a user does: refused edits' messages and the commands each edit switches.
#include "support/EntornoPrueba.h"

namespace {

MensajeVisto Error(const QString& texto)
{
    return {texto, "ERROR", Icono::Critico, Botones::Aceptar};
}

struct GrafoEdicion : ::testing::Test {
    EntornoPrueba mundo;
    Grafo g{mundo.Entorno()};
};

TEST_F(GrafoEdicion, BorrarUnVerticeRenumeraLosSiguientes)
{
    mundo.Construir(g, "Digrafo", 4, {{1, 2}, {3, 4}, {4, 1}, {2, 3}});
    const Grafo antes = g;
    // A mark follows its arc to the new numbers; one left on an arc that is not there goes.
    mundo.seleccion.AristaBajoCursor = CodigoArista(4, 1);
    mundo.seleccion.AristaAnterior = CodigoArista(1, 4);
    g.EliminarVertice(2, true);
    EXPECT_EQ(ArcosDe(g), (Aristas{{2, 3, 1}, {3, 1, 1}})) << "3 -> 4 y 4 -> 1";
    EXPECT_EQ(std::pair(mundo.seleccion.AristaBajoCursor, mundo.seleccion.AristaAnterior),
              std::pair(CodigoArista(3, 1), std::int16_t{0}));
    EXPECT_EQ(std::pair(g.Posic_CoordX(3), g.Posic_CoordY(3)), std::pair(antes.Posic_CoordX(4), antes.Posic_CoordY(4)));
    // Edges that are not there (a stale mark, a vertex beyond n) change nothing.
    const Grafo tras = g;
    g.EliminarArista(CodigoArista(1, 2));
    g.EliminarArista(CodigoArista(3, 4));
    g.RecuperarArista(CodigoArista(2, 3), 5);
    g.RecuperarArista(CodigoArista(1, 4), 1);
    EXPECT_TRUE(g == tras);
}

// Added, deleted and recovered edges and vertices switch the commands: Añadir Arista is off while the graph
// is complete or has one vertex, Cambiar Peso on while a weighted graph has an edge.
TEST(GrafoComandos, SiguenAlTipoALosVerticesYALasAristas)
{
    for (int tipo = 0; tipo < 4; ++tipo) {
        SCOPED_TRACE(NombreTipo(tipo).toStdString());
        EntornoPrueba w;
        Grafo g(w.Entorno());
        const auto On = [&](const QString& control) { return w.comandos.Habilitado(control); };
        w.Construir(g, NombreTipo(tipo), 1);
        EXPECT_EQ(On(Control::Estadísticas), !g.Dirigido());
        w.Construir(g, NombreTipo(tipo), 2, {{1, 2, 40}, {1, 3, 50}});
        EXPECT_TRUE(w.AñadirAristaActiva() && w.IdentificarActivo());
        EXPECT_EQ(w.CambiarPesoActivo(), g.Ponderado());
        EXPECT_EQ(On(Control::Arbol_Busqueda), !g.Dirigido());
        w.interaccion.pesos = {std::int16_t{60}};
        ASSERT_EQ(g.AñadirArista(2, 3), 0);
        EXPECT_EQ(w.AñadirAristaActiva(), g.Dirigido());
        g.EliminarArista(CodigoArista(2, 3));
        g.EliminarArista(CodigoArista(1, 3));
        EXPECT_TRUE(w.AñadirAristaActiva());
        g.EliminarArista(CodigoArista(1, 2));
        EXPECT_FALSE(w.CambiarPesoActivo());
        g.RecuperarArista(CodigoArista(1, 2), 1);
        EXPECT_EQ(w.CambiarPesoActivo(), g.Ponderado());
        g.EliminarVertice(3, true);
        g.EliminarVertice(1, true);
        EXPECT_FALSE(w.AñadirAristaActiva() || w.IdentificarActivo() || On(Control::Arbol_Busqueda));
        EXPECT_TRUE(On(Control::Matriz_adyacencia) && On(Control::Boton_imprimir));
        g.EliminarVertice(1, true);
        EXPECT_FALSE(On(Control::Matriz_adyacencia) || On(Control::Boton_imprimir));
        EXPECT_GE(w.redibujados, 3);
    }
}

TEST_F(GrafoEdicion, LazosAristasRepetidasYVerticeCincuentayUnoSeRechazan_ElArcoContrarioNo)
{
    mundo.Construir(g, "Simple", 3, {{1, 2}});
    const Grafo antes = g;
    EXPECT_EQ((std::pair<int, int>{g.AñadirArista(2, 2), g.AñadirArista(2, 1)}), std::pair(1, 1));
    EXPECT_EQ(mundo.interaccion.mensajes,
              (std::vector{Error("No se pueden añadir aristas con el mismo vértice origen y destino."),
                           Error("Ya existe arista entre el vértice 2 y el vértice 1.")}));
    EXPECT_TRUE(g == antes);

    EntornoPrueba w;
    Grafo d(w.Entorno());
    w.Construir(d, "Digrafo", 2, {{1, 2}});
    EXPECT_EQ((std::pair<int, int>(d.AñadirArista(2, 1), d.AñadirArista(1, 2))), std::pair(0, 1));
    EXPECT_EQ(w.interaccion.mensajes, std::vector{Error("Ya existe arista entre el vértice 1 y el vértice 2.")});
    w.Construir(d, "Digrafo", 48);
    const Grafo cincuenta = d;
    EXPECT_EQ(d.AñadirVertice(300, 300), 1) << "el vértice cincuenta es el último";
    EXPECT_EQ(w.interaccion.UltimoTexto(), QString("Demasiados vértices; no se permiten más de 50."));
    EXPECT_TRUE(d == cincuenta);
}

TEST_F(GrafoEdicion, PesoPreguntadoAceptadoOCancelado)
{
    mundo.Construir(g, "Ponderado", 3);
    mundo.seleccion.VerticeSeleccionado = 2;
    mundo.interaccion.pesos = {std::nullopt, std::int16_t{-37}};
    EXPECT_EQ(g.AñadirArista(1, 2), 1) << "cancelar no añade arista";
    EXPECT_TRUE(g.numero_aristas() == 0 && mundo.seleccion.VerticeSeleccionado == 0);
    EXPECT_EQ(g.AñadirArista(3, 1), 0);
    EXPECT_EQ(ArcosDe(g), (Aristas{{1, 3, -37}}));
    EXPECT_EQ(mundo.interaccion.dialogosPeso, 2);
}

// Identifying u with w (a path, u's weight kept, arcs, arc weights summed, no loops): the matrix left, the
// commands, the undo record, and the undo giving back the very same graph.
TEST(Identificar, FusionaEnUYSeDeshaceIdentico)
{
    struct Caso {
        const char* tipo;
        int n;
        Aristas aristas;
        Aristas despues; // after merging 2 into 1 (3 into 1 in the path)
    };
    for (const Caso& c :
         {Caso{"Simple", 4, {{1, 2}, {2, 3}, {3, 4}}, {{1, 2, 1}, {1, 3, 1}}},
          Caso{"Ponderado", 3, {{1, 3, 7}, {2, 3, 9}}, {{1, 2, 7}}},
          // an edge only w has comes to u with its weight
          Caso{"Ponderado", 4, {{2, 3, 9}, {1, 4, 5}}, {{1, 2, 9}, {1, 3, 5}}},
          Caso{"Digrafo", 3, {{1, 3}, {2, 3}, {3, 2}}, {{1, 2, 1}, {2, 1, 1}}},
          Caso{"Digrafo_Ponderado", 3, {{1, 3, 4}, {2, 3, 6}}, {{1, 2, 10}}}, Caso{"Ponderado", 2, {{1, 2, 5}}, {}},
          Caso{"Digrafo_Ponderado", 2, {{1, 2, 5}, {2, 1, 8}}, {}}}) {
        SCOPED_TRACE(std::string(c.tipo) + " " + std::to_string(c.n));
        EntornoPrueba mundo;
        Grafo g(mundo.Entorno());
        mundo.Construir(g, c.tipo, c.n, c.aristas);
        const Grafo antes = g;
        const int w = c.n == 4 ? 3 : 2;
        g.IdentificarVert(1, w, true);
        EXPECT_EQ(ArcosDe(g), c.despues);
        EXPECT_EQ(mundo.identificaciones, (std::vector<std::pair<int, int>>{{1, w}}));
        EXPECT_TRUE(mundo.comandos.Habilitado(Control::Deshacer));
        EXPECT_EQ(mundo.IdentificarActivo(), g.dimen() >= 2);
        EXPECT_EQ(mundo.CambiarPesoActivo(), g.Ponderado() && g.numero_aristas() > 0);
        EXPECT_EQ(mundo.AñadirAristaActiva(), g.numero_aristas() != g.MaxNumAristas());
        g.RecuperarIdentificados(1, w, antes.Posic_CoordX(w), antes.Posic_CoordY(w));
        EXPECT_TRUE(g == antes);
    }
}

} // namespace
