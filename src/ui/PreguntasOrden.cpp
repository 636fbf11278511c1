#include "ui/PreguntasOrden.h"

#include "costuras/Interaccion.h"
#include "ui/Camino.h"
#include "ui/EstadoPrincipal.h"
#include "ui/InsercionNºVert.h"
#include "ui/Prufer.h"
#include "ui/SeleccionOrden.h"

namespace {

// The number dialog hands the root back through the vertex count: the real
// count goes back at once, and the editor's marks with it.
bool PreguntarRaiz(EstadoPrincipal& ventana, Parametros& p)
{
    Grafo& g = ventana.grafo();
    const std::int16_t n = g.dimen();
    const Seleccion marcas = ventana.Marcas();
    const int raiz = PreguntarNumero(
        g, ventana.Persona(),
        {QStringLiteral("Raíz de la búsqueda"), QStringLiteral("Vértice raíz: "), QStringLiteral("(1-%1)").arg(n), n});
    g.Insertar_Dimension(n, true);
    ventana.Marcas() = marcas;
    p.raiz = static_cast<std::int16_t>(raiz);
    return raiz > 0;
}

bool PreguntarCamino(EstadoPrincipal& ventana, const QString& modo, Parametros& p)
{
    Camino dialogo(ventana.grafo().dimen(), modo);
    ventana.Persona().Mostrar(dialogo);
    p.origen = dialogo.Origen();
    p.destino = dialogo.Destino();
    p.todos = dialogo.Todos();
    return dialogo.Aceptado();
}

// The new tree's graph replaces the one in hand only once the sequence is
// accepted and the person lets the old graph go.
bool PreguntarPrufer(EstadoPrincipal& ventana, Parametros& p)
{
    Prufer dialogo([&ventana] { return ventana.QuiereCerrar(); });
    ventana.Persona().Mostrar(dialogo);
    if (!dialogo.Aceptado())
        return false;
    ventana.grafo().Insertar_Dimension(std::int16_t(dialogo.Vertices()), true);
    p.lista = dialogo.Elementos();
    return true;
}

} // namespace

bool PreguntarAntesDeEjecutar(const OrdenAlgoritmo& orden, EstadoPrincipal& ventana, Parametros& parametros)
{
    switch (orden.pregunta) {
    case Pregunta::Ninguna: return true;
    case Pregunta::OrdenUsuario:
        // The answer comes click by click; the last click starts the run.
        ventana.OrdenUsuario().Empezar();
        return false;
    case Pregunta::Raiz: return PreguntarRaiz(ventana, parametros);
    case Pregunta::Camino: return PreguntarCamino(ventana, QStringLiteral("Camino"), parametros);
    case Pregunta::CaminoDijkstra: return PreguntarCamino(ventana, QStringLiteral("Dijkstra"), parametros);
    case Pregunta::Prufer: return PreguntarPrufer(ventana, parametros);
    }
    return false;
}
