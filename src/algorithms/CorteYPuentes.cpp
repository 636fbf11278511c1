// Cut vertices and bridges: each vertex's edges, or each edge, taken out in
// turn while the components are recounted silently.
#include <QStringList>

#include "algorithms/Conectividad.h"
#include "drawing/Dibujo.h"
#include "drawing/Lienzo.h"
#include "model/Grafo.h"
#include "run/Algoritmo.h"
#include "run/MarcoEjecucion.h"

namespace {

const QColor Negro{Qt::black};
const QString SaltoLinea = QStringLiteral("\r\n");
constexpr int PuentesPorLinea = 8;
constexpr int AnchoPuente = 18;

// With v's edges gone, v alone is one more component; any further one means
// v held its component together.
bool SeparaAlQuitarlo(Grafo& g, int v, std::int16_t c0)
{
    const int n = g.dimen();
    const bool dirigido = g.Dirigido();
    Grafo::Linea fila{}, columna{};
    for (int w = 1; w <= n; ++w) {
        fila[w] = g.elem_matriz(v, w);
        if (dirigido)
            columna[w] = g.elem_matriz(w, v);
        g.InsertarMatriz(v, w, 0);
        g.InsertarMatriz(w, v, 0);
    }
    const bool separa = ContarComponentes(g) > c0 + 1;
    for (int w = 1; w <= n; ++w) {
        g.InsertarMatriz(v, w, fila[w]);
        g.InsertarMatriz(w, v, dirigido ? columna[w] : fila[w]);
    }
    return separa;
}

// Taking out only the arc i→j of a digraph leaves j→i in place, so a pair of
// opposite arcs is never a bridge.
bool EsPuente(Grafo& g, int i, int j, std::int16_t c0)
{
    const bool grafo = !g.Dirigido();
    const std::int16_t p = g.elem_matriz(i, j);
    g.InsertarMatriz(i, j, 0);
    if (grafo)
        g.InsertarMatriz(j, i, 0);
    const bool puente = ContarComponentes(g) > c0;
    g.InsertarMatriz(i, j, p);
    if (grafo)
        g.InsertarMatriz(j, i, p);
    return puente;
}

std::vector<std::int16_t> BuscarPuentes(Grafo& g)
{
    const int n = g.dimen();
    const std::int16_t c0 = ContarComponentes(g);
    std::vector<std::int16_t> puentes;
    for (int i = 1; i <= n; ++i)
        for (int j = g.Dirigido() ? 1 : i + 1; j <= n; ++j)
            if (g.elem_matriz(i, j) != 0 && EsPuente(g, i, j, c0))
                puentes.push_back(static_cast<std::int16_t>(i * 100 + j));
    return puentes;
}

void TrazarCortes(Contexto& contexto, std::int16_t cuenta)
{
    MarcoEjecucion& marco = contexto.marco;
    if (cuenta == 0) {
        marco.AñadirTraza(QStringLiteral("NO EXISTEN VÉRTICES CORTE"), true, Negro);
        return;
    }
    TrazarCuenta(marco, cuenta, QStringLiteral(" VÉRTICE CORTE"), QStringLiteral(" VÉRTICES CORTE"));
    marco.AñadirTraza(cuenta == 1 ? QStringLiteral("Vértice Corte: ") : QStringLiteral("Vértices Corte: "), true,
                      Negro);
    const QColor color = contexto.dibujo.Color((cuenta - 1) % 13 + 1);
    QStringList lista;
    for (int v = 1; v <= contexto.grafo.dimen(); ++v)
        if (marco.Corte[v]) {
            lista << QString::number(v);
            contexto.dibujo.DibujarVertice(v, color);
        }
    marco.AñadirTraza(lista.join(QStringLiteral(", ")) + SaltoLinea, true, color);
}

void TrazarPuentes(Contexto& contexto, const std::vector<std::int16_t>& puentes)
{
    MarcoEjecucion& marco = contexto.marco;
    if (puentes.empty()) {
        marco.AñadirTraza(QStringLiteral("NO EXISTEN ARISTAS PUENTE"), true, Negro);
        return;
    }
    TrazarCuenta(marco, static_cast<int>(puentes.size()), QStringLiteral(" ARISTA PUENTE"),
                 QStringLiteral(" ARISTAS PUENTE"));
    const QColor verde = contexto.dibujo.Color(2);
    QString s;
    for (std::size_t k = 1; k <= puentes.size(); ++k) {
        const int a = puentes[k - 1] / 100, b = puentes[k - 1] % 100;
        if (k > 1 && k % PuentesPorLinea == 1)
            s += SaltoLinea;
        // The padding counts the line breaks too, as the list was always built.
        s += QStringLiteral("Arista (%1,%2)").arg(a).arg(b);
        while (s.size() % AnchoPuente != 0)
            s += u' ';
        contexto.dibujo.DibujarArista(a, b, verde, 0, 0, 0);
    }
    marco.AñadirTraza(s + SaltoLinea, true, verde);
}

} // namespace

void TrazarCuenta(MarcoEjecucion& marco, int cuenta, const QString& singular, const QString& plural)
{
    marco.AñadirTraza(cuenta == 1 ? QStringLiteral("EXISTE ") : QStringLiteral("EXISTEN "), false, Negro);
    marco.AñadirTraza(QString::number(cuenta), true, Negro);
    marco.AñadirTraza((cuenta == 1 ? singular : plural) + SaltoLinea + SaltoLinea, false, Negro);
}

std::int16_t ContarCortes(Contexto& contexto)
{
    MarcoEjecucion& marco = contexto.marco;
    Grafo& g = contexto.grafo;
    marco.Corte.fill(false);
    const std::int16_t c0 = ContarComponentes(g);
    std::int16_t cuenta = 0;
    for (int v = 1; v <= g.dimen(); ++v)
        if (SeparaAlQuitarlo(g, v, c0)) {
            marco.Corte[v] = true;
            ++cuenta;
        }
    return cuenta;
}

std::int16_t VerticesCorte(Contexto& contexto)
{
    MarcoEjecucion& marco = contexto.marco;
    marco.PrepararEjecucion();
    Lienzo& lienzo = contexto.dibujo.Superficie();
    lienzo.PonerAnchoLinea(2);
    const std::int16_t cuenta = ContarCortes(contexto);
    if (marco.DesdeMenu) {
        TrazarCortes(contexto, cuenta);
        marco.FinalizarEjecucion();
    }
    lienzo.PonerAnchoLinea(1);
    return cuenta;
}

std::int16_t AristasPuente(Contexto& contexto)
{
    contexto.marco.PrepararEjecucion();
    Lienzo& lienzo = contexto.dibujo.Superficie();
    lienzo.PonerAnchoLinea(2);
    const std::vector<std::int16_t> puentes = BuscarPuentes(contexto.grafo);
    TrazarPuentes(contexto, puentes);
    contexto.marco.FinalizarEjecucion();
    lienzo.PonerAnchoLinea(1);
    return static_cast<std::int16_t>(puentes.size());
}

void EjecutarVerticesCorte(Contexto& contexto)
{
    contexto.marco.DesdeMenu = true;
    VerticesCorte(contexto);
}

void EjecutarAristasPuente(Contexto& contexto)
{
    AristasPuente(contexto);
}
