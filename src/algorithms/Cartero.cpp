#include "algorithms/Cartero.h"

#include <algorithm>
#include <limits>

#include "algorithms/Conectividad.h"
#include "algorithms/Euler.h"
#include "costuras/Interaccion.h"
#include "drawing/Dibujo.h"
#include "model/Grafo.h"
#include "run/Algoritmo.h"
#include "run/MarcoEjecucion.h"
#include "run/VentanaEjecucion.h"

namespace {

const QColor Verde{0, 128, 0};
const QColor AzulMarino{0, 0, 128};
const QColor ColorRecorrido{192, 0, 192};

// Shortest paths from `origen` by total weight (no weight is negative here);
// among paths of equal weight, the one found first from the lower vertex.
struct Caminos {
    std::vector<int> distancia;
    std::vector<int> previo;

    Caminos(const Grafo& g, int origen)
        : distancia(g.dimen() + 1, std::numeric_limits<int>::max()), previo(g.dimen() + 1, 0)
    {
        std::vector<bool> hecho(g.dimen() + 1, false);
        distancia[origen] = 0;
        for (;;) {
            int u = 0;
            for (int v = 1; v <= g.dimen(); ++v)
                if (!hecho[v] && distancia[v] != std::numeric_limits<int>::max() &&
                    (u == 0 || distancia[v] < distancia[u]))
                    u = v;
            if (u == 0)
                return;
            hecho[u] = true;
            for (int v = 1; v <= g.dimen(); ++v)
                if (g.elem_matriz(u, v) != 0 && distancia[u] + g.elem_matriz(u, v) < distancia[v]) {
                    distancia[v] = distancia[u] + g.elem_matriz(u, v);
                    previo[v] = u;
                }
        }
    }
    // The edges from the origin to `destino`, in path order.
    ListaAristas Hasta(int destino) const
    {
        ListaAristas camino;
        for (int v = destino; previo[v] != 0; v = previo[v])
            camino.push_back(CodigoArista(previo[v], v));
        std::reverse(camino.begin(), camino.end());
        return camino;
    }
};

int Peso(const std::vector<std::vector<int>>& d, const Parejas& parejas)
{
    int total = 0;
    for (const auto& [a, b] : parejas)
        total += d[a][b];
    return total;
}

// Every two pairs in turn, each switched to the cheapest other way of
// pairing their four vertices when that is strictly cheaper.
int Barrido(const std::vector<std::vector<int>>& d, Parejas& parejas)
{
    for (std::size_t x = 0; x < parejas.size(); ++x)
        for (std::size_t y = x + 1; y < parejas.size(); ++y) {
            const auto [a, b] = parejas[x];
            const auto [c, e] = parejas[y];
            const int actual = d[a][b] + d[c][e];
            const int cruzada = d[a][e] + d[c][b];
            const int otra = d[a][c] + d[b][e];
            if (cruzada < actual && cruzada <= otra) {
                parejas[x] = {a, e};
                parejas[y] = {c, b};
            } else if (otra < actual) {
                parejas[x] = {a, c};
                parejas[y] = {b, e};
            }
        }
    return Peso(d, parejas);
}

QString Lista(const std::vector<std::pair<int, int>>& pares)
{
    QStringList partes;
    for (const auto& [a, b] : pares)
        partes << QStringLiteral("%1-%2").arg(a).arg(b);
    return partes.join(QStringLiteral(", ")) + NL;
}

struct Postman {
    explicit Postman(Contexto& contexto) : c(contexto), marco(contexto.marco) {}
    Contexto& c;
    MarcoEjecucion& marco;
    ListaAristas duplicadas;

