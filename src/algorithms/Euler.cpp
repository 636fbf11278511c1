#include "algorithms/Euler.h"

#include <cstdlib>

#include "algorithms/Conectividad.h"
#include "costuras/Interaccion.h"
#include "drawing/Dibujo.h"
#include "drawing/Lienzo.h"
#include "model/Grafo.h"
#include "run/Algoritmo.h"
#include "run/MarcoEjecucion.h"
#include "run/Traza.h"
#include "run/VentanaEjecucion.h"

namespace {

// What the check and the test both look at.
struct Estado {
    VerticesImpares impares;
    bool conexo = false;
    bool conAristas = false;
};

Estado Examinar(Grafo& g)
{
    return {Vertices_Impares(g), ContarComponentes(g) == 1, g.numero_aristas() >= 1};
}

// In a digraph, some vertex with more than one arc out beyond those in, or
// in beyond those out. Degrees are those Vertices_Impares counted.
bool DesequilibrioMayorQueUno(const Grafo& g, const VerticesImpares& impares)
{
    if (!g.Dirigido())
        return false;
    for (const std::int16_t v : impares.lista)
        if (std::abs(g.piGradoEntrada(v) - g.piGradoSalida(v)) > 1)
            return true;
    return false;
}

// Each further reason on a line of its own.
void Agregar(QString& mensaje, const QString& texto)
{
    mensaje = mensaje.isEmpty() ? texto : mensaje + NL + texto;
}

} // namespace

VerticesImpares Vertices_Impares(Grafo& g)
{
    g.ContarGrados();
    VerticesImpares r;
    for (int v = 1; v <= g.dimen(); ++v) {
        const bool impar = g.Dirigido() ? g.piGradoEntrada(v) != g.piGradoSalida(v) : g.Grado(v) % 2 != 0;
        if (impar)
            r.lista.push_back(static_cast<std::int16_t>(v));
    }
    r.todosPares = r.lista.empty();
    return r;
}

bool Comprobar_Euler(Contexto& contexto, const QString& nombre)
{
    const Estado e = Examinar(contexto.grafo);
    QString m;
    if (nombre == QStringLiteral("Fleury")) {
        if (!e.impares.todosPares && e.impares.lista.size() != 2)
            m = QStringLiteral("El grafo tiene más de 2 vértices impares.");
        else if (DesequilibrioMayorQueUno(contexto.grafo, e.impares))
            // Two unbalanced ends are not enough in a digraph: a trail leaves
            // its start once more than it enters it, and no more.
            m = QStringLiteral("El grafo no es euleriano.") + NL +
                QStringLiteral("El grafo tiene vértices cuyos grados de entrada y de salida difieren en más de 1.");
        // A reason after another keeps a trailing blank, as it always read.
        auto blanco = [&m] { return m.isEmpty() ? QString() : QStringLiteral(" "); };
        if (!e.conexo)
            Agregar(m, QStringLiteral("El grafo no es conexo.") + blanco());
        if (!e.conAristas)
            Agregar(m, QStringLiteral("El grafo no tiene aristas.") + blanco());
    } else {
        if (!e.impares.todosPares)
            m = contexto.grafo.Dirigido()
                    ? QStringLiteral("El grafo tiene vértices con grado de entrada distino al grado de salida.")
                    : QStringLiteral("El grafo tiene vértices con grado impar.");
        if (!e.conexo)
            Agregar(m, QStringLiteral("El grafo no es conexo."));
        if (!e.conAristas)
            Agregar(m, QStringLiteral("El grafo no tiene aristas."));
    }
    if (m.isEmpty())
        return true;
    contexto.persona.Mensaje(m, QStringLiteral("Algoritmo de ") + nombre, Icono::Exclamacion, Botones::Aceptar);
    return false;
}

std::int16_t Elegir_Arista(const ListaAristas& candidatas, GrafoRestante& restante, FuenteAleatoria& azar)
{
    ListaAristas noPuentes;
    for (const std::int16_t codigo : candidatas)
        if (!restante.EsPuente(codigo))
            noPuentes.push_back(codigo);
    azar.ResembrarDelReloj();
    const ListaAristas& entre = noPuentes.empty() ? candidatas : noPuentes;
    return entre[azar.Aleatorio(0, static_cast<int>(entre.size()) - 1)];
}

void Escribir_Recorrido(Contexto& contexto, const ListaAristas& recorrido)
{
    MarcoEjecucion& marco = contexto.marco;
    marco.AñadirTraza(NL + QStringLiteral("Recorrido formado por las aristas: ") + NL, false, NegroEuler);
    for (std::size_t i = 0; i < recorrido.size(); ++i)
        marco.AñadirTraza(QStringLiteral("%1%2-%3")
                              .arg(i == 0 ? QString() : QStringLiteral(", "))
                              .arg(OrigenArista(recorrido[i]))
                              .arg(DestinoArista(recorrido[i])),
                          false, AzulEuler);
    marco.AñadirTraza(NL, false, NegroEuler);
}

void DibujarPaso(Contexto& contexto, std::int16_t codigo, const QColor& color, int numero, int lado)
{
    Lienzo& lienzo = contexto.dibujo.Superficie();
    lienzo.PonerAnchoLinea(2);
    contexto.dibujo.DibujarArista(OrigenArista(codigo), DestinoArista(codigo), color, static_cast<std::int16_t>(numero),
                                  1, lado);
    lienzo.PonerAnchoLinea(1);
}

void Redibujar(Contexto& contexto, bool sinPesos)
{
    contexto.dibujo.Superficie().Limpiar();
    contexto.dibujo.DibujarGrafo(sinPesos ? 1 : 0);
}

void EmpezarRecorrido(Contexto& contexto, const QString& titulo)
{
    MarcoEjecucion& marco = contexto.marco;
    marco.PrepararEjecucion();
    marco.EscapePulsado = false;
    marco.Ventana().OcultarTraza();
    marco.AñadirTraza(titulo + NL + NL, true, NegroEuler);
}

bool SalirConEscape(Contexto& contexto)
{
    MarcoEjecucion& marco = contexto.marco;
    if (!marco.EscapePulsado)
        return false;
    marco.EscapePulsado = false;
    marco.RecorridoUsuario = false;
    marco.traza().PonerAlineacion(Qt::AlignLeft);
    // Back to editing, the trace pane shown again.
    marco.Ventana().Aceptar_Click();
    return true;
}

bool PausarOSalir(Contexto& contexto)
{
    contexto.marco.PausaPaso();
    return SalirConEscape(contexto);
}

void EsEuleriano(Contexto& contexto)
{
    MarcoEjecucion& marco = contexto.marco;
    marco.PrepararEjecucion();
    const Estado e = Examinar(contexto.grafo);
    QString t = QStringLiteral("El grafo ");
    if (!(e.impares.todosPares && e.conexo && e.conAristas))
        t += QStringLiteral("no ");
    t += QStringLiteral("es euleriano.");
    if (!e.impares.todosPares)
        t += NL + (contexto.grafo.Dirigido()
                       ? QStringLiteral("El grafo tiene vértices con grado de entrada distinto al grado de salida.")
                       : QStringLiteral("El grafo tiene vértices de grado impar."));
    if (!e.conexo)
        t += NL + QStringLiteral("El grafo no es conexo.");
    if (!e.conAristas)
        t += NL + QStringLiteral("El grafo no tiene aristas.");
    marco.AñadirTraza(t, false, NegroEuler);
    marco.FinalizarEjecucion();
}
