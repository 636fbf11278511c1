// The four colourings on seeded random simple graphs against orders computed here another way and
// Boost.Graph's greedy colouring along them, read back from the trace.
#include <QRegularExpression>
#include <boost/graph/adjacency_list.hpp>
#include <boost/graph/sequential_vertex_coloring.hpp>
#include <numeric>
#include <random>
#include <set>
#include <tuple>

#include "algorithms/MundoConectividad.h"
#include "support/MundoEjecucion.h"

namespace {

using Grafico = boost::adjacency_list<boost::vecS, boost::vecS, boost::undirectedS>;
using Lista = std::vector<int>; // vertices from 1

int Grado(const Grafico& g, int v, const std::vector<bool>& fuera = {})
{
    int grado = 0;
    for (const auto w : boost::make_iterator_range(adjacent_vertices(v - 1, g)))
        grado += fuera.empty() || !fuera[w + 1];
    return grado;
}

Lista PorGrado(const Grafico& g)
{
    Lista orden(num_vertices(g));
    std::iota(orden.begin(), orden.end(), 1);
    std::sort(orden.begin(), orden.end(),
              [&](int a, int b) { return std::pair(-Grado(g, a), a) < std::pair(-Grado(g, b), b); });
    return orden;
}

// Each time the vertex of least degree among those left goes last.
Lista MenorUltimo(const Grafico& g)
{
    const int n = int(num_vertices(g));
    Lista orden(n);
    std::vector<bool> fuera(n + 1, false);
    for (int p = n - 1; p >= 0; --p) {
        int elegido = 0;
        for (int v = 1; v <= n; ++v)
            if (!fuera[v] && (elegido == 0 || Grado(g, v, fuera) < Grado(g, elegido, fuera)))
                elegido = v;
        orden[p] = elegido;
        fuera[elegido] = true;
    }
    return orden;
}

// Boost's greedy colouring along the order, colours from 1.
Lista Voraz(const Grafico& g, const Lista& orden)
{
    std::vector<std::size_t> vertices, color(num_vertices(g));
    for (int v : orden)
        vertices.push_back(std::size_t(v - 1));
    boost::sequential_vertex_coloring(
        g, boost::make_iterator_property_map(vertices.begin(), boost::identity_property_map()),
        boost::make_iterator_property_map(color.begin(), get(boost::vertex_index, g)));
    Lista colores(1, 0);
    for (std::size_t c : color)
        colores.push_back(int(c) + 1);
    return colores;
}

// The most saturated next, then the larger degree, then the lower number.
std::pair<Lista, Lista> Saturacion(const Grafico& g)
{
    const int n = int(num_vertices(g));
    Lista orden, color(n + 1, 0);
    auto vecinos = [&](int v) {
        std::set<int> colores;
        for (const auto w : boost::make_iterator_range(adjacent_vertices(v - 1, g)))
            if (color[w + 1] != 0)
                colores.insert(color[w + 1]);
        return colores;
    };
    while (int(orden.size()) < n) {
        std::tuple<int, int, int> mejor{-1, 0, 0};
        for (int v = 1; v <= n; ++v)
            if (color[v] == 0)
                mejor = std::max(mejor, std::make_tuple(int(vecinos(v).size()), Grado(g, v), -v));
        const int v = -std::get<2>(mejor);
        const std::set<int> usados = vecinos(v);
        for (color[v] = 1; usados.count(color[v]); ++color[v]) {
        }
        orden.push_back(v);
    }
    return {orden, color};
}

struct Leida {
    Lista orden;
    std::vector<Lista> clases; // colour 1 first
    int k = -1;
};

// The trace read back with its padding taken out.
Leida Leer(QString traza)
{
    traza.remove(u'_');
    Leida l;
    auto numeros = [](const QString& texto, Lista& a) {
        for (const QString& n : texto.split(u',', Qt::SkipEmptyParts))
            a.push_back(n.trimmed().toInt());
    };
    static const QRegularExpression resumen(QStringLiteral("^Se han usado (\\d+) colores"));
    for (const QString& linea : traza.split(QStringLiteral("\r\n"))) {
        const QString resto = linea.section(QStringLiteral(" : "), 1);
        if (linea.startsWith(QStringLiteral("Orden de Coloración : ")))
            numeros(resto, l.orden);
        else if (linea.startsWith(QStringLiteral("Color  : ")))
            numeros(resto, l.clases.back());
        else if (linea.startsWith(QStringLiteral("Color ")))
            numeros(resto, l.clases.emplace_back());
        else if (const auto m = resumen.match(linea); m.hasMatch())
            l.k = m.captured(1).toInt();
    }
    return l;
}

TEST(ColoracionOraculo, LasCuatroSiguenSuOrdenYListanSusColores)
{
    std::mt19937 azar(20240612);
    for (int caso = 0; caso < 250; ++caso) {
        const int n = caso == 0 ? 50 : std::uniform_int_distribution(1, 50)(azar);
        const double densidad = std::array{0.0, 0.03, 0.15, 0.4, 0.8}[caso % 5];
        const AristasPeso aristas = AristasAlAzar(azar, TipoGrafo::Simple, n, densidad, false);
        Grafico grafico(n);
        for (auto [a, b, peso] : aristas)
            add_edge(a - 1, b - 1, grafico);
        Lista usuario(n);
        std::iota(usuario.begin(), usuario.end(), 1);
        std::shuffle(usuario.begin(), usuario.end(), azar);
        const auto [brelaz, coloresBrelaz] = Saturacion(grafico);
        const std::pair<QString, std::pair<Lista, Lista>> esperados[] = {
            {"Coloración Secuencial", {usuario, Voraz(grafico, usuario)}},
            {"Coloración Welsh-Powell", {PorGrado(grafico), Voraz(grafico, PorGrado(grafico))}},
            {"Coloración Matula-Marble-Isaacson",
             {MenorUltimo(grafico), Voraz(grafico, MenorUltimo(grafico))}},
            {"Coloración Brelaz", {brelaz, coloresBrelaz}},
        };
        for (const auto& [nombre, esperado] : esperados) {
            SCOPED_TRACE("caso " + std::to_string(caso) + ", n = " + std::to_string(n) + ", " +
                         nombre.toStdString());
            const auto& [orden, color] = esperado;
            MundoEjecucion m;
            Principal& p = m.p;
            PonerGrafo(p, TipoGrafo::Simple, n, aristas);
            p.IniciarAlgoritmo(nombre, {.lista = ListaVertices(usuario.begin(), usuario.end())});
            const Leida leida = Leer(p.trazaPanel().Texto());
            EXPECT_EQ(leida.orden, nombre.endsWith("Brelaz") ? Lista{} : orden);
            std::vector<Lista> clases(*std::max_element(color.begin(), color.end()));
            for (const int v : orden)
                clases[color[v] - 1].push_back(v);
            ASSERT_EQ(leida.clases, clases);
            EXPECT_EQ(leida.k, int(clases.size()));
            for (const auto e : boost::make_iterator_range(edges(grafico)))
                EXPECT_NE(color[source(e, grafico) + 1], color[target(e, grafico) + 1]);
            EXPECT_FALSE(Visible(p.trazaPanel()).contains(u'_'));
        }
    }
}

} // namespace
