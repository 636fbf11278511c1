// Editing a graph as a user does: adding, deleting, merging, restoring, with
// the messages of refused edits and the commands each edit switches.
#include <gtest/gtest.h>

#include "model/Controles.h"
#include "support/EntornoPrueba.h"

namespace {

struct GrafoEdicion : ::testing::Test {
    EntornoPrueba mundo;
    Grafo g{mundo.Entorno()};

    void Construir(const QString& tipo, int n, std::initializer_list<std::pair<int, int>> aristas,
                   std::initializer_list<std::int16_t> pesos = {})
    {
        g.InsertarTipo(tipo);
        for (int i = 1; i <= n; ++i)
            ASSERT_EQ(g.AñadirVertice(static_cast<std::int16_t>(400 * i), static_cast<std::int16_t>(300 + 50 * i)), 0);
        auto peso = pesos.begin();
        for (auto [a, b] : aristas) {
            if (g.Ponderado())
                mundo.interaccion.pesos.push_back(peso != pesos.end() ? *peso++ : 1);
            ASSERT_EQ(g.AñadirArista(a, b), 0);
        }
    }
    bool AñadirAristaActivo() const
    {
        return mundo.comandos.Habilitado(Control::Boton_añadir_arista) &&
               mundo.comandos.Habilitado(Control::Añadir_Arista) &&
               mundo.comandos.Imagen(Control::Boton_añadir_arista) == 10;
    }
    bool AñadirAristaInactivo() const
    {
        return !mundo.comandos.Habilitado(Control::Boton_añadir_arista) &&
               !mundo.comandos.Habilitado(Control::Añadir_Arista) &&
               mundo.comandos.Imagen(Control::Boton_añadir_arista) == 14;
    }
    bool PesoActivo() const
    {
        return mundo.comandos.Habilitado(Control::Cambiar_peso) &&
               mundo.comandos.Imagen(Control::Boton_cambiar_peso) == 11;
    }
};

TEST_F(GrafoEdicion, ElVerticeCincuentaEsElUltimo)
{
    for (int i = 0; i < 49; ++i)
        ASSERT_EQ(g.AñadirVertice(100, 100), 0);
    EXPECT_EQ(g.AñadirVertice(200, 200), 0);
    EXPECT_TRUE(mundo.interaccion.mensajes.empty());
    const Grafo antes = g;
    EXPECT_EQ(g.AñadirVertice(300, 300), 1);
    ASSERT_EQ(mundo.interaccion.mensajes.size(), 1u);
    const MensajeVisto& m = mundo.interaccion.mensajes[0];
    EXPECT_EQ(m.texto, QString("Demasiados vértices; no se permiten más de 50."));
    EXPECT_EQ(m.titulo, QString("ERROR"));
    EXPECT_EQ(m.icono, Icono::Critico);
    EXPECT_EQ(m.botones, Botones::Aceptar);
    EXPECT_TRUE(g == antes);
}

TEST_F(GrafoEdicion, AñadirVerticesEnciendeLosComandosQueElGrafoPermite)
{
    g.AñadirVertice(500, 500);
    EXPECT_TRUE(mundo.comandos.Habilitado(Control::Boton_imprimir));
    EXPECT_TRUE(mundo.comandos.Habilitado(Control::Estadísticas));
    g.AñadirVertice(900, 500);
    EXPECT_TRUE(AñadirAristaActivo());
    EXPECT_EQ(mundo.comandos.Imagen(Control::Boton_unir_vert_desact), 12);
    EXPECT_TRUE(mundo.comandos.Habilitado(Control::Arbol_Busqueda));

    EntornoPrueba otro;
    Grafo d(otro.Entorno());
    d.InsertarTipo("Digrafo");
    d.AñadirVertice(500, 500);
    d.AñadirVertice(900, 500);
    EXPECT_FALSE(otro.comandos.Habilitado(Control::Arbol_Busqueda));
    EXPECT_FALSE(otro.comandos.Habilitado(Control::Estadísticas));
}

TEST_F(GrafoEdicion, BorrarUnVerticeRenumeraLosSiguientes)
{
    Construir("Simple", 3, {{1, 2}, {2, 3}});
    const auto x3 = g.Posic_CoordX(3), y3 = g.Posic_CoordY(3);
    g.EliminarVertice(2, true);
    EXPECT_EQ(g.dimen(), 2);
    EXPECT_EQ(g.numero_aristas(), 0);
    EXPECT_EQ(g.Posic_CoordX(2), x3);
    EXPECT_EQ(g.Posic_CoordY(2), y3);
    EXPECT_EQ(g.Posic_CoordX(3), 0);

    EntornoPrueba otro;
    Grafo h(otro.Entorno());
    h.AñadirVertice(100, 100);
    h.AñadirVertice(500, 100);
    h.AñadirVertice(900, 100);
    h.AñadirArista(1, 2);
    h.AñadirArista(2, 3);
    h.EliminarVertice(1, true);
    EXPECT_EQ(h.numero_aristas(), 1);
    EXPECT_NE(h.elem_matriz(1, 2), 0) << "la antigua arista 2-3";
    EXPECT_EQ(h.elem_matriz(2, 3), 0);
}

TEST_F(GrafoEdicion, BorrarElUltimoVerticeApagaMatrizEImprimir)
{
    Construir("Simple", 2, {{1, 2}});
    g.EliminarVertice(1, true);
    EXPECT_TRUE(AñadirAristaInactivo());
    EXPECT_FALSE(mundo.comandos.Habilitado(Control::Ident_vertices));
    EXPECT_FALSE(mundo.comandos.Habilitado(Control::Arbol_Busqueda));
    g.EliminarVertice(1, true);
    EXPECT_EQ(g.dimen(), 0);
    EXPECT_FALSE(mundo.comandos.Habilitado(Control::Matriz_adyacencia));
    EXPECT_FALSE(mundo.comandos.Habilitado(Control::Boton_matriz_adyacencia));
    EXPECT_FALSE(mundo.comandos.Habilitado(Control::Boton_imprimir));
    EXPECT_GE(mundo.redibujados, 2);
}

TEST_F(GrafoEdicion, AristasRechazadasConSuMensaje)
{
    Construir("Simple", 3, {{1, 2}});
    const Grafo antes = g;
    EXPECT_EQ(g.AñadirArista(2, 2), 1);
    EXPECT_EQ(mundo.interaccion.UltimoTexto(),
              QString("No se pueden añadir aristas con el mismo vértice origen y destino."));
    EXPECT_EQ(g.AñadirArista(2, 1), 1);
    EXPECT_EQ(mundo.interaccion.UltimoTexto(), QString("Ya existe arista entre el vértice 2 y el vértice 1."));
    EXPECT_EQ(mundo.interaccion.mensajes.back().titulo, QString("ERROR"));
    EXPECT_TRUE(g == antes);
}

TEST_F(GrafoEdicion, EnUnDigrafoElArcoContrarioEsOtraArista)
{
    Construir("Digrafo", 2, {{1, 2}});
    EXPECT_EQ(g.AñadirArista(2, 1), 0);
    EXPECT_EQ(g.numero_aristas(), 2);
    EXPECT_EQ(g.AñadirArista(1, 2), 1);
    EXPECT_EQ(mundo.interaccion.UltimoTexto(), QString("Ya existe arista entre el vértice 1 y el vértice 2."));
}

TEST_F(GrafoEdicion, PesoPreguntadoAceptadoOCancelado)
{
    Construir("Ponderado", 3, {});
    mundo.seleccion.VerticeSeleccionado = 2;
    mundo.interaccion.pesos.push_back(std::nullopt);
    EXPECT_EQ(g.AñadirArista(1, 2), 1) << "cancelar no añade arista";
    EXPECT_EQ(g.numero_aristas(), 0);
    EXPECT_EQ(g.elem_matriz(1, 2), 0);
    EXPECT_EQ(mundo.seleccion.VerticeSeleccionado, 0);
    EXPECT_EQ(mundo.seleccion.AristaSeleccionada, 0);
    EXPECT_FALSE(PesoActivo());

    mundo.interaccion.pesos.push_back(std::int16_t{-37});
    EXPECT_EQ(g.AñadirArista(3, 1), 0);
    EXPECT_EQ(g.elem_matriz(3, 1), -37);
    EXPECT_EQ(g.elem_matriz(1, 3), -37);
    EXPECT_EQ(mundo.seleccion.AristaSeleccionada, 0);
    EXPECT_TRUE(PesoActivo());
    EXPECT_EQ(mundo.interaccion.dialogosPeso, 2);
}

TEST_F(GrafoEdicion, PesosAleatoriosSinDialogo)
{
    Construir("Digrafo_Ponderado", 3, {});
    mundo.pesosAleatorios = true;
    ASSERT_EQ(g.AñadirArista(1, 2), 0);
    ASSERT_EQ(g.AñadirArista(2, 1), 0);
    EXPECT_EQ(mundo.interaccion.dialogosPeso, 0);
    for (auto [a, b] : {std::pair{1, 2}, std::pair{2, 1}}) {
        EXPECT_GE(g.elem_matriz(a, b), 1);
        EXPECT_LE(g.elem_matriz(a, b), 1000);
    }
    EXPECT_EQ(g.elem_matriz(1, 3), 0);
}

TEST_F(GrafoEdicion, AñadirAristaSeApagaAlCompletarYSeEnciendeAlBorrar)
{
    Construir("Simple", 3, {{1, 2}, {1, 3}});
    EXPECT_TRUE(AñadirAristaActivo());
    ASSERT_EQ(g.AñadirArista(3, 2), 0);
    EXPECT_TRUE(AñadirAristaInactivo());
    g.EliminarArista(CodigoArista(2, 3));
    EXPECT_TRUE(AñadirAristaActivo());
    g.RecuperarArista(CodigoArista(2, 3), 1);
    EXPECT_TRUE(AñadirAristaInactivo());
}

TEST_F(GrafoEdicion, LaUnicaAristaPonderadaGobiernaCambiarPeso)
{
    Construir("Ponderado", 2, {{1, 2}}, {40});
    EXPECT_TRUE(PesoActivo());
    g.EliminarArista(CodigoArista(1, 2));
    EXPECT_FALSE(PesoActivo());
    EXPECT_EQ(mundo.comandos.Imagen(Control::Boton_cambiar_peso), 15);
    g.RecuperarArista(CodigoArista(1, 2), 40);
    EXPECT_TRUE(PesoActivo());
    EXPECT_EQ(g.elem_matriz(2, 1), 40);

    EntornoPrueba otro;
    Grafo s(otro.Entorno());
    s.AñadirVertice(100, 100);
    s.AñadirVertice(600, 100);
    s.AñadirArista(1, 2);
    s.EliminarArista(CodigoArista(1, 2));
    s.RecuperarArista(CodigoArista(1, 2), 1);
    EXPECT_FALSE(otro.comandos.Habilitado(Control::Cambiar_peso)) << "nunca en un grafo sin pesos";
}

TEST_F(GrafoEdicion, RecuperarUnArcoNoTraeElContrario)
{
    Construir("Digrafo", 2, {{1, 2}});
    g.EliminarArista(CodigoArista(1, 2));
    g.RecuperarArista(CodigoArista(1, 2), 1);
    EXPECT_EQ(g.elem_matriz(1, 2), 1);
    EXPECT_EQ(g.elem_matriz(2, 1), 0);
    EXPECT_EQ(g.numero_aristas(), 1);
}

TEST_F(GrafoEdicion, IdentificarEnUnCaminoYDeshacer)
{
    Construir("Simple", 4, {{1, 2}, {2, 3}, {3, 4}});
    const Grafo antes = g;
    g.IdentificarVert(1, 3, true);
    EXPECT_EQ(g.dimen(), 3);
    EXPECT_EQ(g.numero_aristas(), 2);
    EXPECT_NE(g.elem_matriz(1, 2), 0);
    EXPECT_NE(g.elem_matriz(1, 3), 0);
    EXPECT_EQ(g.elem_matriz(2, 3), 0);
    ASSERT_EQ(mundo.identificaciones.size(), 1u);
    EXPECT_EQ(mundo.identificaciones[0], std::make_pair(1, 3));
    EXPECT_TRUE(mundo.comandos.Habilitado(Control::Deshacer));
    EXPECT_TRUE(mundo.comandos.Habilitado(Control::Boton_deshacer));

    g.RecuperarIdentificados(1, 3, antes.Posic_CoordX(3), antes.Posic_CoordY(3));
    EXPECT_TRUE(g == antes);
}

TEST_F(GrafoEdicion, IdentificarConservaElPesoDeU)
{
    Construir("Ponderado", 3, {{1, 3}, {2, 3}}, {7, 9});
    g.IdentificarVert(1, 2, true);
    EXPECT_EQ(g.elem_matriz(1, 2), 7) << "el antiguo vértice 3 es ahora el 2";
    EXPECT_EQ(g.numero_aristas(), 1);
}

TEST_F(GrafoEdicion, IdentificarArcosDeUnDigrafo)
{
    Construir("Digrafo", 3, {{1, 3}, {2, 3}, {3, 2}});
    g.IdentificarVert(1, 2, true);
    EXPECT_EQ(g.elem_matriz(1, 2), 1);
    EXPECT_EQ(g.elem_matriz(2, 1), 1) << "el arco 3 -> 2 pasa a 3 -> 1, ahora 2 -> 1";
    EXPECT_EQ(g.numero_aristas(), 2);

    EntornoPrueba otro;
    Grafo p(otro.Entorno());
    p.InsertarTipo("Digrafo_Ponderado");
    for (int i = 0; i < 3; ++i)
        p.AñadirVertice(static_cast<std::int16_t>(300 + 400 * i), 300);
    otro.interaccion.pesos = {std::int16_t{4}, std::int16_t{6}};
    p.AñadirArista(1, 3);
    p.AñadirArista(2, 3);
    p.IdentificarVert(1, 2, true);
    EXPECT_EQ(p.elem_matriz(1, 2), 10) << "los pesos de los arcos fusionados se suman";
    EXPECT_EQ(p.numero_aristas(), 1);
}

TEST_F(GrafoEdicion, IdentificarVecinosQuitaLaAristaSinLazo)
{
    for (const char* tipo : {"Simple", "Ponderado", "Digrafo", "Digrafo_Ponderado"}) {
        EntornoPrueba otro;
        Grafo h(otro.Entorno());
        h.InsertarTipo(tipo);
        h.AñadirVertice(100, 100);
        h.AñadirVertice(600, 100);
        otro.interaccion.pesos = {std::int16_t{5}, std::int16_t{8}};
        h.AñadirArista(1, 2);
        if (h.Dirigido())
            h.AñadirArista(2, 1);
        h.IdentificarVert(1, 2, true);
        EXPECT_EQ(h.dimen(), 1) << tipo;
        EXPECT_EQ(h.numero_aristas(), 0) << tipo;
        EXPECT_EQ(h.elem_matriz(1, 1), 0) << tipo;
        EXPECT_FALSE(otro.comandos.Habilitado(Control::Ident_vertices)) << tipo;
        EXPECT_FALSE(otro.comandos.Habilitado(Control::Cambiar_peso)) << tipo;
    }
}

TEST_F(GrafoEdicion, RecuperarVerticeVuelveAlGrafoIdentico)
{
    Construir("Digrafo_Ponderado", 5, {{1, 3}, {3, 1}, {3, 5}, {4, 3}, {2, 5}}, {3, -4, 5, 6, 7});
    const Grafo antes = g;
    g.Insertar_Ar_conect(3, 0);
    g.EliminarVertice(3, true);
    EXPECT_EQ(g.numero_aristas(), 1);
    g.RecuperarVertice(antes.Posic_CoordX(3), antes.Posic_CoordY(3), 3);
    EXPECT_TRUE(g == antes);
}

} // namespace
