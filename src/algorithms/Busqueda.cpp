// Depth-first and breadth-first search. Both follow the steps the person
// watches: the vertex being expanded is ringed, each tree edge is drawn and
// its new vertex written as it is found, and the run pauses at each of
// these. Depth-first search backtracks to the latest visited vertex that is
// not exhausted, and stops at the first exhaustion once every vertex is
// visited, so the vertices still on the path then are not ringed again.
#include "algorithms/Busqueda.h"

#include <array>
#include <optional>

#include "algorithms/Conectividad.h"
#include "costuras/Interaccion.h"
#include "drawing/Dibujo.h"
#include "drawing/Lienzo.h"
#include "model/Grafo.h"
#include "run/Algoritmo.h"
#include "run/MarcoEjecucion.h"
#include "run/Traza.h"

namespace {

const QColor Negro{Qt::black};
const QString SaltoLinea = QStringLiteral("\r\n");
// Palette entries: the tree edge, the vertex being expanded, the order, white.
constexpr int ColorArista = 1, ColorActual = 3, ColorOrden = 12, Blanco = 15;

} // namespace

const Leyenda& LeyendaBusqueda()
{
    static const Leyenda leyenda = {{ColorArista, {}, QStringLiteral("en el árbol")},
                                    {ColorActual, QStringLiteral("en expansión"), {}},
                                    {ColorOrden, QStringLiteral("visitado"), {}}};
    return leyenda;
}

namespace {

using Marcas = std::array<bool, Grafo::Limite + 2>; // by vertex or position, 1-based

bool Conexo(Contexto& c, bool avisar, const QString& nombre)
{
    if (ContarComponentes(c.grafo) <= 1)
        return true;
    if (avisar)
        c.persona.Mensaje(QStringLiteral("El algoritmo de ") + nombre +
                              QStringLiteral(" requiere que el grafo sea conexo."),
                          QStringLiteral("Precondición"), Icono::Exclamacion, Botones::Aceptar);
    return false;
}

void Encabezar(MarcoEjecucion& marco, const QString& titulo)
{
    marco.AñadirTraza(titulo + SaltoLinea + SaltoLinea, true, Negro);
    marco.AñadirTraza(QStringLiteral("Orden de Búsqueda :  "), false, Negro);
}

// The visiting order: text added to the trace as it grows, covered by one
// bold run whose entry of the format table is set apart for it.
class OrdenVisita {
public:
    explicit OrdenVisita(Contexto& c) : traza_(c.marco.traza()), color_(c.dibujo.Color(ColorOrden)) {}

    void Reservar()
    {
        indice_ = traza_.NumFormatos() + 1;
        traza_.PonerNumFormatos(indice_);
    }
    // v, then ", " unless it is the last vertex.
    void Añadir(int v, bool ultimo) { Escribir(QString::number(v) + (ultimo ? "" : ", ")); }
    void Escribir(const QString& texto)
    {
        texto_ += texto;
        traza_.Añadir(texto);
    }
    qsizetype Longitud() const { return texto_.size(); }
    void Formatear() { traza_.PonerFormato(indice_, {std::int16_t(texto_.size()), true, color_}); }

private:
    Traza& traza_;
    QColor color_;
    QString texto_;
    int indice_ = 0;
};

class Profundidad {
public:
    Profundidad(Contexto& c, std::int16_t raiz)
        : c_(c), marco_(c.marco), menu_(c.marco.DesdeMenu), n_(c.grafo.dimen()), actual_(raiz)
    {
        visitados_[1] = raiz;
    }

    std::int16_t Recorrer()
    {
        marco_.PrepararEjecucion();
        Superficie().PonerAnchoLinea(2);
        if (menu_) {
            Encabezar(marco_, QStringLiteral("Algoritmo de Búsqueda en Profundidad"));
            orden_.emplace(c_);
            orden_->Reservar();
        }
        if (n_ > 0) {
            if (orden_) {
                orden_->Añadir(actual_, n_ == 1);
                orden_->Formatear();
            }
            Numerar(actual_);
            while (cima_ <= n_)
                Paso();
            if (orden_) {
                orden_->Escribir(SaltoLinea);
                orden_->Formatear();
            }
        }
        if (menu_)
            marco_.FinalizarEjecucion();
        Superficie().PonerAnchoLinea(1);
        return aristas_;
    }

private:
    Lienzo& Superficie() { return c_.dibujo.Superficie(); }
    void Numerar(int v)
    {
        marco_.OrdenDFS[v] = numero_++;
        visitado_[v] = true;
    }
    // The lowest-numbered neighbour not visited yet, 0 when there is none.
    int Siguiente() const
    {
        for (int w = 1; w <= n_; ++w)
            if (c_.grafo.elem_matriz(actual_, w) != 0 && !visitado_[w])
                return w;
        return 0;
    }

