// The connectivity runs as the person sees them: the trace pieces with their bold and colours, what is drawn,
// and how the run ends.
#include "algorithms/Conectividad.h"
#include "algorithms/MundoConectividad.h"

namespace {

using Trazas = std::vector<Pieza>;

struct Conectividad : MundoConectividad, ::testing::Test {
    void Camino(int n)
    {
        std::vector<std::pair<int, int>> aristas;
        for (int v = 1; v < n; ++v)
            aristas.emplace_back(v, v + 1);
        Poner(TipoGrafo::Simple, n, aristas);
    }
    // "EXISTE(N) k ..." as the counted runs open, then the rest.
    Trazas Cuenta(const QString& existe, const QString& k, const QString& que, const Trazas& resto = {})
    {
        Trazas t{{existe, false, negro}, {k, true, negro}, {que, false, negro}};
        t.insert(t.end(), resto.begin(), resto.end());
        return t;
    }
};

TEST_F(Conectividad, UnaComponenteYElGrafoVacioSeEscribenEnSingular)
{
    Camino(3);
    p.Ejecutar("Componentes_conexas");
    EXPECT_EQ(Piezas(), Cuenta("EXISTE ", "1", " COMPONENTE CONEXA \r\n\r\n",
                               {{"Componente  :  ", true, negro}, {"1 - 2 - 3\r\n", true, Color(1)}}));
    EXPECT_EQ(ColorVertice(3), Color(1));
    EXPECT_EQ(LineasResaltadas(Color(1)), 4); // each edge from both of its ends
    EXPECT_TRUE(Finalizada());

    Poner(TipoGrafo::Simple, 0, {});
    p.Ejecutar("Componentes_conexas");
    EXPECT_EQ(Piezas(), Cuenta("EXISTE ", "1", " COMPONENTE CONEXA \r\n\r\n"));
}

TEST_F(Conectividad, LaComponente14VuelveAlColor1)
{
    Poner(TipoGrafo::Simple, 14, {});
    p.Ejecutar("Componentes_conexas");
    const Trazas piezas = Piezas();
    ASSERT_EQ(piezas.size(), 3u + 2 * 14);
    EXPECT_EQ(piezas[1], (Pieza{"14", true, negro}));
    EXPECT_EQ(piezas[25], (Pieza{"12ª Componente  :  ", true, negro}));
    EXPECT_EQ(piezas[28], (Pieza{"13\r\n", true, Color(13)}));
    EXPECT_EQ(piezas[30], (Pieza{"14\r\n", true, Color(1)}));
    EXPECT_EQ(ColorVertice(14), Color(1));
}

TEST_F(Conectividad, VerticesCorteDesdeElMenu)
{
    Camino(3);
    p.Ejecutar("Vértices_corte");
    EXPECT_EQ(Piezas(), Cuenta("EXISTE ", "1", " VÉRTICE CORTE\r\n\r\n",
                               {{"Vértice Corte: ", true, negro}, {"2\r\n", true, Color(1)}}));
    EXPECT_EQ(ColorVertice(2), Color(1));
    EXPECT_TRUE(Finalizada());

    // The isolated vertex 5 and the ends of the path are no cut vertices.
    Poner(TipoGrafo::Simple, 5, {{1, 2}, {2, 3}, {3, 4}});
    p.Ejecutar("Vértices_corte");
    EXPECT_EQ(Piezas(), Cuenta("EXISTEN ", "2", " VÉRTICES CORTE\r\n\r\n",
                               {{"Vértices Corte: ", true, negro}, {"2, 3\r\n", true, Color(2)}}));

    Poner(TipoGrafo::Simple, 3, {{1, 2}, {2, 3}, {1, 3}});
    p.Ejecutar("Vértices_corte");
    EXPECT_EQ(Piezas(), (Trazas{{"NO EXISTEN VÉRTICES CORTE", true, negro}}));
}

TEST_F(Conectividad, PuentesEnUnaDosOEnNingunaLinea)
{
    Camino(10);
    p.Ejecutar("Aristas_Puente");
    // Blanks pad the text to multiples of 18 characters, line breaks counted.
    QString lista;
    for (int k = 1; k <= 8; ++k)
        lista += QStringLiteral("Arista (%1,%2)").arg(k).arg(k + 1).leftJustified(18);
    EXPECT_EQ(Piezas(), Cuenta("EXISTEN ", "9", " ARISTAS PUENTE\r\n\r\n",
                               {{lista + "\r\nArista (9,10)   \r\n", true, Color(2)}}));
    EXPECT_EQ(LineasResaltadas(QColor(0, 128, 0)), 9);
    EXPECT_TRUE(Finalizada());

    Poner(TipoGrafo::Digrafo, 3, {{1, 2}, {2, 1}, {3, 2}});
    p.Ejecutar("Aristas_Puente");
    EXPECT_EQ(Piezas()[2].texto, " ARISTA PUENTE\r\n\r\n");
    EXPECT_EQ(Piezas()[3].texto, "Arista (3,2)      \r\n");

    Poner(TipoGrafo::Digrafo, 2, {{1, 2}, {2, 1}});
    p.Ejecutar("Aristas_Puente");
    EXPECT_EQ(Piezas(), (Trazas{{"NO EXISTEN ARISTAS PUENTE", true, negro}}));
}

// Boruvka hands over labels that are not the lowest vertex.
TEST_F(Conectividad, ListasDeEtiquetasCualesquiera)
{
    std::vector<std::int16_t> lista{0, 3, 1, 3, 1, 2, 0, 7};
    EXPECT_EQ(ContarDistintos(lista), 3);
    EXPECT_EQ(lista, (std::vector<std::int16_t>{0, 3, 1, -1, -1, 2, 0, 7}));

    Poner(TipoGrafo::Simple, 5, {});
    p.Marco().PrepararEjecucion();
    Contexto c = Ctx();
    EscribirComponentes(c, 2, {0, 5, 5, 1, 5, 9, 0});
    EXPECT_EQ(Piezas(), (Trazas{{"1ª Componente  :  ", true, negro},
                                {"1 - 2 - 4\r\n", true, Color(1)},
                                {"2ª Componente  :  ", true, negro},
                                {"3\r\n", true, Color(2)}}));
}

} // namespace
