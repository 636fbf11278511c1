// Hierholzer: each circuit keeps the colour it was found in, so the final
// tour shows which trail every edge came from.
#include "algorithms/Hierholzer.h"

#include "algorithms/Circuitos.h"
#include "algorithms/Euler.h"
#include "costuras/Interaccion.h"
#include "model/Grafo.h"
#include "run/Algoritmo.h"
#include "run/MarcoEjecucion.h"
#include "run/VentanaEjecucion.h"

namespace {

constexpr int ColoresDeCircuito = 15;

Circuito Colorear(ListaAristas aristas, int numero)
{
    const std::vector<QColor> colores(aristas.size(), Color_Circuito(numero));
    return {std::move(aristas), colores};
}

// C goes in before the first edge of T that leaves v.
void Empalmar(Circuito& t, const Circuito& c, int v)
{
    std::size_t p = 0;
    while (p < t.aristas.size() && OrigenArista(t.aristas[p]) != v)
        ++p;
    t.aristas.insert(t.aristas.begin() + static_cast<long>(p), c.aristas.begin(), c.aristas.end());
    t.colores.insert(t.colores.begin() + static_cast<long>(p), c.colores.begin(), c.colores.end());
}

// The first vertex of the tour that still has a free edge; 0 when none has.
int PrimeroConAristas(const Circuito& t, const GrafoRestante& restante)
{
    for (const std::int16_t v : VerticesDe(t.aristas))
        if (restante.TieneAristas(v))
            return v;
    return 0;
}

// Shows a circuit, then pauses; false when Escape ended the run.
bool Mostrar(Contexto& contexto, const Circuito& c, bool final)
{
    Mostrar_Circuito(contexto, c, final);
    return !SalirConEscape(contexto) && !PausarOSalir(contexto);
}

} // namespace

void Hierholzer(Contexto& contexto)
{
    MarcoEjecucion& marco = contexto.marco;
    if (!Comprobar_Euler(contexto, QStringLiteral("Hierholzer")))
        return;
    EmpezarRecorrido(contexto, QStringLiteral("Algoritmo de HIERHOLZER"));

    FuenteAleatoria& azar = contexto.persona.Azar();
    GrafoRestante restante(contexto.grafo);
    const int total = restante.Total();
    azar.ResembrarDelReloj();
    const int s = azar.Aleatorio(1, contexto.grafo.dimen());
    Circuito t = Colorear(Circuito_Aleatorio(s, restante, azar), 0);
    int k = 1;
    if (contexto.grafo.Ponderado())
        Redibujar(contexto, true);
    bool hecho = static_cast<int>(t.aristas.size()) == total;
    if (!Mostrar(contexto, t, hecho))
        return;
    while (!hecho) {
        const int v = PrimeroConAristas(t, restante);
        if (v == 0)
            break;
        const Circuito c = Colorear(Circuito_Aleatorio(v, restante, azar), k);
        k = k + 1 >= ColoresDeCircuito ? 0 : k + 1;
        if (SalirConEscape(contexto))
            return;
        if (!marco.EjecucionCompleta)
            Redibujar(contexto);
        if (!Mostrar(contexto, c, false))
            return;
        Empalmar(t, c, v);
        if (SalirConEscape(contexto))
            return;
        marco.AñadirTraza(QStringLiteral("CONCATENAMOS los circuitos.") + NL, false, NegroEuler);
        hecho = static_cast<int>(t.aristas.size()) == total;
        // A straight run shows only the final tour: a redraw before it
        // would be wiped unseen.
        if (!marco.EjecucionCompleta || hecho)
            Redibujar(contexto);
        if (!Mostrar(contexto, t, hecho))
            return;
    }
    marco.FinalizarEjecucion();
}
