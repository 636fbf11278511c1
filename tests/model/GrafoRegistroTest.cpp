// The record's own operations: types, counts, degrees, random weights and the command states they switch.
#include <algorithm>

#include "costuras/FuenteAleatoria.h"
#include "support/EntornoPrueba.h"

namespace {

TEST(GrafoRegistro, InsertarTipoDistingueMayusculas_ReglaSimpleYArbolDeBusqueda)
{
    EntornoPrueba mundo;
    Grafo g{mundo.Entorno()};
    const auto On = [&](const QString& c) { return mundo.comandos.Habilitado(c); };
    const auto Simples = [&](bool esperado) {
        return std::ranges::all_of(Control::ComandosGrafoSimple, [&](auto& c) { return On(c) == esperado; });
    };
    EXPECT_EQ(std::tuple(g.Tipo(), g.dimen(), g.numero_aristas()), std::tuple(0, 0, 0));
    g.InsertarTipo("Ponderado");
    g.InsertarTipo("simple");
    EXPECT_EQ(g.Tipo(), 1) << "un nombre en minúsculas no es un tipo";
    g.InsertarTipo("Simple");
    EXPECT_TRUE(Simples(false)) << "sin vértices no se ofrecen";
    mundo.Construir(g, "Simple", 1);
    EXPECT_TRUE(Simples(true));
    g.InsertarTipo("Ponderado");
    EXPECT_TRUE(Simples(false));
    g.InsertarTipo("Simple"); // Insertar_Dimension with the window governs Arbol_Busqueda
    g.Insertar_Dimension(2, true);
    EXPECT_TRUE(On(Control::Arbol_Busqueda) && Simples(true));
    g.Insertar_Dimension(1, true);
    EXPECT_FALSE(On(Control::Arbol_Busqueda));
    g.InsertarTipo("Digrafo");
    g.Insertar_Dimension(3, true);
    EXPECT_FALSE(On(Control::Arbol_Busqueda)) << "no en dirigidos";

    // A copy is the graph alone: editing it switches none of the window's commands.
    g.InsertarTipo("Simple");
    g.Insertar_Dimension(2, true);
    ASSERT_TRUE(On(Control::Arbol_Busqueda));
    Grafo copia = g;
    copia.Insertar_Dimension(1, true);
    EXPECT_TRUE(On(Control::Arbol_Busqueda)) << "la copia llegó a la ventana";
    copia = Grafo(mundo.Entorno()); // nor does taking another graph's contents give it a window
    copia.Insertar_Dimension(1, true);
    EXPECT_TRUE(On(Control::Arbol_Busqueda));
}

// The degree, or the out- and in-degree, of each vertex of 1 - 2 plus the isolated 3; and the random weights,
// drawn only for the edges of the weighted types.
TEST(GrafoRegistro, GradosYPesosAleatoriosSegunElTipo)
{
    for (int tipo = 0; tipo < 4; ++tipo) {
        EntornoPrueba w;
        w.pesosAleatorios = true;
        Grafo h(w.Entorno());
        w.Construir(h, NombreTipo(tipo), 8, {{1, 2}, {2, 3}, {3, 1}, {4, 5}, {6, 8}, {8, 1}});
        h.ContarGrados();
        std::vector<int> grados;
        for (int v = 1; v <= 3; ++v)
            grados.insert(grados.end(),
                          {h.Dirigido() ? h.piGradoSalida(v) : h.Grado(v), h.Dirigido() ? h.piGradoEntrada(v) : 0});
        EXPECT_EQ(grados, (h.Dirigido() ? std::vector<int>{1, 2, 1, 1, 1, 1} : std::vector<int>{3, 0, 2, 0, 2, 0}))
            << tipo;
        const Aristas antes = ArcosDe(h);
        h.Rellenar_Aleatoriamente();
        const Aristas despues = ArcosDe(h); // an asymmetric edge would show twice
        ASSERT_EQ(despues.size(), antes.size()) << tipo;
        EXPECT_EQ(despues != antes, EsPonderado(tipo)) << tipo;
        for (std::size_t k = 0; k < antes.size(); ++k) {
            const auto [a, b, peso] = despues[k];
            EXPECT_TRUE(antes[k].a == a && antes[k].b == b && peso >= 1 && peso <= 1000);
        }
    }
}

TEST(SumarPesos, SaturaEnCuatroCifrasYNuncaDaCero)
{
    for (auto [a, b, suma] :
         {std::tuple{7, 5, 12}, {0, -40, -40}, {9000, 1000, 9999}, {-9000, -2000, -9999}, {5, -5, 5}})
        EXPECT_EQ(SumarPesos(std::int16_t(a), std::int16_t(b)), suma) << a << "+" << b;
}

} // namespace

// Many draws reach both ends of each range and never step past them.
TEST(FuenteAleatoria, PesosYEnterosLlenanSuIntervaloSinSalirse)
{
    FuenteAleatoria azar;
    azar.Sembrar(7);
    std::pair<int, int> pesos{1000, 1}, enteros{9, 0};
    for (int k = 0; k < 100000; ++k) {
        const int p = azar.PesoAleatorio(), e = azar.Aleatorio(3, 5);
        pesos = {std::min(pesos.first, p), std::max(pesos.second, p)};
        enteros = {std::min(enteros.first, e), std::max(enteros.second, e)};
    }
    EXPECT_EQ(pesos, std::pair(1, 1000));
    EXPECT_EQ(enteros, std::pair(3, 5));
}
