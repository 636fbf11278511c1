// Every command of the graph menu in each of the four types: the vertex count, the edge count (doubled for
// the digraphs, which carry both arcs of every edge), the degree sequence, entries 1, and a drawing inside
// the work area.
#include <map>

#include "Propiedades.h"
#include "support/Invariantes.h"

using namespace generados;

namespace {

struct Familia {
    QString control;
    Numeros numeros;
    int n;
    int aristas;
    std::vector<std::pair<int, int>> grados; // (degree, how many vertices)
};

// How many vertices have each degree; a digraph's arcs all come in pairs.
std::map<int, int> GradosDe(Grafo& g)
{
    g.ContarGrados();
    std::map<int, int> cuantos;
    for (int v = 1; v <= g.dimen(); ++v) {
        EXPECT_TRUE(!g.Dirigido() || g.piGradoEntrada(v) == g.piGradoSalida(v)) << v;
        ++cuantos[g.Dirigido() ? g.piGradoSalida(v) : g.Grado(v)];
    }
    return cuantos;
}

// clang-format off
const std::vector<Familia> Familias = {
    {"Grafo_nulo", {5}, 5, 0, {{0, 5}}}, {"Grafo_completo", {1}, 1, 0, {{0, 1}}},
    {"Grafo_completo", {6}, 6, 15, {{5, 6}}}, {"Grafo_completo_bipartido", {3, 2}, 5, 6, {{2, 3}, {3, 2}}},
    {"Grafo_completo_tripartido", {2, 3, 4}, 9, 26, {{7, 2}, {6, 3}, {5, 4}}},
    {"L_n_r", {8, 2}, 8, 8, {{2, 8}}}, {"L_n_r_s", {10, 1, 3}, 10, 20, {{4, 10}}},
    {"L_n_r_s", {10, 2, 2}, 10, 10, {{2, 10}}}, {"cubo_1", {}, 2, 1, {{1, 2}}},
    {"cubo_2", {}, 4, 4, {{2, 4}}}, {"cubo_3", {}, 8, 12, {{3, 8}}}, {"cubo_4", {}, 16, 32, {{4, 16}}},
    {"cubo_5", {}, 32, 80, {{5, 32}}}, {"Tetraedro_plano", {}, 4, 6, {{3, 4}}},
    {"Tetraedro_no_plano", {}, 4, 6, {{3, 4}}}, {"Hexaedro_plano", {}, 8, 12, {{3, 8}}},
    {"Octaedro_plano", {}, 6, 12, {{4, 6}}}, {"Octaedro_no_plano", {}, 6, 12, {{4, 6}}},
    {"Icosaedro_plano", {}, 12, 30, {{5, 12}}}, {"Icosaedro_no_plano", {}, 12, 30, {{5, 12}}},
    {"Dodecaedro_plano", {}, 20, 30, {{3, 20}}}, {"Dodecaedro_no_plano", {}, 20, 30, {{3, 20}}},
    {"Rectangulo", {3, 2}, 6, 7, {{3, 2}, {2, 4}}}, {"Triángulo", {3}, 6, 9, {{4, 3}, {2, 3}}},
    {"Ciclo", {1}, 1, 0, {{0, 1}}}, {"Ciclo", {2}, 2, 1, {{1, 2}}}, {"Ciclo", {21}, 21, 21, {{2, 21}}},
    {"Rueda", {1}, 1, 0, {{0, 1}}}, {"Rueda", {2}, 2, 1, {{1, 2}}}, {"Rueda", {6}, 6, 10, {{5, 1}, {3, 5}}},
    {"Estrella", {1}, 1, 0, {{0, 1}}}, {"Estrella", {5}, 5, 4, {{4, 1}, {1, 4}}},
    {"Árbol_nario_completo", {2, 4}, 31, 30, {{2, 1}, {3, 14}, {1, 16}}},
    {"Árbol_nario_completo", {35, 1}, 36, 35, {{35, 1}, {1, 35}}}, {"Harary", {6, 3}, 6, 9, {{3, 6}}},
    {"Harary", {5, 3}, 5, 8, {{4, 1}, {3, 4}}}, {"Herschel", {}, 11, 18, {{4, 3}, {3, 8}}},
    {"Petersen", {}, 10, 15, {{3, 10}}}, {"Grötzsch", {}, 11, 20, {{5, 1}, {4, 5}, {3, 5}}},
    {"Heawood", {}, 14, 21, {{3, 14}}}, {"Tutte", {}, 46, 69, {{3, 46}}},
};
// clang-format on

} // namespace

TEST(Familias, CuentasGradosYDibujoEnLosCuatroTipos)
{
    for (const Familia& f : Familias)
        for (int tipo = 0; tipo < 4; ++tipo) {
            SCOPED_TRACE(f.control.toStdString() + " " + NombreTipo(tipo).toStdString());
            Generado x(f.control, f.numeros, tipo);
            Grafo& g = x.g;
            EXPECT_EQ(g.Tipo(), tipo);
            EXPECT_EQ(g.dimen(), f.n);
            EXPECT_EQ(g.numero_aristas(), f.aristas * (g.Dirigido() ? 2 : 1));
            EXPECT_EQ(GradosDe(g), (std::map<int, int>(f.grados.begin(), f.grados.end())));
            ComprobarInvariantes(g, f.control.toStdString(), Area);
            for (int a = 1; a <= g.dimen(); ++a)
                for (int b = 1; b <= g.dimen(); ++b)
                    EXPECT_EQ(g.elem_matriz(a, b), g.elem_matriz(b, a) != 0) << a << "-" << b; // 0 or 1, both ways
            EXPECT_EQ(x.entorno.redibujados, 1);
        }
}
