#include "algorithms/CodigoPrufer.h"

#include <array>
#include <cstdint>
#include <vector>

#include "algorithms/Busqueda.h"
#include "drawing/Dibujo.h"
#include "drawing/Distribucion_Vert.h"
#include "drawing/Lienzo.h"
#include "model/Grafo.h"
#include "run/Algoritmo.h"
#include "run/MarcoEjecucion.h"
#include "run/Traza.h"

namespace {

const QColor Negro{Qt::black};
const QString SaltoLinea = QStringLiteral("\r\n");
const QString DosBlancos = QStringLiteral("  ");
// Palette entries: the edge, the leaf's neighbour, the sequence, the
// decoded element and leaf, the rest of the lines.
constexpr int ColorArista = 1, ColorVecino = 3, ColorSecuencia = 12, ColorElemento = 7, ColorHoja = 4, ColorApagado = 8;

using Matriz = std::array<Grafo::Linea, Grafo::Limite + 1>;

// The lowest vertex with exactly one neighbour, and that neighbour.
std::pair<int, int> Hoja(const Matriz& m, int n)
{
    for (int i = 1; i <= n; ++i) {
        int vecinos = 0, p = 0;
        for (int j = 1; j <= n; ++j)
            if (m[i][j] != 0) {
                ++vecinos;
                p = j;
            }
        if (vecinos == 1)
            return {i, p};
    }
    return {0, 0};
}

// The leaf and its edge leave the drawing, their highlights with them. A
// surface that cannot forget paints them over, wide enough to cover both.
void Borrar(Dibujo& d, int i, int p)
{
    Lienzo& lienzo = d.Superficie();
    lienzo.PonerModoPluma(Lienzo::Pluma::Borrar);
    lienzo.PonerAnchoLinea(2);
    d.DibujarArista(i, p, Negro, 0, 0, 0);
    d.DibujarVertice(i, Negro);
    lienzo.PonerAnchoLinea(1);
    lienzo.PonerModoPluma(Lienzo::Pluma::Copiar);
}

// The decoding's two lines, each element and vertex a format run of its own,
// re-marked at every step.
class Decodificacion {
public:
    explicit Decodificacion(Contexto& c)
        : c_(c), d_(c.dibujo), traza_(c.marco.traza()), n_(int(c.parametros.lista.size()) + 2)
    {
        secuencia_.assign(c.parametros.lista.begin(), c.parametros.lista.end());
        secuencia_.insert(secuencia_.begin(), 0); // 1-based
        libre_.fill(false);
        for (int v = 1; v <= n_; ++v)
            libre_[v] = true;
    }

    void Ejecutar()
    {
        MarcoEjecucion& marco = c_.marco;
        marco.PrepararEjecucion();
        Colocar();
        Escribir();
        for (int k = 1; k <= n_ - 2; ++k)
            Paso(k);
        Ultima();
        marco.FinalizarEjecucion();
    }

private:
    void Colocar()
    {
        Grafo& g = c_.grafo;
        if (g.dimen() != n_)
            g.Insertar_Dimension(std::int16_t(n_), true);
        const Lienzo& lienzo = d_.Superficie();
        DistribucionCircular(g, {double(lienzo.Ancho()), double(lienzo.Alto())}, std::int16_t(n_), 1,
                             std::int16_t(lienzo.Alto() / 2 - 600));
        // The run was prepared over the vertices still waiting at the origin.
        d_.Superficie().Limpiar();
        d_.DibujarGrafo(0);
    }

    void Escribir()
    {
        MarcoEjecucion& marco = c_.marco;
        marco.AñadirTraza(QStringLiteral("Algoritmo de Decodificación de Prüfer") + SaltoLinea + SaltoLinea, true,
                          Negro);
        marco.AñadirTraza(QStringLiteral("Secuencia: "), false, Negro);
        primerElemento_ = traza_.NumFormatos() + 1;
        for (int k = 1; k <= n_ - 2; ++k)
            marco.AñadirTraza(QString::number(secuencia_[k]) + DosBlancos + (k == n_ - 2 ? SaltoLinea : ""), false,
                              Negro);
        marco.AñadirTraza(QStringLiteral("Vértices libres: "), false, Negro);
        primerVertice_ = traza_.NumFormatos() + 1;
        for (int v = 1; v <= n_; ++v)
            marco.AñadirTraza(QString::number(v) + DosBlancos + (v == n_ ? SaltoLinea : ""), false, Negro);
    }

    // The lowest free vertex that no unused element names.
    int Hoja() const
    {
        for (int v = 1; v <= n_; ++v) {
            bool nombrado = false;
            for (int j = 1; j <= n_ - 2; ++j)
                nombrado = nombrado || secuencia_[j] == v;
            if (libre_[v] && !nombrado)
                return v;
        }
        return 0;
    }

