// The path with the fewest edges and Dijkstra's table. The table is what
// the person reads: one row per iteration, a definitive vertex in bold navy
// (its head cell too), a tentative label in plain black, "-" where there is
// none. Every iteration recomputes the labels from all definitive vertices
// in increasing order, and only a strictly smaller sum replaces a label, so
// ties keep the lower-numbered predecessor and, among equal labels, the
// lower-numbered vertex becomes definitive first.
#include "algorithms/Caminos.h"

#include <QStringList>
#include <array>
#include <queue>
#include <vector>

#include "drawing/Dibujo.h"
#include "drawing/Lienzo.h"
#include "model/Grafo.h"
#include "run/Algoritmo.h"
#include "run/MarcoEjecucion.h"
#include "run/Traza.h"

namespace {

const QColor Negro{Qt::black};
const QColor Rojo{Qt::red};
const QColor Azul{Qt::blue};
const QString SaltoLinea = QStringLiteral("\r\n");
const QString Tab = QStringLiteral("\t");
// Drawing colours: a definitive vertex, an edge of the shortest-path tree,
// the path to the destination (Dijkstra's and the fewest-edges one), the
// destination reached.
constexpr int ColorDefinitivo = 12, ColorArbolCaminos = 10, ColorCaminoDijkstra = 1, ColorCamino = 3, ColorDestino = 3;
// Above every distance worth showing: no route, or no label yet.
constexpr int Infinito = 10000;

using PorVertice = std::array<int, Grafo::Limite + 1>; // 1-based

// The path from destino back to origen through each vertex's predecessor.
std::vector<int> Retroceder(int origen, int destino, const PorVertice& previo)
{
    std::vector<int> camino{destino};
    while (camino.back() != origen)
        camino.push_back(previo[camino.back()]);
    return camino;
}

// "1 - 2 - 3", from the origin.
QString Nombrar(const std::vector<int>& camino)
{
    QStringList numeros;
    for (auto v = camino.rbegin(); v != camino.rend(); ++v)
        numeros << QString::number(*v);
    return numeros.join(QStringLiteral(" - "));
}

// Both ends marked in `color`, and the sentence; Camino's ends with a period
// of its own, Dijkstra's with the destination's line break.
void NoExisteCamino(Contexto& c, int origen, int destino, const QColor& color, bool punto)
{
    Lienzo& lienzo = c.dibujo.Superficie();
    lienzo.PonerAnchoLinea(2);
    c.dibujo.DibujarVertice(origen, color);
    c.dibujo.DibujarVertice(destino, color);
    lienzo.PonerAnchoLinea(1);
    MarcoEjecucion& marco = c.marco;
    marco.AñadirTraza(QStringLiteral("No existe camino entre los vértices "), false, Negro);
    marco.AñadirTraza(QString::number(origen), true, color);
    marco.AñadirTraza(QStringLiteral(" y "), false, Negro);
    if (!punto) {
        marco.AñadirTraza(QString::number(destino) + SaltoLinea, true, color);
        return;
    }
    marco.AñadirTraza(QString::number(destino), true, color);
    marco.AñadirTraza(QStringLiteral(".") + SaltoLinea, false, Negro);
}

// Breadth-first from origen until destino is discovered: each vertex's
// predecessor, 0 for those not reached.
PorVertice PorNiveles(const Grafo& g, int origen, int destino)
{
    PorVertice previo{};
    std::array<bool, Grafo::Limite + 1> visto{};
    std::queue<int> cola;
    cola.push(origen);
    visto[origen] = true;
    while (!cola.empty() && !visto[destino]) {
        const int v = cola.front();
        cola.pop();
        for (int w = 1; w <= g.dimen() && !visto[destino]; ++w)
            if (g.elem_matriz(v, w) != 0 && !visto[w]) {
                visto[w] = true;
                previo[w] = v;
                cola.push(w);
            }
    }
    return previo;
}

class TablaDijkstra {
public:
    TablaDijkstra(Contexto& c, int origen, int destino)
        : c_(c), marco_(c.marco), n_(c.grafo.dimen()), origen_(origen), destino_(destino)
    {
        provisional_.fill(Infinito);
    }

