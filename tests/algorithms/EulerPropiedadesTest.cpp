// The tours on seeded random Eulerian graphs and digraphs, read back from their traces, and the postman's
// total against a brute force.
#include <QRegularExpression>
#include <functional>
#include <map>
#include <numeric>
#include <random>
#include <set>

#include "algorithms/Conectividad.h"
#include "support/MundoEjecucion.h"

namespace {

using Enlace = std::pair<int, int>;
using Lista = std::vector<Enlace>;

Enlace Orden(int a, int b, bool dirigido)
{
    return dirigido || a < b ? Enlace{a, b} : Enlace{b, a};
}

// Edge-disjoint random cycles until the graph is connected: every degree even, in-degree equal to out-degree for
// a digraph.
Aristas Euleriano(std::mt19937& azar, int n, bool dirigido)
{
    std::set<Enlace> usadas;
    Aristas aristas;
    std::vector<int> vertices(n);
    std::iota(vertices.begin(), vertices.end(), 1);
    auto unido = [&] {
        std::vector<int> c(n + 1);
        std::iota(c.begin(), c.end(), 0);
        std::function<int(int)> raiz = [&](int v) { return c[v] == v ? v : c[v] = raiz(c[v]); };
        for (const Arista& e : aristas)
            c[raiz(e.a)] = raiz(e.b);
        return std::all_of(vertices.begin(), vertices.end(), [&](int v) { return raiz(v) == raiz(1); });
    };
    for (int intentos = 0; !unido(); ++intentos) {
        // Some graphs leave no cycle free to join the rest: start again.
        if (intentos % 200 == 199)
            usadas.clear(), aristas.clear();
        std::shuffle(vertices.begin(), vertices.end(), azar);
        const int largo = std::uniform_int_distribution(dirigido ? 2 : 3, std::max(n, 3))(azar);
        if (largo > n)
            continue;
        Lista ciclo;
        for (int i = 0; i < largo; ++i)
            ciclo.emplace_back(vertices[i], vertices[(i + 1) % largo]);
        auto clave = [&](Enlace e) { return Orden(e.first, e.second, dirigido); };
        if (std::none_of(ciclo.begin(), ciclo.end(), [&](Enlace e) { return usadas.count(clave(e)); }))
            for (Enlace e : ciclo)
                usadas.insert(clave(e)), aristas.emplace_back(e.first, e.second);
    }
    return aristas;
}

// The edges of the line after each header that ends in `cola`, in order.
std::vector<Lista> Listas(const QString& traza, const QString& cola)
{
    static const QRegularExpression arista(QStringLiteral("(\\d+) ?- ?(\\d+)"));
    std::vector<Lista> listas;
    const QStringList lineas = traza.split(QStringLiteral("\r\n"));
    for (qsizetype i = 0; i < lineas.size(); ++i) {
        const qsizetype donde = lineas[i].indexOf(cola);
        if (donde < 0)
            continue;
        const QString resto =
            donde + cola.size() < lineas[i].size() ? lineas[i].mid(donde + cola.size()) : lineas.value(i + 1);
        Lista lista;
        for (const auto& m : arista.globalMatch(resto))
            lista.emplace_back(m.captured(1).toInt(), m.captured(2).toInt());
        listas.push_back(lista);
    }
    return listas;
}

// A walk that takes each edge of the graph as often as `veces` says (once when absent), one after another, closed
// when asked.
bool Recorre(const Grafo& g, const Lista& t, bool cerrado, std::map<Enlace, int> veces = {})
{
    for (int a = 1; a <= g.dimen(); ++a)
        for (int b = g.Dirigido() ? 1 : a + 1; b <= g.dimen(); ++b)
            if (a != b && g.elem_matriz(a, b) != 0)
                veces[{a, b}] += 1;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const auto [a, b] = t[i];
        const Enlace e = Orden(a, b, g.Dirigido());
        if (--veces[e] < 0 || (i + 1 < t.size() && b != t[i + 1].first))
            return false;
    }
    return !t.empty() && (t.back().second == t.front().first) == cerrado &&
           std::all_of(veces.begin(), veces.end(), [](const auto& v) { return v.second == 0; });
}

struct Propiedades : MundoEjecucion, ::testing::Test {
    std::mt19937 azar{20240611};
    Propiedades() { persona.pasoReloj = 1; }

    // A random Eulerian graph (or digraph), seeded for this case, in the record.
    Aristas Nuevo(int caso, bool dirigido)
    {
        const int n = std::uniform_int_distribution(3, 20)(azar);
        const Aristas aristas = Euleriano(azar, n, dirigido);
        Poner(dirigido ? 2 : 0, n, aristas);
        persona.Azar().Sembrar(std::uint64_t(caso));
        return aristas;
    }
    QString Correr(const char* nombre, bool completo = true)
    {
        p.Marco().EjecucionCompleta = completo;
        p.EjecutarAlgoritmo(nombre);
        const QString traza = p.trazaPanel().Texto();
        EXPECT_TRUE(p.Vista().aceptarVisible);
        p.Aceptar_Click();
        return traza;
    }
};