    bool PasoAPaso() const { return !marco.EjecucionCompleta; }
    void Trazar(const QString& texto, bool negrita = false, const QColor& color = NegroEuler)
    {
        marco.AñadirTraza(texto, negrita, color);
    }
    bool Impares(const std::vector<std::int16_t>& impares);
    bool Duplicar(const std::vector<std::int16_t>& impares);
    bool Recorrer();
};

// Tells and shows the odd vertices; false when Escape ended the run.
bool Postman::Impares(const std::vector<std::int16_t>& impares)
{
    if (impares.empty()) {
        Trazar(QStringLiteral("El grafo es euleriano. La solución al problema es cualquier recorrido "
                              "euleriano del mismo.") +
               NL);
    } else {
        QStringList lista;
        for (const std::int16_t v : impares)
            lista << QString::number(v);
        Trazar(QStringLiteral("Los siguientes vértices tienen grado impar: "));
        Trazar(lista.join(QStringLiteral(", ")) + NL, false, AzulEuler);
        Trazar(QStringLiteral("Debemos hallar un emparejamiento perfecto en el grafo completo "
                              "formado por los vértices impares. ") +
               NL +
               QStringLiteral("El peso de cada arista de este grafo completo es el peso "
                              "del camino mínimo entre los 2 vértices. ") +
               NL +
               QStringLiteral("Duplicaremos las aristas que forman el camino mínimo entre los vértices "
                              "del emparejamiento. ") +
               NL);
    }
    if (!PasoAPaso())
        return true;
    for (const std::int16_t v : impares)
        c.dibujo.DibujarVerticeRelleno(v, Verde);
    marco.PausaPaso();
    for (const std::int16_t v : impares)
        c.dibujo.DibujarVertice(v, NegroEuler);
    return !SalirConEscape(c);
}

// Pairs the odd vertices and duplicates the shortest path of each pair.
bool Postman::Duplicar(const std::vector<std::int16_t>& impares)
{
    std::vector<Caminos> caminos;
    std::vector<std::vector<int>> distancias;
    for (const std::int16_t v : impares) {
        caminos.emplace_back(c.grafo, v);
        distancias.emplace_back();
        for (const std::int16_t w : impares)
            distancias.back().push_back(caminos.back().distancia[w]);
    }
    std::vector<std::pair<int, int>> vertices, aristas;
    for (const auto& [i, j] : Emparejamiento(distancias, c.persona.Azar())) {
        vertices.emplace_back(impares[i], impares[j]);
        for (const std::int16_t codigo : caminos[i].Hasta(impares[j])) {
            duplicadas.push_back(codigo);
            aristas.emplace_back(OrigenArista(codigo), DestinoArista(codigo));
        }
    }
    Trazar(NL + QStringLiteral("Vértices emparejados: "));
    Trazar(Lista(vertices), false, AzulEuler);
    Trazar(NL + QStringLiteral("Duplicamos las siguientes aristas: "));
    Trazar(Lista(aristas), false, AzulEuler);
    if (!PasoAPaso())
        return true;
    for (const std::int16_t codigo : duplicadas)
        DibujarPaso(c, codigo, AzulMarino, 0);
    return !PausarOSalir(c);
}

// The tour edge by edge, one a second; a duplicated edge's passages go to
// the two sides of its line in turn. False when Escape ended the run.
bool Postman::Recorrer()
{
    Redibujar(c, true);
    const ListaAristas recorrido = Recorrido_Cartero(c.grafo, duplicadas, c.persona.Azar());
    std::vector<std::vector<int>> pasadas(c.grafo.dimen() + 1, std::vector<int>(c.grafo.dimen() + 1, 0));
    int total = 0;
    for (std::size_t i = 0; i < recorrido.size(); ++i) {
        const int a = std::min(OrigenArista(recorrido[i]), DestinoArista(recorrido[i]));
        const int b = std::max(OrigenArista(recorrido[i]), DestinoArista(recorrido[i]));
        const bool doble = std::any_of(duplicadas.begin(), duplicadas.end(), [&](std::int16_t d) {
            return d == CodigoArista(a, b) || d == CodigoArista(b, a);
        });
        int lado = 0;
        if (doble) {
            DibujarPaso(c, CodigoArista(a, b), Qt::white, 0);
            lado = ++pasadas[a][b] % 2 == 1 ? 1 : 2;
        }
        DibujarPaso(c, CodigoArista(a, b), ColorRecorrido, static_cast<int>(i) + 1, lado);
        total += c.grafo.elem_matriz(a, b);
        marco.EsperarPaso();
        if (SalirConEscape(c))
            return false;
    }
    Escribir_Recorrido(c, recorrido);
    Trazar(NL + QStringLiteral("Peso total del recorrido: "));
    Trazar(QString::number(total) + NL, true, AzulEuler);
    return true;
}

bool Aceptable(const Grafo& g)
{
    return g.Tipo() == TipoGrafo::Ponderado && g.numero_aristas() >= 1 && (g.dimen() == 0 || ContarComponentes(g) == 1);
}

// A negative edge walked back and forth makes every route shorter without
// end: shortest paths, and so the postman's tour, do not exist.
bool PesoNegativo(const Grafo& g)
{
    for (int a = 1; a <= g.dimen(); ++a)
        for (int b = 1; b <= g.dimen(); ++b)
            if (g.elem_matriz(a, b) < 0)
                return true;
    return false;
}

} // namespace