    void Ejecutar()
    {
        marco_.PrepararEjecucion();
        // The table is wide; the end of the run puts the size back.
        marco_.traza().PonerTamañoLetra(8);
        definitivo_[origen_] = true;
        c_.dibujo.DibujarVertice(origen_, c_.dibujo.Color(ColorDefinitivo));
        Cabecera();
        bool cambio = true;
        while (cambio && Pendiente()) {
            cambio = Etiquetar();
            Fila(0);
            marco_.PausaPaso();
            if (cambio)
                FijarElMenor();
        }
        if (destino_ != 0 && !definitivo_[destino_]) {
            NoExisteCamino(c_, origen_, destino_, Rojo, false);
        } else if (destino_ != 0) {
            Fila(destino_);
            marco_.PausaPaso();
            MostrarCamino();
        }
        marco_.FinalizarEjecucion();
    }

private:
    bool Pendiente() const { return destino_ == 0 || !definitivo_[destino_]; }

    void Cabecera()
    {
        marco_.AñadirTraza(QStringLiteral("Algoritmo de DIJKSTRA") + SaltoLinea + SaltoLinea + Tab, true, Negro);
        for (int v = 1; v <= n_; ++v) {
            marco_.AñadirTraza(QString::number(v) + Tab, definitivo_[v], ColorTrazaPorDefecto);
            cabecera_[v] = marco_.traza().NumFormatos();
        }
        marco_.AñadirTraza(SaltoLinea + QStringLiteral("------------").repeated(n_) + SaltoLinea, true, Negro);
    }

    // New labels from every definitive vertex; whether any was set.
    bool Etiquetar()
    {
        bool cambio = false;
        for (int u = 1; u <= n_; ++u) {
            if (!definitivo_[u])
                continue;
            for (int w = 1; w <= n_; ++w) {
                const int peso = c_.grafo.elem_matriz(u, w);
                if (definitivo_[w] || peso == 0 || final_[u] + peso >= provisional_[w])
                    continue;
                provisional_[w] = final_[u] + peso;
                predecesor_[w] = u;
                cambio = true;
            }
        }
        return cambio;
    }

    // One row of the table; `resaltado` (the destination once reached) in
    // bold palette 12 instead of navy.
    void Fila(int resaltado)
    {
        const QColor marino = c_.dibujo.Color(3);
        marco_.AñadirTraza(Tab, false, Negro);
        for (int v = 1; v <= n_; ++v) {
            if (definitivo_[v]) {
                marco_.AñadirTraza(QString::number(final_[v]) + Tab, true,
                                   v == resaltado ? c_.dibujo.Color(12) : marino);
                const FormatoTraza cabecera = marco_.traza().Formato(cabecera_[v]);
                marco_.traza().PonerFormato(cabecera_[v], {cabecera.longitud, true, marino});
            } else if (provisional_[v] < Infinito) {
                marco_.AñadirTraza(QString::number(provisional_[v]) + Tab, false, Negro);
            } else {
                // Keeps the wide table's columns in line past vertex 1.
                marco_.AñadirTraza(QStringLiteral("-") + Tab + (v == 1 && n_ > 15 ? Tab : QString()), false, Negro);
            }
        }
        marco_.AñadirTraza(SaltoLinea, false, Negro);
    }

    void FijarElMenor()
    {
        int elegido = 0;
        for (int v = 1; v <= n_; ++v)
            if (!definitivo_[v] && provisional_[v] < Infinito &&
                (elegido == 0 || provisional_[v] < provisional_[elegido]))
                elegido = v;
        definitivo_[elegido] = true;
        final_[elegido] = provisional_[elegido];
        c_.dibujo.DibujarVertice(elegido, c_.dibujo.Color(ColorDefinitivo));
        c_.dibujo.DibujarArista(predecesor_[elegido], elegido, c_.dibujo.Color(ColorArbolCaminos), 0, 0, 0);
        provisional_.fill(Infinito);
    }

