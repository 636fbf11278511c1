#include "algorithms/Operaciones.h"

#include <array>
#include <utility>

#include "costuras/Interaccion.h"
#include "drawing/Dibujo.h"
#include "drawing/Lienzo.h"
#include "model/Grafo.h"
#include "run/Algoritmo.h"

namespace {

using Extremos = std::array<std::pair<int, int>, MaxAristasLineal + 1>; // by edge number, 1-based

void Redibujar(Contexto& c)
{
    c.dibujo.Superficie().Limpiar();
    c.dibujo.DibujarGrafo(0);
}

// The new count also goes to the window: the editing commands and the
// simple-graph menus follow it, and marks on what is gone are dropped.
void Terminar(Contexto& c, std::int16_t n, std::int16_t aristas)
{
    c.grafo.InsertarNumAristas(aristas);
    c.grafo.Insertar_Dimension(n, true);
    Redibujar(c);
}

void Vaciar(Grafo& g)
{
    for (int i = 1; i <= Grafo::Limite; ++i)
        for (int j = 1; j <= Grafo::Limite; ++j)
            g.InsertarMatriz(i, j, 0);
}

// The menus offer the operations only for a graph with vertices, as they
// do the colourings; the command line can hand them an empty one.
bool ConVertices(Contexto& c)
{
    if (c.grafo.dimen() >= 1)
        return true;
    c.persona.Mensaje(QStringLiteral("La operación requiere un grafo con al menos un vértice."),
                      QStringLiteral("Precondición"), Icono::Exclamacion, Botones::Aceptar);
    return false;
}

bool Comparten(const std::pair<int, int>& e, const std::pair<int, int>& f)
{
    return e.first == f.first || e.first == f.second || e.second == f.first || e.second == f.second;
}

} // namespace

Punto PuntoMedio(const Grafo& g, int a, int b)
{
    // Integer division in C++ already rounds towards zero.
    return {static_cast<std::int16_t>((g.Posic_CoordX(a) + g.Posic_CoordX(b)) / 2),
            static_cast<std::int16_t>((g.Posic_CoordY(a) + g.Posic_CoordY(b)) / 2)};
}

std::int16_t NumerarAristas(Grafo& g)
{
    std::int16_t k = 0;
    for (int i = 1; i < g.dimen(); ++i)
        for (int j = i + 1; j <= g.dimen(); ++j)
            if (g.elem_matriz(i, j) != 0) {
                g.InsertarMatriz(i, j, ++k);
                g.InsertarMatriz(j, i, 0);
            }
    return k;
}

void Complementario(Contexto& c)
{
    if (!ConVertices(c))
        return;
    Grafo& g = c.grafo;
    const int n = g.dimen();
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            if (i != j)
                g.InsertarMatriz(i, j, static_cast<std::int16_t>(1 - g.elem_matriz(i, j)));
    Terminar(c, g.dimen(), static_cast<std::int16_t>(n * (n - 1) / 2 - g.numero_aristas()));
}

void GrafoLineal(Contexto& c)
{
    if (!ConVertices(c))
        return;
    Grafo& g = c.grafo;
    const int m = g.numero_aristas();
    if (m > MaxAristasLineal) {
        c.persona.Mensaje(
            QStringLiteral("El grafo tiene %1 aristas. No debe tener mas de %2.").arg(m).arg(MaxAristasLineal),
            QStringLiteral("ERROR"), Icono::Critico, Botones::Aceptar);
        return;
    }
    const int numeradas = NumerarAristas(g);
    Extremos extremos{};
    std::array<Punto, MaxAristasLineal + 1> medios{};
    for (int i = 1; i < g.dimen(); ++i)
        for (int j = i + 1; j <= g.dimen(); ++j)
            if (const int k = g.elem_matriz(i, j); k != 0) {
                extremos[k] = {i, j};
                // Every midpoint before any vertex moves: vertex k's new place
                // may be an end of a later edge.
                medios[k] = PuntoMedio(g, i, j);
            }
    Vaciar(g);
    std::int16_t nuevas = 0;
    for (int k = 1; k <= numeradas; ++k) {
        g.InsertarPosicionX(k, medios[k].x);
        g.InsertarPosicionY(k, medios[k].y);
        for (int l = k + 1; l <= numeradas; ++l)
            if (Comparten(extremos[k], extremos[l])) {
                g.InsertarMatriz(k, l, 1);
                g.InsertarMatriz(l, k, 1);
                ++nuevas;
            }
    }
    // Fewer vertices than before leave no positions behind them, as every
    // deletion leaves none.
    for (int k = numeradas + 1; k <= Grafo::Limite; ++k) {
        g.InsertarPosicionX(k, 0);
        g.InsertarPosicionY(k, 0);
    }
    Terminar(c, static_cast<std::int16_t>(numeradas), nuevas);
}
