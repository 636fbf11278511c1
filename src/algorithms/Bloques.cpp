#include "algorithms/Bloques.h"

#include <QStringList>
#include <algorithm>

#include "algorithms/Busqueda.h"
#include "algorithms/Conectividad.h"
#include "costuras/Interaccion.h"
#include "drawing/Dibujo.h"
#include "drawing/Lienzo.h"
#include "run/Algoritmo.h"
#include "run/MarcoEjecucion.h"

namespace {

const QColor Negro{Qt::black};
const QString SaltoLinea = QStringLiteral("\r\n");

using Marcas = std::array<bool, Grafo::Limite + 1>;

// The helpers run silently: DesdeMenu is cleared while they run and put back.
class Silencio {
public:
    explicit Silencio(MarcoEjecucion& marco) : marco_(marco), antes_(marco.DesdeMenu) { marco.DesdeMenu = false; }
    ~Silencio() { marco_.DesdeMenu = antes_; }
    Silencio(const Silencio&) = delete;
    Silencio& operator=(const Silencio&) = delete;

private:
    MarcoEjecucion& marco_;
    bool antes_;
};

// The searches follow matrix entries; the blocks of a digraph are those of
// its arcs taken without direction.
Grafo SinDirecciones(const Grafo& g)
{
    Grafo copia;
    copia.Insertar_Dimension(g.dimen(), false);
    for (int i = 1; i <= g.dimen(); ++i)
        for (int j = 1; j <= g.dimen(); ++j)
            if (g.elem_matriz(i, j) != 0 || g.elem_matriz(j, i) != 0)
                copia.InsertarMatriz(i, j, 1);
    return copia;
}

bool EsAristaArbol(const MarcoEjecucion& m, int n, int u, int v)
{
    for (int k = 1; k < n; ++k)
        if ((m.ArbolDesde[k] == u && m.ArbolHasta[k] == v) || (m.ArbolDesde[k] == v && m.ArbolHasta[k] == u))
            return true;
    return false;
}

bool EstaParEnLista(std::int16_t a, std::int16_t b, const ListaBloques& lista)
{
    return std::find(lista.begin(), lista.end(), std::pair{a, b}) != lista.end();
}

class Formador {
public:
    Formador(const MarcoEjecucion& marco, int n) : m_(marco), n_(n) {}

    ListaBloques Formar(const Bajos& bajo, int cortes)
    {
        Marcas procesado{};
        for (int veces = 0; veces < cortes; ++veces) {
            const int v = MasProfundo(procesado);
            for (int x = 1; x < n_; ++x) {
                const int w = m_.ArbolHasta[x];
                if (m_.ArbolDesde[x] != v || bajo[w] < m_.OrdenDFS[v])
                    continue;
                Añadir(v);
                Añadir(w);
                usado_[x] = true;
                Recoger(w);
                ++b_;
            }
            procesado[v] = true;
        }
        // The root's own block, unless its first tree edge already went
        // into one (the root is then a cut vertex and all its blocks are out).
        if (!usado_[1]) {
            Añadir(1);
            Recoger(1);
            ++b_;
        }
        return lista_;
    }

private:
    // The unprocessed cut vertex visited last: blocks are formed from the
    // deepest cut vertex up.
    int MasProfundo(const Marcas& procesado) const
    {
        int v = 0;
        for (int u = 1; u <= n_; ++u)
            if (m_.Corte[u] && !procesado[u] && (v == 0 || m_.OrdenDFS[u] > m_.OrdenDFS[v]))
                v = u;
        return v;
    }
    void Añadir(int v) { lista_.emplace_back(std::int16_t(v), std::int16_t(b_)); }
    // Level by level below w along the tree edges no block has taken yet.
    void Recoger(int w)
    {
        std::vector<int> nivel{w};
        while (!nivel.empty()) {
            std::vector<int> siguiente;
            for (int u : nivel)
                for (int e = 1; e < n_; ++e)
                    if (m_.ArbolDesde[e] == u && !usado_[e]) {
                        usado_[e] = true;
                        Añadir(m_.ArbolHasta[e]);
                        siguiente.push_back(m_.ArbolHasta[e]);
                    }
            nivel = std::move(siguiente);
        }
    }

