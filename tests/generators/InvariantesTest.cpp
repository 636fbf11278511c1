// What makes each named family the graph it is named after, beyond its counts: girth, odd cycles, where the
// high degrees sit, the hypercube's bit rule, the cycle of L(7, 3), Harary's regularity, Tutte's missing
// Hamiltonian cycle, and planar drawings that are drawn without a crossing.
#include <bit>
#include <functional>

#include "Propiedades.h"

using namespace generados;

namespace {

int Grado(Grafo& g, int v)
{
    return g.ContarGrados(), g.Grado(v);
}

// Backtracking over the cubic graph's vertices from vertex 1.
bool Hamiltoniano(const Grafo& g)
{
    const auto b = ABoost<GrafoBoostSinSentido>(g);
    std::vector<bool> visto(g.dimen(), false);
    std::function<bool(int, int)> seguir = [&](int v, int cuantos) {
        visto[v] = true;
        if (cuantos == g.dimen() && boost::edge(v, 0, b).second)
            return true;
        for (const int w : boost::make_iterator_range(boost::adjacent_vertices(v, b)))
            if (!visto[w] && seguir(w, cuantos + 1))
                return true;
        visto[v] = false;
        return false;
    };
    return seguir(0, 1);
}

} // namespace

TEST(Invariantes, CinturaBipartitosYGradosAltos)
{
    // clang-format off
    const struct {
        const char* control;
        int cintura;
        bool bipartito;
        std::vector<int> grado4; // vertices of degree 4 (Grötzsch: 5)
    } filas[] = {{"Petersen", 5, false, {}}, {"Heawood", 6, true, {}}, {"Herschel", 4, true, {1, 3, 11}},
                 {"Grötzsch", 4, false, {11}}, {"Dodecaedro_plano", 5, false, {}},
                 {"Dodecaedro_no_plano", 5, false, {}}, {"Tutte", 4, false, {}}};
    // clang-format on
    for (const auto& f : filas) {
        Generado x(QString::fromUtf8(f.control));
        const Ciclos c = CiclosDe(x.g);
        EXPECT_TRUE(c.cintura == f.cintura && c.impar != f.bipartito) << f.control << " " << c.cintura;
        for (int v : f.grado4)
            EXPECT_EQ(Grado(x.g, v), f.control == std::string("Grötzsch") ? 5 : 4) << f.control << v;
    }
}

// The hypercube joins the numbers that differ in one bit; L(7, 3) is one cycle 1, 4, 7, 3, 6, 2, 5; Harary
// with an even k is k-regular; each child of the tree hangs from its parent; Tutte's graph has no Hamiltonian
// cycle.
TEST(Invariantes, CadaFamiliaSeConstruyeSegunSuRegla)
{
    for (int d = 1; d <= 5; ++d) {
        Generado q(QStringLiteral("cubo_%1").arg(d));
        for (int a = 1; a <= q.g.dimen(); ++a)
            for (int b = 1; b <= q.g.dimen(); ++b)
                EXPECT_EQ(q.g.elem_matriz(a, b) != 0, std::popcount(unsigned((a - 1) ^ (b - 1))) == 1)
                    << "Q" << d << " " << a << "-" << b;
    }
    Generado l("L_n_r", {7, 3});
    const std::vector<int> ciclo{1, 4, 7, 3, 6, 2, 5};
    for (std::size_t i = 0; i < ciclo.size(); ++i)
        EXPECT_NE(l.g.elem_matriz(ciclo[i], ciclo[(i + 1) % ciclo.size()]), 0) << i;
    EXPECT_EQ(l.g.numero_aristas(), 7);
    for (auto [n, k] : {std::pair{7, 2}, {9, 4}, {12, 6}, {25, 8}}) {
        Generado h("Harary", {n, k});
        for (int v = 1; v <= n; ++v)
            EXPECT_EQ(Grado(h.g, v), k) << "H(" << k << ", " << n << ") " << v;
    }
    Generado t("Árbol_nario_completo", {3, 3});
    for (int v = 2; v <= t.g.dimen(); ++v) // 40 edges, so these are all of them
        EXPECT_NE(t.g.elem_matriz(v, (v - 2) / 3 + 1), 0) << v;
    EXPECT_TRUE(!Hamiltoniano(Generado("Tutte").g) && Hamiltoniano(Generado("Dodecaedro_plano").g));
}

TEST(Invariantes, DibujosPlanosSinCruces)
{
    for (const char* control : {"Tetraedro_plano", "Hexaedro_plano", "Octaedro_plano", "Icosaedro_plano",
                                "Dodecaedro_plano", "Tutte", "Herschel", "Triángulo"}) {
        Generado x(QString::fromUtf8(control), control == std::string("Triángulo") ? Numeros{5} : Numeros{});
        EXPECT_EQ(CrucesDibujo(x.g), 0) << control;
    }
    Generado k4("Tetraedro_no_plano");
    EXPECT_EQ(CrucesDibujo(k4.g), 1);
}
