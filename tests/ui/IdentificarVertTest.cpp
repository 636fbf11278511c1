// The identify dialog: two lists that never offer the vertex chosen in the
// other, and the merge into the smaller vertex.
#include <gtest/gtest.h>

#include <random>

#include "support/EntornoPrueba.h"
#include "ui/IdentificarVert.h"

namespace {

QStringList Numeros(std::initializer_list<int> vertices)
{
    QStringList l;
    for (int v : vertices)
        l << QString::number(v);
    return l;
}

struct IdentificarVertTest : ::testing::Test {
    EntornoPrueba mundo;
    Grafo g{mundo.Entorno()};
    int redibujados = 0;

    void Vertices(int n)
    {
        for (int v = 1; v <= n; ++v)
            g.AñadirVertice(static_cast<std::int16_t>(400 * v), static_cast<std::int16_t>(300 + 100 * v));
    }
    IdentificarVert Dialogo()
    {
        return IdentificarVert(g, [this] { ++redibujados; });
    }
};

TEST_F(IdentificarVertTest, AlCargarAmbasListasCompletasYAceptarDeshabilitado)
{
    Vertices(4);
    IdentificarVert d = Dialogo();
    EXPECT_EQ(d.Lista1(), Numeros({1, 2, 3, 4}));
    EXPECT_EQ(d.Lista2(), Numeros({1, 2, 3, 4}));
    EXPECT_EQ(d.Indice1(), -1);
    EXPECT_EQ(d.PrimerVertice(), 0);
    EXPECT_FALSE(d.AceptarHabilitado());
}

TEST_F(IdentificarVertTest, CadaEleccionQuitaElVerticeDeLaOtraLista)
{
    Vertices(4);
    IdentificarVert d = Dialogo();
    d.ElegirEnCombo1(1);
    EXPECT_EQ(d.PrimerVertice(), 2);
    EXPECT_EQ(d.Lista2(), Numeros({1, 3, 4}));
    d.ElegirEnCombo1(2);
    EXPECT_EQ(d.PrimerVertice(), 3);
    EXPECT_EQ(d.Lista2(), Numeros({1, 2, 4})) << "el 2 vuelve a su sitio";
    EXPECT_EQ(d.Lista1(), Numeros({1, 2, 3, 4}));
    EXPECT_FALSE(d.AceptarHabilitado());

    d.ElegirEnCombo2(2);
    EXPECT_EQ(d.SegundoVertice(), 4);
    EXPECT_EQ(d.Lista1(), Numeros({1, 2, 3}));
    EXPECT_TRUE(d.AceptarHabilitado());
    d.ElegirEnCombo1(0);
    EXPECT_EQ(d.Lista2(), Numeros({2, 3, 4}));
    EXPECT_EQ(d.Indice2(), 2);
    EXPECT_EQ(d.Indice1(), 0);

    d.ElegirEnCombo2(7);
    EXPECT_EQ(d.SegundoVertice(), 4) << "fuera de la lista no cambia nada";
}

// Random choices on both lists, checked against what the lists must hold.
TEST_F(IdentificarVertTest, LasListasSiempreSonTodosMenosElOtroElegido)
{
    Vertices(12);
    std::mt19937 azar(7);
    for (int prueba = 0; prueba < 50; ++prueba) {
        IdentificarVert d = Dialogo();
        for (int paso = 0; paso < 20; ++paso) {
            if (azar() % 2)
                d.ElegirEnCombo1(static_cast<int>(azar() % d.Lista1().size()));
            else
                d.ElegirEnCombo2(static_cast<int>(azar() % d.Lista2().size()));
            QStringList sin1, sin2;
            for (int v = 1; v <= 12; ++v) {
                if (v != d.SegundoVertice())
                    sin1 << QString::number(v);
                if (v != d.PrimerVertice())
                    sin2 << QString::number(v);
            }
            ASSERT_EQ(d.Lista1(), sin1);
            ASSERT_EQ(d.Lista2(), sin2);
            ASSERT_NE(d.PrimerVertice(), d.SegundoVertice());
        }
    }
}

// Identifying 5 with 2 keeps vertex 2, whichever list names which.
class IdentificarOrden : public IdentificarVertTest,
                         public ::testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(IdentificarOrden, ConservaElMenor)
{
    Vertices(6);
    for (auto [a, b] : {std::pair{1, 2}, {4, 5}, {5, 6}})
        ASSERT_EQ(g.AñadirArista(a, b), 0);
    const std::int16_t x2 = g.Posic_CoordX(2);
    IdentificarVert d = Dialogo();
    const auto [primero, segundo] = GetParam();
    d.ElegirEnCombo1(d.Lista1().indexOf(QString::number(primero)));
    d.ElegirEnCombo2(d.Lista2().indexOf(QString::number(segundo)));
    d.Aceptar();

    EXPECT_TRUE(d.Cerrado());
    EXPECT_TRUE(d.Aceptado());
    EXPECT_EQ(g.dimen(), 5);
    EXPECT_EQ(g.Posic_CoordX(2), x2);
    EXPECT_NE(g.elem_matriz(2, 1), 0);
    EXPECT_NE(g.elem_matriz(2, 4), 0);
    EXPECT_NE(g.elem_matriz(2, 5), 0) << "el antiguo 6";
    EXPECT_EQ(g.numero_aristas(), 3);
    EXPECT_EQ(redibujados, 1);
    ASSERT_EQ(mundo.identificaciones.size(), 1u);
    EXPECT_EQ(mundo.identificaciones[0], std::make_pair(2, 5)) << "deshacer recuerda la fusión";
}

INSTANTIATE_TEST_SUITE_P(Orden, IdentificarOrden, ::testing::Values(std::pair{5, 2}, std::pair{2, 5}),
                         [](const auto& info) { return "Primero" + std::to_string(info.param.first); });

TEST_F(IdentificarVertTest, FaltandoUnVerticeOAlCancelarNadaCambia)
{
    Vertices(3);
    ASSERT_EQ(g.AñadirArista(1, 3), 0);
    const Grafo antes = g;
    IdentificarVert d = Dialogo();
    d.ElegirEnCombo1(0);
    d.Aceptar();
    EXPECT_FALSE(d.Cerrado());
    d.ElegirEnCombo2(1);
    d.Cancelar();
    d.Aceptar();
    EXPECT_TRUE(d.Cerrado());
    EXPECT_FALSE(d.Aceptado());
    EXPECT_TRUE(g == antes);
    EXPECT_EQ(redibujados, 0);
    EXPECT_TRUE(mundo.identificaciones.empty());
}

TEST_F(IdentificarVertTest, GuionQueNoTerminaSeCancela)
{
    Vertices(3);
    IdentificarVert d = Dialogo();
    mundo.interaccion.guionIdentificar.push_back([](IdentificarVert& dlg) { dlg.ElegirEnCombo1(0); });
    mundo.interaccion.Mostrar(d);
    EXPECT_TRUE(d.Cerrado());
    EXPECT_EQ(g.dimen(), 3);
}

} // namespace
