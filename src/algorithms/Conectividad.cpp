#include "algorithms/Conectividad.h"

#include <array>

#include "drawing/Dibujo.h"
#include "drawing/Lienzo.h"
#include "model/Grafo.h"
#include "run/Algoritmo.h"
#include "run/MarcoEjecucion.h"

namespace {

const QColor Negro{Qt::black};
const QString SaltoLinea = QStringLiteral("\r\n");

// The relabelling scan reads only i < j for the undirected types, so there
// the upper triangle decides; the directed types look both ways.
bool Unidos(const Grafo& g, int a, int b, bool dirigido)
{
    if (dirigido)
        return g.elem_matriz(a, b) != 0 || g.elem_matriz(b, a) != 0;
    return a < b ? g.elem_matriz(a, b) != 0 : g.elem_matriz(b, a) != 0;
}

// Entries before the first 0, at most 50.
int Longitud(const std::vector<std::int16_t>& lista)
{
    int n = 0;
    while (n < Grafo::Limite && n + 1 < static_cast<int>(lista.size()) && lista[n + 1] != 0)
        ++n;
    return n;
}

bool Repetida(const std::vector<std::int16_t>& lista, int v)
{
    for (int u = 1; u < v; ++u)
        if (lista[u] == lista[v])
            return true;
    return false;
}

QColor ColorComponente(const Dibujo& dibujo, int c)
{
    return dibujo.Color((c - 1) % 13 + 1);
}

void TrazarCuenta(MarcoEjecucion& marco, std::int16_t k)
{
    // An empty graph is written with the singular wording, digit 1 included.
    if (k < 2) {
        marco.AñadirTraza(QStringLiteral("EXISTE "), false, Negro);
        marco.AñadirTraza(QStringLiteral("1"), true, Negro);
        marco.AñadirTraza(QStringLiteral(" COMPONENTE CONEXA ") + SaltoLinea + SaltoLinea, false, Negro);
        return;
    }
    marco.AñadirTraza(QStringLiteral("EXISTEN "), false, Negro);
    marco.AñadirTraza(QString::number(k), true, Negro);
    marco.AñadirTraza(QStringLiteral(" COMPONENTES CONEXAS ") + SaltoLinea + SaltoLinea, false, Negro);
}

void DibujarComponentes(Contexto& contexto, const std::vector<std::int16_t>& etiquetas)
{
    const Grafo& g = contexto.grafo;
    const int n = g.dimen();
    int c = 0;
    for (int menor = 1; menor <= n; ++menor) {
        if (etiquetas[menor] != menor)
            continue;
        const QColor color = ColorComponente(contexto.dibujo, ++c);
        for (int v = menor; v <= n; ++v) {
            if (etiquetas[v] != menor)
                continue;
            contexto.dibujo.DibujarVertice(v, color);
            // An edge is drawn once, at its later end, after both its circles.
            for (int w = 1; w <= n; ++w)
                if (g.elem_matriz(v, w) != 0 && (g.Dirigido() || w < v))
                    contexto.dibujo.DibujarArista(v, w, color, 0, 0, 0);
        }
    }
}

} // namespace

std::int16_t ContarComponentes(const Grafo& grafo, std::vector<std::int16_t>* etiquetas)
{
    const int n = grafo.dimen();
    const bool dirigido = grafo.Dirigido();
    std::array<std::int16_t, Grafo::Limite + 2> etiqueta{};
    std::array<std::int16_t, Grafo::Limite> cola{};
    std::int16_t k = 0;
    for (int raiz = 1; raiz <= n; ++raiz) {
        if (etiqueta[raiz] != 0)
            continue;
        // Every lower vertex is labelled already, so raiz is the lowest of its
        // component: the label the pairwise relabelling would leave.
        ++k;
        etiqueta[raiz] = static_cast<std::int16_t>(raiz);
        int cabeza = 0, fin = 0;
        cola[fin++] = static_cast<std::int16_t>(raiz);
        while (cabeza < fin) {
            const int u = cola[cabeza++];
            for (int w = raiz + 1; w <= n; ++w)
                if (etiqueta[w] == 0 && Unidos(grafo, u, w, dirigido)) {
                    etiqueta[w] = static_cast<std::int16_t>(raiz);
                    cola[fin++] = static_cast<std::int16_t>(w);
                }
        }
    }
    if (etiquetas)
        etiquetas->assign(etiqueta.begin(), etiqueta.begin() + n + 2);
    return k;
}

std::int16_t ComponentesConexas(Contexto& contexto, std::vector<std::int16_t>* etiquetas)
{
    MarcoEjecucion& marco = contexto.marco;
    if (!marco.DesdeMenu)
        return ContarComponentes(contexto.grafo, etiquetas);
    marco.PrepararEjecucion();
    std::vector<std::int16_t> propias;
    const std::int16_t k = ContarComponentes(contexto.grafo, &propias);
    Lienzo& lienzo = contexto.dibujo.Superficie();
    lienzo.PonerAnchoLinea(2);
    TrazarCuenta(marco, k);
    EscribirComponentes(contexto, k, propias);
    DibujarComponentes(contexto, propias);
    marco.FinalizarEjecucion();
    lienzo.PonerAnchoLinea(1);
    if (etiquetas)
        *etiquetas = std::move(propias);
    return k;
}

std::int16_t ContarDistintos(std::vector<std::int16_t>& lista)
{
    const int n = Longitud(lista);
    std::int16_t distintos = 0;
    for (int i = 1; i <= n; ++i) {
        if (lista[i] == -1)
            continue;
        ++distintos;
        for (int j = i + 1; j <= n; ++j)
            if (lista[j] == lista[i])
                lista[j] = -1;
    }
    return distintos;
}

void EscribirComponentes(Contexto& contexto, std::int16_t k, const std::vector<std::int16_t>& lista)
{
    const int n = Longitud(lista);
    int c = 0;
    for (int v = 1; v <= n && c < k; ++v) {
        if (Repetida(lista, v))
            continue;
        ++c;
        const QString nombre = QStringLiteral("Componente ") + QStringLiteral(" :  ");
        contexto.marco.AñadirTraza(k == 1 ? nombre : QString::number(c) + QStringLiteral("ª ") + nombre, true, Negro);
        QString vertices = QString::number(v);
        for (int w = v + 1; w <= n; ++w)
            if (lista[w] == lista[v])
                vertices += QStringLiteral(" - ") + QString::number(w);
        contexto.marco.AñadirTraza(vertices + SaltoLinea, true, ColorComponente(contexto.dibujo, c));
    }
}

void EjecutarComponentes(Contexto& contexto)
{
    contexto.marco.DesdeMenu = true;
    ComponentesConexas(contexto);
}
