// The searches, the path and Dijkstra against Boost.Graph on seeded random graphs, run as nodeva-cli runs
// them. Boost's arcs go in row by row, so its visits take the neighbours in increasing order as ours do.
#include <QRegularExpression>
#include <boost/graph/breadth_first_search.hpp>
#include <boost/graph/depth_first_search.hpp>
#include <boost/graph/dijkstra_shortest_paths.hpp>
#include <limits>
#include <random>

#include "algorithms/Busqueda.h"
#include "algorithms/CatalogoOrdenes.h"
#include "support/GrafoBoost.h"
#include "support/MundoEjecucion.h"

namespace {

using Arcos = std::vector<std::pair<int, int>>;

// What a visit found, 1-based: the vertices in order of discovery and the tree edges in the order they were followed.
template <typename Base> struct Registro : Base {
    std::vector<int>* orden;
    Arcos* arbol;
    template <typename V, typename G> void discover_vertex(V v, const G&) { orden->push_back(int(v) + 1); }
    template <typename E, typename G> void tree_edge(E e, const G& g)
    {
        arbol->emplace_back(int(source(e, g)) + 1, int(target(e, g)) + 1);
    }
};

struct Oraculo : MundoRecorrido {
    std::mt19937 azar{20240612};
    int Uno(int desde, int hasta) { return std::uniform_int_distribution(desde, hasta)(azar); }