    void MostrarCamino()
    {
        marco_.AñadirTraza(QStringLiteral("Camino: "), false, Negro);
        const std::vector<int> camino = Retroceder(origen_, destino_, predecesor_);
        Lienzo& lienzo = c_.dibujo.Superficie();
        lienzo.PonerAnchoLinea(2);
        // From the destination's end; the last edge leaves the destination navy.
        for (std::size_t k = 0; k + 1 < camino.size(); ++k) {
            c_.dibujo.DibujarAristaColor(camino[k + 1], camino[k], c_.dibujo.Color(ColorCaminoDijkstra));
            c_.dibujo.DibujarVertice(camino[k + 1], Azul);
            if (k + 2 < camino.size())
                c_.dibujo.DibujarVertice(camino[k], Azul);
            else
                c_.dibujo.DibujarVertice(destino_, c_.dibujo.Color(ColorDestino));
        }
        lienzo.PonerAnchoLinea(1);
        marco_.AñadirTraza(Nombrar(camino), true, Azul);
        marco_.AñadirTraza(SaltoLinea + SaltoLinea + QStringLiteral("LONGITUD TOTAL DEL CAMINO: "), false, Negro);
        marco_.AñadirTraza(QString::number(final_[destino_]) + SaltoLinea, true, c_.dibujo.Color(12));
    }

    Contexto& c_;
    MarcoEjecucion& marco_;
    const int n_, origen_, destino_;
    std::array<bool, Grafo::Limite + 1> definitivo_{};
    PorVertice final_{};
    PorVertice provisional_{};
    PorVertice predecesor_{};
    PorVertice cabecera_{}; // the format entry of each vertex's head cell
};

} // namespace

void CaminoEntreVertices(Contexto& c, std::int16_t origen, std::int16_t destino)
{
    c.marco.PrepararEjecucion();
    const PorVertice previo = PorNiveles(c.grafo, origen, destino);
    if (origen != destino && previo[destino] == 0) {
        NoExisteCamino(c, origen, destino, c.dibujo.Color(3), true);
    } else {
        const std::vector<int> camino = Retroceder(origen, destino, previo);
        c.dibujo.Superficie().PonerAnchoLinea(2);
        for (std::size_t k = 0; k + 1 < camino.size(); ++k)
            c.dibujo.DibujarAristaColor(camino[k + 1], camino[k], c.dibujo.Color(ColorCamino));
        MarcoEjecucion& marco = c.marco;
        marco.AñadirTraza(QStringLiteral("Camino:   "), false, Negro);
        marco.AñadirTraza(Nombrar(camino), true, c.dibujo.Color(12));
        marco.AñadirTraza(QStringLiteral("    FIN Camino") + SaltoLinea, false, Negro);
    }
    c.dibujo.Superficie().PonerAnchoLinea(1);
    c.marco.FinalizarEjecucion();
}

void Dijkstra(Contexto& c, std::int16_t origen, std::int16_t destino)
{
    TablaDijkstra(c, origen, destino).Ejecutar();
}

void EjecutarCamino(Contexto& c)
{
    CaminoEntreVertices(c, c.parametros.origen, c.parametros.destino);
}

void EjecutarDijkstra(Contexto& c)
{
    Dijkstra(c, c.parametros.origen, c.parametros.todos ? std::int16_t(0) : c.parametros.destino);
}

const Leyenda& LeyendaCamino()
{
    static const Leyenda leyenda = {{ColorCamino, {}, QStringLiteral("en el camino")}};
    return leyenda;
}

const Leyenda& LeyendaDijkstra()
{
    static const Leyenda leyenda = {
        {ColorDefinitivo, QStringLiteral("con distancia definitiva"), {}},
        {ColorArbolCaminos, {}, QStringLiteral("en el árbol de caminos mínimos")},
        {ColorCaminoDijkstra, {}, QStringLiteral("en el camino")},
        {ColorDestino, QStringLiteral("destino"), {}},
    };
    return leyenda;
}