    void Paso(int k)
    {
        const int s = secuencia_[k], v = Hoja();
        libre_[v] = false;
        Superficie().PonerAnchoLinea(2);
        d_.DibujarVertice(s, d_.Color(ColorElemento));
        d_.DibujarVertice(v, d_.Color(ColorHoja));
        Marcar(k, v, s);
        c_.grafo.AñadirArista(v, s);
        d_.DibujarArista(v, s, d_.Color(ColorArista), 0, 0, 0);
        Superficie().PonerAnchoLinea(1);
        c_.marco.PausaPaso();
        secuencia_[k] = std::int16_t(-s);
        Apagar(v, s);
    }

    void Ultima()
    {
        int u = 0, w = 0;
        for (int v = 1; v <= n_; ++v)
            if (libre_[v])
                (u == 0 ? u : w) = v;
        Marcar(0, u, w);
        c_.grafo.AñadirArista(u, w);
        Superficie().PonerAnchoLinea(2);
        d_.DibujarArista(u, w, d_.Color(ColorArista), 0, 0, 0);
        d_.DibujarVertice(u, d_.Color(ColorHoja));
        d_.DibujarVertice(w, d_.Color(ColorHoja));
        Apagar(u, w);
    }

    // Element k (none for 0) and the vertices a and b stand out; the rest
    // of the two lines is dimmed, the vertices already joined in bold.
    void Marcar(int k, int a, int b)
    {
        for (int j = 1; j <= n_ - 2; ++j)
            Poner(primerElemento_ + j - 1, j == k, j == k ? ColorElemento : ColorApagado);
        for (int v = 1; v <= n_; ++v) {
            const bool resaltado = v == a || v == b;
            Poner(primerVertice_ + v - 1, resaltado || !libre_[v], resaltado ? ColorHoja : ColorApagado);
        }
        c_.marco.AplicarFormatos(traza_.Documento());
    }

    void Poner(int indice, bool negrita, int color)
    {
        traza_.PonerFormato(indice, {traza_.Formato(indice).longitud, negrita, d_.Color(color)});
    }

    // The wide highlight taken away, the vertices drawn again as they were.
    void Apagar(int a, int b)
    {
        Superficie().PonerAnchoLinea(2);
        Superficie().PonerModoPluma(Lienzo::Pluma::Borrar);
        d_.DibujarVertice(a, Negro);
        d_.DibujarVertice(b, Negro);
        Superficie().PonerModoPluma(Lienzo::Pluma::Copiar);
        Superficie().PonerAnchoLinea(1);
        d_.DibujarVertice(a, Negro);
        d_.DibujarVertice(b, Negro);
    }

    Lienzo& Superficie() { return d_.Superficie(); }

    Contexto& c_;
    Dibujo& d_;
    Traza& traza_;
    const int n_;
    std::vector<std::int16_t> secuencia_;
    std::array<bool, Grafo::Limite + 1> libre_{};
    int primerElemento_ = 0;
    int primerVertice_ = 0;
};

} // namespace

bool EsArbol(Contexto& c)
{
    MarcoEjecucion& marco = c.marco;
    const bool desdeMenu = marco.DesdeMenu;
    marco.DesdeMenu = false;
    const std::int16_t aristas = BusquedaProfundidad(c, 1);
    marco.DesdeMenu = desdeMenu;
    return aristas == c.grafo.numero_aristas();
}

void CodificarPrufer(Contexto& c)
{
    MarcoEjecucion& marco = c.marco;
    marco.PrepararEjecucion();
    if (!EsArbol(c)) {
        marco.AñadirTraza(QStringLiteral("La codificación de Prüfer requiere que el grafo sea un árbol."), true, Negro);
        marco.FinalizarEjecucion();
        return;
    }
    const int n = c.grafo.dimen();
    Matriz copia{};
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            copia[i][j] = c.grafo.elem_matriz(i, j);
    marco.AñadirTraza(QStringLiteral("Algoritmo de Codificación de Prüfer") + SaltoLinea + SaltoLinea, true, Negro);
    marco.AñadirTraza(QStringLiteral("Secuencia: "), false, Negro);
    Dibujo& d = c.dibujo;
    for (int k = 1; k <= n - 2; ++k) {
        const auto [i, p] = Hoja(copia, n);
        copia[i][p] = copia[p][i] = 0;
        d.Superficie().PonerAnchoLinea(2);
        d.DibujarArista(i, p, d.Color(ColorArista), 0, 0, 0);
        d.DibujarVertice(p, d.Color(ColorVecino));
        d.Superficie().PonerAnchoLinea(1);
        marco.AñadirTraza(QString::number(p) + DosBlancos + (k == n - 2 ? SaltoLinea : ""), true,
                          d.Color(ColorSecuencia));
        marco.PausaPaso();
        Borrar(d, i, p);
    }
    marco.FinalizarEjecucion();
}

void DecodificarPrufer(Contexto& c)
{
    Decodificacion(c).Ejecutar();
}
