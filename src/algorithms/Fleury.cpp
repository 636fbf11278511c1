// Both tours build the same list of edges from the same candidates; they
// differ in who picks the next edge (Fleury's rule at random, or the
// person's click checked against the rule) and in how each step shows: the
// automatic tour writes every edge and pauses, the person's walk keeps one
// prompt line at the foot of the trace pane and writes the tour at the end.
#include "algorithms/Fleury.h"

#include <algorithm>

#include "algorithms/Euler.h"
#include "costuras/Interaccion.h"
#include "drawing/Dibujo.h"
#include "model/Grafo.h"
#include "run/Algoritmo.h"
#include "run/MarcoEjecucion.h"
#include "run/Traza.h"
#include "run/VentanaEjecucion.h"

namespace {

const QColor ColorRecorrido{192, 64, 0};
const QColor Verde{0, 128, 0};

// The last line of the trace pane, changed in place as the walk goes on.
class Aviso {
public:
    explicit Aviso(Traza& traza) : traza_(traza) {}
    void Cambiar_Aviso(const QString& texto)
    {
        // Black even in the pane disabled for the run: no run of the trace colours it.
        traza_.CambiarFinal(static_cast<int>(aviso_.size()), texto, NegroEuler);
        aviso_ = texto;
    }

private:
    Traza& traza_;
    QString aviso_;
};

struct Tour {
    Contexto& contexto;
    GrafoRestante restante;
    ListaAristas recorrido;
    Aviso aviso;
    int total = 0;

    explicit Tour(Contexto& c) : contexto(c), restante(c.grafo), aviso(c.marco.traza()), total(restante.Total()) {}
    MarcoEjecucion& marco() { return contexto.marco; }

