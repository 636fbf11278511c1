// The blocks as the person sees them: the trace pieces with their colours,
// each block's edges drawn in its colour, and the refusals.
#include "algorithms/MundoConectividad.h"

namespace {

using Trazas = std::vector<Pieza>;

struct Bloques : MundoConectividad, ::testing::Test {
    // The trace of these blocks, each a vertex list as the line shows it.
    Trazas Esperada(const std::vector<QString>& bloques)
    {
        const int k = int(bloques.size());
        Trazas t{{k == 1 ? "EXISTE " : "EXISTEN ", false, negro},
                 {QString::number(k), true, negro},
                 {k == 1 ? " BLOQUE\r\n\r\n" : " BLOQUES\r\n\r\n", false, negro}};
        for (int b = 1; b <= k; ++b)
            t.insert(t.end(), {{"Bloque ", false, negro},
                               {QString::number(b), false, Color((b - 1) % 13 + 1)},
                               {": ", false, negro},
                               {bloques[b - 1] + "\r\n", false, Color((b - 1) % 13 + 1)}});
        return t;
    }
};

TEST_F(Bloques, LosBloquesEnSuOrdenYColor)
{
    std::vector<std::pair<int, int>> camino20;
    for (int v = 1; v < 20; ++v)
        camino20.emplace_back(v, v + 1);
    const struct {
        int n;
        std::vector<std::pair<int, int>> aristas;
        std::vector<QString> bloques;
    } casos[] = {
        {3, {{1, 2}, {2, 3}, {1, 3}}, {" 1 2 3"}},
        {3, {{1, 2}, {2, 3}}, {" 2 3", " 1 2"}},
        {5, {{1, 2}, {2, 3}, {1, 3}, {3, 4}, {4, 5}, {3, 5}}, {" 3 4 5", " 1 2 3"}},
        {4, {{1, 2}, {1, 3}, {1, 4}}, {" 1 2", " 1 3", " 1 4"}},
        {1, {}, {" 1"}},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.bloques.front().toStdString());
        Poner(TipoGrafo::Simple, caso.n, caso.aristas);
        p.Ejecutar("Bloques");
        EXPECT_EQ(Piezas(), Esperada(caso.bloques));
        EXPECT_TRUE(Finalizada());
    }
    // Two triangles: each edge drawn from both ends in its block's colour.
    Poner(TipoGrafo::Simple, 5, casos[2].aristas);
    p.Ejecutar("Bloques");
    EXPECT_EQ(LineasResaltadas(Color(1)), 6);
    EXPECT_EQ(LineasResaltadas(Color(2)), 6);

    Poner(TipoGrafo::Simple, 20, camino20);
    p.Ejecutar("Bloques");
    const Trazas piezas = Piezas();
    ASSERT_EQ(piezas.size(), 3u + 4 * 19);
    EXPECT_EQ(piezas[3 + 4 * 13 + 1], (Pieza{"14", false, Color(1)}));
    EXPECT_EQ(piezas.back(), (Pieza{" 1 2\r\n", false, Color(6)}));
}

TEST_F(Bloques, UnGrafoInconexoSeRechazaYElVacioLoDice)
{
    Poner(TipoGrafo::Simple, 3, {{1, 2}});
    p.Ejecutar("Bloques");
    EXPECT_EQ(persona.mensajes.back().texto,
              "El algoritmo de búsqueda de Bloques requiere que el grafo sea conexo.");
    EXPECT_EQ(persona.mensajes.back().titulo, "Precondición");
    EXPECT_TRUE(lienzo.primitivas.empty() && p.Vista().areaHabilitada);

    Poner(TipoGrafo::Simple, 0, {});
    p.Ejecutar("Bloques");
    EXPECT_EQ(Piezas(), (Trazas{{"Grafo vacío; no contiene bloques", false, negro}}));
    EXPECT_TRUE(Finalizada());
}

} // namespace
