#include "algorithms/Coloracion.h"

#include <algorithm>

#include "algorithms/BotonesColoracion.h"
#include "costuras/Interaccion.h"
#include "model/Grafo.h"
#include "run/Algoritmo.h"
#include "run/MarcoEjecucion.h"
#include "run/VentanaEjecucion.h"

namespace {

// The menus offer the colourings only for a graph with vertices; the
// command line can hand them an empty one.
bool Empezar(Contexto& c)
{
    if (c.grafo.dimen() < 1) {
        c.persona.Mensaje(QStringLiteral("La coloración requiere un grafo con al menos un vértice."),
                          QStringLiteral("Precondición"), Icono::Exclamacion, Botones::Aceptar);
        return false;
    }
    c.marco.PrepararEjecucion();
    c.grafo.ContarGrados();
    return true;
}

void Resumen(Contexto& c, int k, const QString& nombre)
{
    const QColor negro(Qt::black);
    c.marco.AñadirTraza(QStringLiteral("\r\n\r\nSe han usado "), false, negro);
    c.marco.AñadirTraza(QString::number(k), true, negro);
    c.marco.AñadirTraza(QStringLiteral(" colores con el "), false, negro);
    c.marco.AñadirTraza(nombre, true, negro);
    // The end prompt adds the second line break before "Presione".
    c.marco.AñadirTraza(QStringLiteral(".\r\n"), false, negro);
    c.marco.Orden_Definido = false;
    c.marco.FinalizarEjecucion();
}

} // namespace

void Mostrar_Coloracion(Contexto& c, const Coloracion& coloracion, const QString& nombre)
{
    if (c.marco.EjecucionCompleta) {
        TrazaColoracion traza(nombre, coloracion);
        for (int i = 1; i < int(coloracion.orden.size()); ++i)
            BotonesColoracion::Pintar(c, traza, coloracion, i, false);
        traza.EscribirEn(c.marco.traza());
    } else {
        c.marco.Ventana().AbrirPasoPropio();
        BotonesColoracion ventana(c, coloracion, nombre);
        c.persona.Mostrar(ventana);
        // A window closed some other way still leaves the whole colouring.
        ventana.Terminar();
    }
    Resumen(c, coloracion.k, nombre);
}

void ColoracionSecuencial(Contexto& c)
{
    if (!Empezar(c))
        return;
    ListaVertices orden = OrdenNatural(c.grafo.dimen());
    if (c.parametros.lista.size() + 1 == orden.size())
        std::copy(c.parametros.lista.begin(), c.parametros.lista.end(), orden.begin() + 1);
    Mostrar_Coloracion(c, Colorear_Secuencial(c.grafo, orden), QStringLiteral("Algoritmo Secuencial"));
}

void ColoracionWelshPowell(Contexto& c)
{
    if (!Empezar(c))
        return;
    Mostrar_Coloracion(c, Colorear_Secuencial(c.grafo, Ordenar_Por_Grado(c.grafo, OrdenNatural(c.grafo.dimen()))),
                       QStringLiteral("Algoritmo de Welsh-Powell"));
}

void ColoracionMatula(Contexto& c)
{
    if (!Empezar(c))
        return;
    Mostrar_Coloracion(c, Colorear_Secuencial(c.grafo, Orden_Menor_Ultimo(c.grafo)),
                       QStringLiteral("Algoritmo de Matula-Marble-Isaacson"));
}

void ColoracionBrelaz(Contexto& c)
{
    if (!Empezar(c))
        return;
    Mostrar_Coloracion(c, ColorearBrelaz(c.grafo), TituloBrelaz);
}