    void Paso()
    {
        Superficie().PonerAnchoLinea(2);
        if (menu_) {
            c_.dibujo.DibujarVertice(actual_, c_.dibujo.Color(ColorActual));
            marco_.PausaPaso();
        }
        if (const int w = Siguiente())
            Descubrir(w);
        else
            Agotar();
        if (menu_) {
            c_.dibujo.DibujarVertice(actual_, c_.dibujo.Color(Blanco));
            Superficie().PonerAnchoLinea(1);
            c_.dibujo.DibujarVertice(actual_, c_.dibujo.Color(ColorOrden));
        }
        actual_ = visitados_[posicion_];
    }

    void Descubrir(int w)
    {
        if (menu_)
            c_.dibujo.DibujarArista(actual_, w, c_.dibujo.Color(ColorArista), 0, 0, 0);
        ++aristas_;
        marco_.ArbolDesde[cima_] = actual_;
        marco_.ArbolHasta[cima_] = std::int16_t(w);
        ++cima_;
        Numerar(w);
        if (orden_) {
            orden_->Añadir(w, cima_ == n_);
            if (orden_->Longitud() % 80 < 4)
                orden_->Escribir(SaltoLinea);
            orden_->Formatear();
            marco_.PausaPaso();
        }
        visitados_[cima_] = std::int16_t(w);
        posicion_ = cima_;
    }

    // Back to the latest position not exhausted: the parent on the path.
    void Agotar()
    {
        agotado_[posicion_] = true;
        int t = cima_;
        while (t > 0 && agotado_[t])
            --t;
        posicion_ = t;
        if (cima_ == n_)
            ++cima_;
    }

    Contexto& c_;
    MarcoEjecucion& marco_;
    const bool menu_;
    const int n_;
    std::array<std::int16_t, Grafo::Limite + 2> visitados_{}; // in order of discovery
    Marcas agotado_{};                                        // by position in visitados_
    Marcas visitado_{};                                       // by vertex
    int cima_ = 1;                                            // vertices visited
    int posicion_ = 1;                                        // of the current vertex in visitados_
    int actual_;                                              // the vertex being expanded
    std::int16_t numero_ = 0;
    std::int16_t aristas_ = 0;
    std::optional<OrdenVisita> orden_; // only for the menu's run
};

} // namespace

std::int16_t BusquedaProfundidad(Contexto& c, std::int16_t raiz)
{
    // The message's wording is the program's own, "Profundidad en Anchura".
    if (!Conexo(c, c.marco.DesdeMenu, QStringLiteral("Profundidad en Anchura"))) {
        // A refused menu run leaves no flag behind for the next command.
        c.marco.DesdeMenu = false;
        return -1;
    }
    return Profundidad(c, raiz).Recorrer();
}

void BusquedaAnchura(Contexto& c, std::int16_t raiz)
{
    if (!Conexo(c, true, QStringLiteral("Búsqueda en Anchura")))
        return;
    MarcoEjecucion& marco = c.marco;
    marco.PrepararEjecucion();
    const int n = c.grafo.dimen();
    if (n > 0) {
        Lienzo& lienzo = c.dibujo.Superficie();
        lienzo.PonerAnchoLinea(2);
        Encabezar(marco, QStringLiteral("Algoritmo de Búsqueda en Anchura"));
        // A vertex enters the queue, and counts as seen, when it is discovered.
        std::array<std::int16_t, Grafo::Limite + 2> cola{};
        Marcas enCola{};
        int fin = 1, cabeza = 1, actual = raiz;
        cola[1] = raiz;
        enCola[raiz] = true;
        OrdenVisita orden(c);
        orden.Añadir(raiz, n == 1);
        for (int k = 1; k <= n; ++k) {
            lienzo.PonerAnchoLinea(2);
            c.dibujo.DibujarVertice(actual, c.dibujo.Color(ColorActual));
            marco.PausaPaso();
            for (int w = 1; w <= n; ++w) {
                if (c.grafo.elem_matriz(actual, w) == 0 || enCola[w])
                    continue;
                lienzo.PonerAnchoLinea(2);
                c.dibujo.DibujarArista(actual, w, c.dibujo.Color(ColorArista), 0, 0, 0);
                orden.Añadir(w, ++fin == n);
                marco.PausaPaso();
                cola[fin] = std::int16_t(w);
                enCola[w] = true;
            }
            ++cabeza;
            c.dibujo.DibujarVertice(actual, c.dibujo.Color(Blanco));
            lienzo.PonerAnchoLinea(1);
            c.dibujo.DibujarVertice(actual, c.dibujo.Color(ColorActual));
            if (cabeza <= n)
                actual = cola[cabeza];
        }
        // Only now does the order get its run.
        orden.Escribir(SaltoLinea);
        orden.Reservar();
        orden.Formatear();
    }
    marco.FinalizarEjecucion();
}

void EnProfundidad(Contexto& c)
{
    BusquedaProfundidad(c, c.parametros.raiz);
}

void EnAnchura(Contexto& c)
{
    BusquedaAnchura(c, c.parametros.raiz);
}