    // Of this type, connected or not, at a random density.
    void Aleatorio(int tipo, int n, bool conexo, int pesoMaximo)
    {
        const double densidad = std::uniform_real_distribution(0.0, 4.0)(azar) / n;
        Poner(tipo, n, AristasAlAzar(azar, tipo, n, densidad, conexo, pesoMaximo));
    }
    GrafoBoost Boost() const { return ABoost<GrafoBoost>(p.grafo()); }
    template <typename Base, typename Visita> std::pair<std::vector<int>, Arcos> Visitar(Visita visita)
    {
        std::pair<std::vector<int>, Arcos> r;
        Registro<Base> registro;
        registro.orden = &r.first;
        registro.arbol = &r.second;
        visita(Boost(), registro);
        return r;
    }
    // A straight run as the command line starts it; the trace's counted runs, without the end prompt.
    QString Correr(const char* orden, const Parametros& parametros)
    {
        p.Aceptar_Click();
        lienzo.Olvidar();
        p.EjecutarOrdenCompleta(*OrdenPorCli(orden), parametros);
        QString texto;
        for (const Pieza& pieza : Piezas())
            texto += pieza.texto;
        return texto;
    }
    // A root, or the two ends (destino 0: every vertex).
    static Parametros Con(int raiz, int origen = 0, int destino = 0)
    {
        Parametros p;
        p.raiz = std::int16_t(raiz);
        p.origen = std::int16_t(origen);
        p.destino = std::int16_t(destino);
        p.todos = origen != 0 && destino == 0;
        return p;
    }
    static std::vector<int> Numeros(const QString& texto, const QString& separador)
    {
        std::vector<int> numeros;
        for (const QString& s : texto.split(separador, Qt::SkipEmptyParts))
            numeros.push_back(s.toInt());
        return numeros;
    }
};

// Depth-first also numbers the vertices and keeps the tree, called straight.
TEST_F(Oraculo, BusquedasVisitanYNumeranComoBoost)
{
    for (int k = 0; k < 600; ++k) {
        const int n = Uno(1, 50), raiz = Uno(1, n);
        const bool profundidad = k % 4 < 2;
        Aleatorio(k % 2, n, true, 1);
        SCOPED_TRACE(testing::Message() << "caso " << k << ", n " << n << ", raíz " << raiz);
        const auto [orden, arbol] =
            profundidad ? Visitar<boost::default_dfs_visitor>([&](const GrafoBoost& b, auto& r) {
                boost::depth_first_search(b, boost::visitor(r).root_vertex(std::size_t(raiz - 1)));
            })
                        : Visitar<boost::default_bfs_visitor>([&](const GrafoBoost& b, auto& r) {
                              boost::breadth_first_search(b, raiz - 1, boost::visitor(r));
                          });
        if (profundidad) {
            Contexto c{p.grafo(), p.dibujo(), p.Marco(), p.Persona()};
            ASSERT_EQ(BusquedaProfundidad(c, std::int16_t(raiz)), n - 1);
            EXPECT_TRUE(p.trazaPanel().Texto().isEmpty() && !p.Vista().areaHabilitada);
            for (int i = 0; i < n; ++i)
                ASSERT_EQ(p.Marco().OrdenDFS[orden[i]], i);
            for (int e = 1; e < n; ++e)
                ASSERT_EQ(std::pair(int(p.Marco().ArbolDesde[e]), int(p.Marco().ArbolHasta[e])), arbol[e - 1]);
        }
        const QString texto = Correr(profundidad ? "En_Profundidad" : "En_Anchura", Con(raiz));
        ASSERT_EQ(Numeros(texto.mid(texto.indexOf(":  ") + 3).remove("\r\n"), ", "), orden);
        EXPECT_EQ(persona.pausas.size(), 0u);
    }
}

// The path is that of Boost's breadth-first tree; Dijkstra's labels are Boost's distances below 10000.
TEST_F(Oraculo, CaminoYDijkstraComoBoost)
{
    int sinCamino = 0, lejanos = 0;
    for (int k = 0; k < 300; ++k) {
        const int n = Uno(2, 50), origen = Uno(1, n);
        const int destino = (origen + Uno(0, n - 2)) % n + 1;
        Aleatorio(k % 4, n, false, Uno(0, 1) ? 3 : 9999);
        SCOPED_TRACE(testing::Message() << "caso " << k << ", n " << n << ", " << origen << " a " << destino);
        const Arcos arbol = Visitar<boost::default_bfs_visitor>([&](const GrafoBoost& b, auto& r) {
                                boost::breadth_first_search(b, origen - 1, boost::visitor(r));
                            }).second;
        std::vector<int> previo(n + 1);
        for (auto [a, b] : arbol)
            previo[b] = a;
        QString esperado = QString("No existe camino entre los vértices %1 y %2.\r\n").arg(origen).arg(destino);
        if (previo[destino] != 0) {
            QString camino = QString::number(destino);
            for (int v = destino; v != origen; v = previo[v])
                camino = QString::number(previo[v]) + " - " + camino;
            esperado = "Camino:   " + camino + "    FIN Camino\r\n";
        }
        sinCamino += previo[destino] == 0;
        ASSERT_EQ(Correr("Camino", Con(0, origen, destino)), esperado);

        const GrafoBoost b = Boost();
        std::vector<int> distancia(n);
        boost::dijkstra_shortest_paths(b, origen - 1, boost::distance_map(distancia.data()));
        auto etiqueta = [&](int v) { return distancia[v - 1] < 10000 ? QString::number(distancia[v - 1]) : "-"; };

        const QStringList lineas = Correr("Dijkstra", Con(0, origen, 0)).split("\r\n");
        const QStringList ultima = lineas[lineas.size() - 2].split('\t', Qt::SkipEmptyParts);
        ASSERT_EQ(ultima.size(), n);
        for (int v = 1; v <= n; ++v) {
            ASSERT_EQ(ultima[v - 1], etiqueta(v)) << v;
            lejanos += distancia[v - 1] >= 10000 && distancia[v - 1] < std::numeric_limits<int>::max();
        }

        const QString texto = Correr("Dijkstra", Con(0, origen, destino));
        if (etiqueta(destino) == "-") {
            ASSERT_TRUE(texto.endsWith(QString("vértices %1 y %2\r\n").arg(origen).arg(destino)));
            continue;
        }
        ASSERT_TRUE(texto.endsWith("LONGITUD TOTAL DEL CAMINO: " + etiqueta(destino) + "\r\n"));
        static const QRegularExpression camino("Camino: ([0-9 -]+)\r\n");
        const std::vector<int> vertices = Numeros(camino.match(texto).captured(1), " - ");
        ASSERT_TRUE(vertices.front() == origen && vertices.back() == destino);
        int longitud = 0;
        for (std::size_t i = 0; i + 1 < vertices.size(); ++i) {
            ASSERT_NE(p.grafo().elem_matriz(vertices[i], vertices[i + 1]), 0);
            longitud += p.grafo().elem_matriz(vertices[i], vertices[i + 1]);
        }
        EXPECT_EQ(longitud, distancia[destino - 1]);
    }
    EXPECT_TRUE(sinCamino > 30 && sinCamino < 270);
    EXPECT_GT(lejanos, 10);
}

} // namespace
