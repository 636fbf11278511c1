// The record's own operations: types, counts, degrees, random weights and the
// command states they switch.
#include <gtest/gtest.h>

#include "model/Controles.h"
#include "support/EntornoPrueba.h"

namespace {

struct GrafoRegistro : ::testing::Test {
    EntornoPrueba mundo;
    Grafo g{mundo.Entorno()};

    void Vertices(int n)
    {
        for (int i = 0; i < n; ++i)
            ASSERT_EQ(g.AñadirVertice(static_cast<std::int16_t>(300 + 300 * i), 500), 0);
    }
    bool ComandosSimplesActivos(bool esperado) const
    {
        for (const QString& c : Control::ComandosGrafoSimple)
            if (mundo.comandos.Habilitado(c) != esperado)
                return false;
        return true;
    }
};

TEST_F(GrafoRegistro, RegistroNuevoVacioConPesoYComandosSimplesApagados)
{
    EXPECT_EQ(g.Tipo(), 0);
    EXPECT_EQ(g.dimen(), 0);
    EXPECT_EQ(g.numero_aristas(), 0);
    EXPECT_EQ(g.MaxNumAristas(), 0);
    for (int i = 1; i <= 50; ++i)
        for (int j = 1; j <= 50; ++j)
            ASSERT_EQ(g.elem_matriz(i, j), 0);
    EXPECT_FALSE(mundo.comandos.Habilitado(Control::Boton_cambiar_peso));
    EXPECT_EQ(mundo.comandos.Imagen(Control::Boton_cambiar_peso), 15);
    EXPECT_FALSE(mundo.comandos.Habilitado(Control::Cambiar_peso));
    EXPECT_TRUE(ComandosSimplesActivos(false));
}

TEST_F(GrafoRegistro, MaxNumAristasPorTipoYTamaño)
{
    struct Caso { int n, noDirigido, dirigido; };
    for (const Caso c : {Caso{1, 0, 0}, Caso{5, 10, 20}, Caso{50, 1225, 2450}}) {
        for (int tipo = 0; tipo < 4; ++tipo) {
            Grafo h;
            h.InsertarTipo(NombreTipo(tipo));
            h.Insertar_Dimension(static_cast<std::int16_t>(c.n), false);
            EXPECT_EQ(h.MaxNumAristas(), EsDirigido(tipo) ? c.dirigido : c.noDirigido)
                << "n=" << c.n << " tipo=" << tipo;
        }
    }
}

TEST_F(GrafoRegistro, InsertarTipoDistingueMayusculasYAplicaLaReglaSimple)
{
    g.InsertarTipo("Ponderado");
    EXPECT_EQ(g.Tipo(), 1);
    g.InsertarTipo("simple");
    EXPECT_EQ(g.Tipo(), 1) << "un nombre en minúsculas no es un tipo";
    g.InsertarTipo("Simple");
    EXPECT_TRUE(ComandosSimplesActivos(false)) << "sin vértices no se ofrecen";
    Vertices(1);
    EXPECT_TRUE(ComandosSimplesActivos(true));
    g.InsertarTipo("Ponderado");
    EXPECT_TRUE(ComandosSimplesActivos(false));
}

TEST_F(GrafoRegistro, InsertarDimensionConVentanaGobiernaArbolDeBusqueda)
{
    g.Insertar_Dimension(3, true);
    EXPECT_TRUE(mundo.comandos.Habilitado(Control::Arbol_Busqueda));
    EXPECT_TRUE(ComandosSimplesActivos(true));
    g.Insertar_Dimension(0, true);
    EXPECT_FALSE(mundo.comandos.Habilitado(Control::Arbol_Busqueda));
    EXPECT_TRUE(ComandosSimplesActivos(false));
    g.InsertarTipo("Digrafo");
    g.Insertar_Dimension(3, true);
    EXPECT_FALSE(mundo.comandos.Habilitado(Control::Arbol_Busqueda)) << "no en dirigidos";
}

TEST_F(GrafoRegistro, ContarGradosSegunElTipo)
{
    Vertices(3);
    ASSERT_EQ(g.AñadirArista(1, 2), 0);
    g.ContarGrados();
    EXPECT_EQ(g.Grado(1), 1);
    EXPECT_EQ(g.Grado(2), 1);
    EXPECT_EQ(g.Grado(3), 0);

    Grafo d;
    d.InsertarTipo("Digrafo");
    d.AñadirVertice(100, 100);
    d.AñadirVertice(600, 100);
    d.AñadirVertice(900, 100);
    ASSERT_EQ(d.AñadirArista(1, 2), 0);
    d.ContarGrados();
    EXPECT_EQ(d.piGradoSalida(1), 1);
    EXPECT_EQ(d.piGradoEntrada(2), 1);
    EXPECT_EQ(d.piGradoEntrada(1), 0);
    EXPECT_EQ(d.piGradoSalida(2), 0);
    EXPECT_EQ(d.piGradoEntrada(3) + d.piGradoSalida(3), 0);
}

TEST_F(GrafoRegistro, RellenarAleatoriamenteSoloTocaLasAristasDeLosPonderados)
{
    for (int tipo = 0; tipo < 4; ++tipo) {
        EntornoPrueba otro;
        Grafo h(otro.Entorno());
        h.InsertarTipo(NombreTipo(tipo));
        otro.pesosAleatorios = true;
        for (int i = 0; i < 8; ++i)
            h.AñadirVertice(static_cast<std::int16_t>(300 * (i + 1)), 400);
        for (int i = 1; i <= 8; ++i)
            for (int j = 1; j <= 8; ++j)
                if ((i * 7 + j * 3) % 4 == 0 && i != j && h.elem_matriz(i, j) == 0) {
                    ASSERT_EQ(h.AñadirArista(i, j), 0);
                }
        const Grafo antes = h;
        h.Rellenar_Aleatoriamente();
        if (!EsPonderado(tipo)) {
            EXPECT_TRUE(h == antes) << tipo;
            continue;
        }
        int cambiadas = 0;
        for (int i = 1; i <= 8; ++i)
            for (int j = 1; j <= 8; ++j) {
                const int w = h.elem_matriz(i, j);
                EXPECT_EQ(w == 0, antes.elem_matriz(i, j) == 0) << i << "," << j;
                if (w != 0) {
                    EXPECT_GE(w, 1);
                    EXPECT_LE(w, 1000);
                }
                if (!EsDirigido(tipo)) {
                    EXPECT_EQ(w, h.elem_matriz(j, i));
                }
                cambiadas += w != antes.elem_matriz(i, j);
            }
        EXPECT_GT(cambiadas, 0) << "los pesos se sortean de nuevo";
    }
}

TEST(SumarPesos, SaturaEnCuatroCifrasYNuncaDaCero)
{
    EXPECT_EQ(SumarPesos(7, 5), 12);
    EXPECT_EQ(SumarPesos(0, -40), -40);
    EXPECT_EQ(SumarPesos(9000, 2000), 9999);
    EXPECT_EQ(SumarPesos(-9000, -2000), -9999);
    EXPECT_EQ(SumarPesos(5, -5), 5);
    EXPECT_EQ(SumarPesos(0, 0), 0);
}

TEST(NombresDeTipo, IdaYVuelta)
{
    for (int t = 0; t < 4; ++t)
        EXPECT_EQ(CodigoTipo(NombreTipo(t)), t);
    EXPECT_EQ(CodigoTipo("Digrafo Ponderado"), -1);
    EXPECT_EQ(NombreTipo(4), QString());
}

} // namespace
