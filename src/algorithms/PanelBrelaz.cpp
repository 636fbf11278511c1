#include "algorithms/PanelBrelaz.h"

#include <algorithm>
#include <cmath>

#include "model/Grafo.h"

namespace {

// A vertex's circle and the border a vertex keeps from the edge of the area.
constexpr int Margen = 300;

} // namespace

PanelBrelaz::PanelBrelaz(const Grafo& grafo) : filas_(grafo.dimen() + 1)
{
    for (int v = 1; v <= grafo.dimen(); ++v)
        filas_[v].grado = grafo.Grado(v);
}

void PanelBrelaz::Actualizar(const Grafo& grafo, const Coloracion& coloracion, int paso)
{
    const ListaVertices& orden = coloracion.orden;
    filas_[orden[paso]].borrada = true;
    for (int i = paso + 1; i < int(orden.size()); ++i)
        filas_[orden[i]].saturacion = std::int16_t(Grado_Saturacion(grafo, orden[i], orden, paso, coloracion.color));
}

bool EncogerAlAncho(Grafo& grafo, int ancho)
{
    int mayor = 0;
    for (int v = 1; v <= grafo.dimen(); ++v)
        mayor = std::max<int>(mayor, grafo.Posic_CoordX(v));
    if (mayor == 0 || mayor + Margen <= ancho)
        return false;
    const double factor = std::max(0, ancho - Margen) / double(mayor);
    for (int v = 1; v <= grafo.dimen(); ++v)
        grafo.InsertarPosicionX(v, std::int16_t(std::nearbyint(grafo.Posic_CoordX(v) * factor)));
    return true;
}