Parejas Emparejamiento(const std::vector<std::vector<int>>& distancias, FuenteAleatoria& azar)
{
    const int k = static_cast<int>(distancias.size());
    std::vector<bool> emparejado(k, false);
    Parejas parejas;
    azar.ResembrarDelReloj();
    for (int a = 0; a < k; ++a) {
        if (emparejado[a])
            continue;
        emparejado[a] = true;
        int b = 0;
        do
            b = azar.Aleatorio(0, k - 1);
        while (emparejado[b]);
        emparejado[b] = true;
        parejas.emplace_back(a, b);
    }
    for (int anterior = Barrido(distancias, parejas);;) {
        const int total = Barrido(distancias, parejas);
        if (total == anterior)
            return parejas;
        anterior = total;
    }
}

ListaAristas Recorrido_Cartero(const Grafo& grafo, const ListaAristas& duplicadas, FuenteAleatoria& azar)
{
    GrafoRestante restante(grafo);
    for (const std::int16_t codigo : duplicadas)
        restante.Añadir(codigo);
    const int total = restante.Total();
    azar.ResembrarDelReloj();
    int actual = azar.Aleatorio(1, grafo.dimen());
    ListaAristas recorrido;
    while (static_cast<int>(recorrido.size()) < total) {
        const ListaAristas candidatas = restante.Aristas_Candidatas(actual);
        if (candidatas.empty())
            break;
        const std::int16_t codigo = Elegir_Arista(candidatas, restante, azar);
        recorrido.push_back(codigo);
        restante.Quitar(codigo);
        actual = DestinoArista(codigo);
    }
    return recorrido;
}

void Cartero(Contexto& contexto)
{
    const QString rechazo = !Aceptable(contexto.grafo)
                                ? QStringLiteral("El grafo debe ser conexo, ponderado simple y con aristas.")
                            : PesoNegativo(contexto.grafo) ? QStringLiteral("El grafo tiene aristas de peso negativo.")
                                                           : QString();
    if (!rechazo.isEmpty()) {
        contexto.persona.Mensaje(rechazo, QStringLiteral("Problema del cartero"), Icono::Exclamacion, Botones::Aceptar);
        return;
    }
    EmpezarRecorrido(contexto, QStringLiteral("Problema del CARTERO"));
    Postman postman(contexto);
    const std::vector<std::int16_t> impares = Vertices_Impares(contexto.grafo).lista;
    if (!postman.Impares(impares))
        return;
    if (!impares.empty() && !postman.Duplicar(impares))
        return;
    if (postman.Recorrer())
        contexto.marco.FinalizarEjecucion();
}