// The three tours on each graph, Fleury's last as it may take an edge away.
TEST_F(Propiedades, HierholzerEmpalmaEnElPrimerVerticeLibreTuckerDevuelveElGrafoYFleuryEmpiezaDondeDebe)
{
    int sinSitio = 0;
    for (int caso = 0; caso < 300; ++caso) {
        SCOPED_TRACE(caso);
        const bool dirigido = caso % 2 == 1, abierto = caso % 3 == 0;
        const Aristas aristas = Nuevo(caso, dirigido);
        const Grafo antes = p.grafo();
        // Hierholzer's first circuit, then each new circuit and the tour it makes.
        const QString traza = Correr("Hierholzer");
        const std::vector<Lista> listas = Listas(traza, QStringLiteral(": "));
        ASSERT_EQ(listas.size() % 2, 1u);
        ASSERT_EQ(Listas(traza, QStringLiteral("final: ")).size(), 1u);
        Lista t = listas[0];
        for (std::size_t i = 1; i + 1 < listas.size(); i += 2) {
            const Lista& c = listas[i];
            // The first vertex of the tour left with a free edge.
            std::set<Enlace> usadas(t.begin(), t.end());
            int v = 0;
            for (std::size_t k = 0; k <= t.size() && v == 0; ++k) {
                const int u = k < t.size() ? t[k].first : t.back().second;
                for (int w = 1; w <= p.grafo().dimen() && v == 0; ++w)
                    if (p.grafo().elem_matriz(u, w) != 0 && !usadas.count({u, w}) &&
                        (p.grafo().Dirigido() || !usadas.count({w, u})))
                        v = u;
            }
            ASSERT_TRUE(!c.empty() && c.front().first == v && c.back().second == v);
            const auto donde = std::find_if(t.begin(), t.end(), [&](Enlace e) { return e.first == v; });
            t.insert(donde, c.begin(), c.end());
            ASSERT_EQ(t, listas[i + 1]);
        }
        EXPECT_TRUE(Recorre(p.grafo(), t, true));

        // Tucker, a third step by step: the circle positions must go back too.
        persona.mensajes.clear();
        const std::vector<Lista> finales = Listas(Correr("Tucker", !abierto), QStringLiteral("final: "));
        ASSERT_TRUE(p.grafo() == antes);
        // Past 50 vertices the split stops with its message instead.
        if (antes.numero_aristas() > Grafo::Limite) {
            ++sinSitio;
            EXPECT_TRUE(finales.empty());
            EXPECT_EQ(persona.UltimoTexto(), "ERROR: Al particionar el grafo se ha sobrepasado el límite de vértices "
                                             "permitido (50). Fin del algoritmo.");
        } else {
            EXPECT_TRUE(finales.size() == 1u && Recorre(antes, finales[0], true));
        }

        // Without one edge Fleury's tour runs open from its head to its tail.
        if (abierto) {
            p.grafo().InsertarMatriz(aristas[0].a, aristas[0].b, 0);
            if (!dirigido)
                p.grafo().InsertarMatriz(aristas[0].b, aristas[0].a, 0);
            p.grafo().InsertarNumAristas(std::int16_t(aristas.size() - 1));
            if (ContarComponentes(p.grafo()) != 1)
                continue;
        }
        const Lista f = Listas(Correr("Fleury"), QStringLiteral("formado por las aristas: ")).at(0);
        ASSERT_TRUE(Recorre(p.grafo(), f, !abierto));
        if (abierto) {
            EXPECT_EQ(Orden(f.front().first, f.back().second, dirigido), Orden(aristas[0].b, aristas[0].a, dirigido));
        }
    }
    EXPECT_GT(sinSitio, 10);
}

TEST_F(Propiedades, ElCarteroPesaLoQueElGrafoMasSuEmparejamientoYEsOptimoConCuatroImpares)
{
    for (int caso = 0; caso < 300; ++caso) {
        SCOPED_TRACE(caso);
        const int n = std::uniform_int_distribution(2, 12)(azar);
        const Aristas aristas = AristasAlAzar(azar, TipoGrafo::Ponderado, n, 0.2, true, 20);
        Poner(TipoGrafo::Ponderado, n, aristas);
        const Grafo& g = p.grafo();
        std::vector<std::vector<int>> d(n + 1, std::vector<int>(n + 1, 1 << 20));
        std::vector<int> grado(n + 1);
        int peso = 0;
        for (auto [a, b, w] : aristas) {
            d[a][b] = d[b][a] = w;
            peso += w;
            ++grado[a], ++grado[b];
        }
        persona.Azar().Sembrar(std::uint64_t(caso));
        const QString traza = Correr("Cartero");
        const std::vector<Lista> pares = Listas(traza, QStringLiteral("siguientes aristas: "));
        const Lista duplicadas = pares.empty() ? Lista{} : pares[0];
        std::map<Enlace, int> veces;
        int extra = 0;
        for (auto [a, b] : duplicadas)
            ++veces[Orden(a, b, false)], extra += g.elem_matriz(a, b);
        ASSERT_TRUE(Recorre(g, Listas(traza, QStringLiteral("formado por las aristas: ")).at(0), true, veces));
        EXPECT_TRUE(traza.contains(QStringLiteral("Peso total del recorrido: %1\r\n").arg(peso + extra)));
        // Every pairing of at most four odd vertices, on Floyd-Warshall's distances.
        for (int k = 1; k <= n; ++k)
            for (int i = 1; i <= n; ++i)
                for (int j = 1; j <= n; ++j)
                    d[i][j] = std::min(d[i][j], i == j ? 0 : d[i][k] + d[k][j]);
        std::vector<int> o;
        for (int v = 1; v <= n; ++v)
            if (grado[v] % 2)
                o.push_back(v);
        if (o.size() == 2) {
            EXPECT_EQ(extra, d[o[0]][o[1]]);
        } else if (o.size() == 4) {
            EXPECT_EQ(extra, std::min({d[o[0]][o[1]] + d[o[2]][o[3]], d[o[0]][o[2]] + d[o[1]][o[3]],
                                       d[o[0]][o[3]] + d[o[1]][o[2]]}));
        }
    }
}

} // namespace