    bool Empezar();
    int InicioDelUsuario(const VerticesImpares& impares);
    int InicioAutomatico(const VerticesImpares& impares);
    std::int16_t EsperarClic();
    std::int16_t PasoDelUsuario(int actual, const ListaAristas& candidatas);
    bool PasoAutomatico(int actual, const ListaAristas& candidatas, std::int16_t& codigo);
    void Recorrer(int inicio);
};

// The vertex the person clicks next; 0 when Escape came first.
std::int16_t Tour::EsperarClic()
{
    // Nobody can play a walk the person makes.
    marco().Juego().Pausar();
    for (;;) {
        if (marco().EscapePulsado)
            return 0;
        if (const std::int16_t v = marco().Ventana().TomarVerticeSeleccionado())
            return v;
        contexto.persona.ProcesarEventos();
    }
}

// An open tour must start at an odd vertex: the person is shown them for a
// moment before choosing. 0 when the walk was left.
int Tour::InicioDelUsuario(const VerticesImpares& impares)
{
    MarcoEjecucion& m = marco();
    const bool abierto = impares.lista.size() == 2;
    m.AñadirTraza(abierto ? QStringLiteral("Construcción de recorrido euleriano abierto.") + NL
                          : QStringLiteral("Construcción de recorrido euleriano cerrado.") + NL,
                  false, NegroEuler);
    m.AplicarFormatos(m.traza().Documento());
    m.traza().PonerAlineacion(Qt::AlignHCenter);
    if (abierto) {
        // The hint has a run of its own, so the runs after it stay on their
        // text; formatted at once, it reads black in the pane disabled for the run.
        m.AñadirTraza(QStringLiteral("Debe comenzar por uno de los vértices de grado impar: %1, %2")
                              .arg(impares.lista[0])
                              .arg(impares.lista[1]) +
                          NL,
                      false, NegroEuler);
        m.AplicarFormatos(m.traza().Documento());
        m.Ventana().HabilitarArea(false);
        for (const std::int16_t v : impares.lista)
            contexto.dibujo.DibujarVerticeRelleno(v, Verde);
        m.Esperar(2);
        for (const std::int16_t v : impares.lista)
            contexto.dibujo.DibujarVertice(v, NegroEuler);
        m.Ventana().HabilitarArea(true);
    }
    aviso.Cambiar_Aviso(QStringLiteral("Seleccione vértice de inicio.") + NL);
    for (;;) {
        const std::int16_t v = EsperarClic();
        if (v == 0)
            return 0;
        if (!abierto || std::find(impares.lista.begin(), impares.lista.end(), v) != impares.lista.end())
            return v;
        aviso.Cambiar_Aviso(QStringLiteral("VÉRTICE INCORRECTO. Debe ser de grado impar.") + NL);
    }
}

int Tour::InicioAutomatico(const VerticesImpares& impares)
{
    FuenteAleatoria& azar = contexto.persona.Azar();
    const Grafo& g = contexto.grafo;
    if (impares.lista.size() != 2) {
        marco().AñadirTraza(QStringLiteral("Construcción de recorrido euleriano cerrado.") + NL + NL +
                                QStringLiteral("Recorrido formado por las aristas: ") + NL,
                            false, NegroEuler);
        return azar.Aleatorio(1, g.dimen());
    }
    azar.ResembrarDelReloj();
    int inicio = impares.lista[azar.Aleatorio(0, 1)];
    // In a digraph only the end with more arcs out than in starts an open
    // trail; from the other one the tour would stop halfway.
    if (g.Dirigido() && g.piGradoSalida(inicio) < g.piGradoEntrada(inicio))
        inicio = impares.lista[0] + impares.lista[1] - inicio;
    marco().AñadirTraza(QStringLiteral("Construcción de recorrido euleriano abierto.") + NL +
                            QStringLiteral("Recorrido formado por las aristas: ") + NL,
                        false, NegroEuler);
    return inicio;
}

// The edge the person's click takes from `actual`; 0 when Escape came first.
// A refused click only changes the prompt line.
std::int16_t Tour::PasoDelUsuario(int actual, const ListaAristas& candidatas)
{
    aviso.Cambiar_Aviso(QStringLiteral("Seleccione siguiente vértice del recorrido.") + NL);
    for (;;) {
        const std::int16_t w = EsperarClic();
        if (w == 0)
            return 0;
        const std::int16_t codigo = CodigoArista(actual, w);
        if (std::find(candidatas.begin(), candidatas.end(), codigo) == candidatas.end())
            aviso.Cambiar_Aviso(QStringLiteral("ERROR. El vértice seleccionado no es adyacente al "
                                               "último vértice del recorrido.") +
                                NL);
        else if (restante.EsPuente(codigo) && restante.Contar_No_Puentes(candidatas) > 0)
            aviso.Cambiar_Aviso(QStringLiteral("ERROR. El recorrido debe seguir por un vértice cuya "
                                               "arista no forme puente.") +
                                NL);
        else
            return codigo;
    }
}

// Chooses, writes, draws and pauses; false when Escape ended the run.
bool Tour::PasoAutomatico(int actual, const ListaAristas& candidatas, std::int16_t& codigo)
{
    MarcoEjecucion& m = marco();
    codigo = Elegir_Arista(candidatas, restante, contexto.persona.Azar());
    const bool ultima = static_cast<int>(recorrido.size()) + 1 == total;
    m.AñadirTraza(QStringLiteral("%1%2-%3")
                      .arg(recorrido.empty() ? QString() : QStringLiteral(", "))
                      .arg(actual)
                      .arg(DestinoArista(codigo)),
                  false, AzulEuler);
    if (ultima)
        m.AñadirTraza(NL, false, AzulEuler);
    DibujarPaso(contexto, codigo, ColorRecorrido, static_cast<int>(recorrido.size()) + 1);
    if (m.EjecucionCompleta)
        m.EsperarPaso();
    else
        m.PausaPaso();
    return !SalirConEscape(contexto);
}

void Tour::Recorrer(int inicio)
{
    const bool usuario = marco().RecorridoUsuario;
    int actual = inicio;
    while (static_cast<int>(recorrido.size()) < total) {
        const ListaAristas candidatas = restante.Aristas_Candidatas(actual);
        // Only a digraph without an Euler trail from here runs out of edges.
        if (candidatas.empty())
            break;
        std::int16_t codigo = 0;
        if (usuario) {
            codigo = PasoDelUsuario(actual, candidatas);
            if (codigo == 0) {
                SalirConEscape(contexto);
                return;
            }
            DibujarPaso(contexto, codigo, ColorRecorrido, static_cast<int>(recorrido.size()) + 1);
        } else if (!PasoAutomatico(actual, candidatas, codigo)) {
            return;
        }
        recorrido.push_back(codigo);
        restante.Quitar(codigo);
        actual = DestinoArista(codigo);
    }
    MarcoEjecucion& m = marco();
    m.Ventana().HabilitarArea(false);
    if (usuario) {
        aviso.Cambiar_Aviso(QString());
        m.traza().PonerAlineacion(Qt::AlignLeft);
        Escribir_Recorrido(contexto, recorrido);
    }
    m.RecorridoUsuario = false;
    m.FinalizarEjecucion();
}

// Steps 1 to 3 of both tours; false when the graph has no such tour.
bool Tour::Empezar()
{
    MarcoEjecucion& m = marco();
    if (!Comprobar_Euler(contexto, QStringLiteral("Fleury"))) {
        m.RecorridoUsuario = false;
        return false;
    }
    m.EscapePulsado = false;
    m.PrepararEjecucion();
    if (contexto.grafo.Ponderado())
        Redibujar(contexto, true);
    if (!m.RecorridoUsuario)
        m.Ventana().OcultarTraza();
    m.AñadirTraza(QStringLiteral("Algoritmo de FLEURY") + NL + NL, true, NegroEuler);
    return true;
}

void Recorrer(Contexto& contexto)
{
    Tour tour(contexto);
    if (!tour.Empezar())
        return;
    const VerticesImpares impares = Vertices_Impares(contexto.grafo);
    const int inicio =
        contexto.marco.RecorridoUsuario ? tour.InicioDelUsuario(impares) : tour.InicioAutomatico(impares);
    if (inicio == 0) {
        SalirConEscape(contexto);
        return;
    }
    tour.Recorrer(inicio);
}

} // namespace

void Fleury(Contexto& contexto)
{
    contexto.marco.RecorridoUsuario = false;
    Recorrer(contexto);
}

void FleuryUsuario(Contexto& contexto)
{
    contexto.marco.RecorridoUsuario = true;
    Recorrer(contexto);
}