    const MarcoEjecucion& m_;
    const int n_;
    Marcas usado_{}; // by tree edge
    ListaBloques lista_;
    int b_ = 1;
};

QColor ColorBloque(const Contexto& c, int b)
{
    return c.dibujo.Color((b - 1) % 13 + 1);
}

void Dibujar(Contexto& c, const ListaBloques& lista)
{
    Lienzo& lienzo = c.dibujo.Superficie();
    lienzo.PonerAnchoLinea(2);
    for (const auto& [u, b] : lista)
        for (int j = 1; j <= c.grafo.dimen(); ++j)
            if (c.grafo.elem_matriz(u, j) != 0 && EstaParEnLista(std::int16_t(j), b, lista))
                c.dibujo.DibujarArista(u, j, ColorBloque(c, b), 0, 0, 0);
    lienzo.PonerAnchoLinea(1);
}

void Trazar(Contexto& c, const ListaBloques& lista)
{
    MarcoEjecucion& marco = c.marco;
    const int cuenta = lista.empty() ? 0 : lista.back().second;
    TrazarCuenta(marco, cuenta, QStringLiteral(" BLOQUE"), QStringLiteral(" BLOQUES"));
    for (int b = 1; b <= cuenta; ++b) {
        QString vertices;
        for (const auto& [u, bloque] : lista)
            if (bloque == b)
                vertices += u' ' + QString::number(u);
        marco.AñadirTraza(QStringLiteral("Bloque "), false, Negro);
        marco.AñadirTraza(QString::number(b), false, ColorBloque(c, b));
        marco.AñadirTraza(QStringLiteral(": "), false, Negro);
        marco.AñadirTraza(vertices + SaltoLinea, false, ColorBloque(c, b));
    }
}

} // namespace

Bajos CalcularBajo(Contexto& c)
{
    Bajos bajo{};
    const Silencio silencio(c.marco);
    if (BusquedaProfundidad(c, 1) < 0)
        return bajo;
    const MarcoEjecucion& m = c.marco;
    const int n = c.grafo.dimen();
    std::vector<int> porOrden(n);
    for (int v = 1; v <= n; ++v)
        porOrden[m.OrdenDFS[v]] = v;
    // Children are visited after their parents: from the last visited up,
    // each child's low point is ready when its parent's is taken.
    for (int k = n - 1; k >= 0; --k) {
        const int v = porOrden[k];
        bajo[v] = m.OrdenDFS[v];
        for (int w = 1; w <= n; ++w) {
            if (c.grafo.elem_matriz(v, w) == 0)
                continue;
            const bool hijo = EsAristaArbol(m, n, v, w) && m.OrdenDFS[w] > m.OrdenDFS[v];
            if (hijo)
                bajo[v] = std::min(bajo[v], bajo[w]);
            else if (!EsAristaArbol(m, n, v, w))
                bajo[v] = std::min(bajo[v], m.OrdenDFS[w]);
        }
    }
    return bajo;
}

void Bloques(Contexto& c)
{
    Grafo copia = SinDirecciones(c.grafo);
    Contexto silencioso{copia, c.dibujo, c.marco, c.persona, c.parametros};
    if (ContarComponentes(copia) > 1) {
        c.persona.Mensaje(QStringLiteral("El algoritmo de búsqueda de Bloques requiere que el grafo sea conexo."),
                          QStringLiteral("Precondición"), Icono::Exclamacion, Botones::Aceptar);
        return;
    }
    MarcoEjecucion& marco = c.marco;
    marco.ArbolDesde.fill(0);
    marco.ArbolHasta.fill(0);
    const Bajos bajo = CalcularBajo(silencioso);
    if (c.grafo.dimen() == 0) {
        marco.AñadirTraza(QStringLiteral("Grafo vacío; no contiene bloques"), false, Negro);
    } else {
        // The search above entered run mode and left the picture as it is.
        const int cortes = ContarCortes(silencioso);
        const ListaBloques lista = Formador(marco, c.grafo.dimen()).Formar(bajo, cortes);
        Dibujar(c, lista);
        Trazar(c, lista);
    }
    marco.FinalizarEjecucion();
}
