#include "ui/EdicionTeclado.h"

#include <cmath>
#include <numbers>

#include "model/Controles.h"
#include "model/Grafo.h"
#include "ui/EdicionRaton.h"
#include "ui/EstadoPrincipal.h"
#include "ui/Impactos.h"
#include "ui/SeleccionOrden.h"

namespace {

// Nowhere near a vertex: where a release ends an edge with none.
constexpr double Fuera = -10000;
constexpr double AnguloAureo = 2.399963229728653; // pi (3 - sqrt 5)

} // namespace

int EdicionTeclado::Elementos() const
{
    return p_.grafo().dimen() + int(AristasDe(p_.grafo()).size());
}

int EdicionTeclado::Vertice() const
{
    return foco_ >= 0 && foco_ < p_.grafo().dimen() ? foco_ + 1 : 0;
}

int EdicionTeclado::Arista() const
{
    const std::vector<AristaGrafo> aristas = AristasDe(p_.grafo());
    const int k = foco_ - p_.grafo().dimen();
    return k >= 0 && k < int(aristas.size()) ? CodigoArista(aristas[std::size_t(k)].a, aristas[std::size_t(k)].b) : 0;
}

// Editing the graph: the area takes input and no run waits for a click.
bool EdicionTeclado::Editando() const
{
    return p_.Vista().areaHabilitada && !EsperaClic();
}

bool EdicionTeclado::EsperaClic() const
{
    return p_.Marco().RecorridoUsuario || p_.OrdenUsuario().Activa();
}

// Where the mouse would point at the focused element: a vertex's centre,
// the middle of an edge's line.
std::optional<QPointF> EdicionTeclado::Punto() const
{
    const Grafo& g = p_.grafo();
    if (const int v = Vertice())
        return QPointF(g.Posic_CoordX(v), g.Posic_CoordY(v));
    if (const int e = Arista()) {
        const int a = OrigenArista(e), b = DestinoArista(e);
        return QPointF(g.Posic_CoordX(a) + g.Posic_CoordX(b), g.Posic_CoordY(a) + g.Posic_CoordY(b)) / 2;
    }
    return std::nullopt;
}

void EdicionTeclado::Enfocar()
{
    if (const std::optional<QPointF> punto = Punto())
        raton_.MouseMove(aristaEmpezada_ ? 1 : 0, punto->x(), punto->y());
    else
        raton_.PunteroFuera();
}

bool EdicionTeclado::Mover(int cambio)
{
    // While a run waits for a vertex, only vertices can be chosen.
    const int total = EsperaClic() ? p_.grafo().dimen() : Elementos();
    const int siguiente = foco_ < 0 ? (cambio > 0 ? 0 : total - 1) : foco_ + cambio;
    if (siguiente < 0 || siguiente >= total) {
        Soltar();
        return false;
    }
    foco_ = siguiente;
    // The pointer leaves the element before it reaches the next one, as the
    // mouse crosses empty ground between them: the mark of the one left is
    // taken off even when the next has a lower number.
    raton_.PunteroFuera();
    Enfocar();
    return true;
}

void EdicionTeclado::Soltar()
{
    if (aristaEmpezada_)
        Escape();
    foco_ = -1;
    raton_.PunteroFuera();
}

void EdicionTeclado::Clic()
{
    const std::optional<QPointF> punto = Punto();
    if (!punto)
        return;
    // A click a run waits for leaves the pointer still, as the mouse's
    // does: a move after it would draw the ring over what the click left
    // (the walk's vertex, the colouring the last click of the order ran).
    const bool editando = Editando();
    raton_.MouseMove(0, punto->x(), punto->y());
    raton_.MouseDown(1, punto->x(), punto->y());
    raton_.MouseUp(1, punto->x(), punto->y());
    if (editando)
        Enfocar();
}

// A drag of the focused vertex, as the mouse makes it: pressed, moved and
// let go, refused back to its place where it would cover another.
bool EdicionTeclado::Desplazar(double dx, double dy)
{
    const std::optional<QPointF> punto = Punto();
    if (!Vertice() || !Editando() || !punto)
        return false;
    const QPointF destino = *punto + QPointF(dx, dy);
    raton_.MouseMove(0, punto->x(), punto->y());
    raton_.MouseDown(1, punto->x(), punto->y());
    raton_.MouseMove(1, punto->x(), punto->y());
    raton_.MouseMove(1, destino.x(), destino.y());
    raton_.MouseUp(1, destino.x(), destino.y());
    // The press selected the vertex, and a selection hides the hover mark:
    // the ring must show where the vertex went.
    raton_.QuitarSeleccion();
    Enfocar();
    return true;
}

// A new vertex at the free place nearest the focus (the middle of the area
// without one), searched on circles growing outwards. Each circle starts a
// golden angle further round than the last vertex's did, so that vertices
// added one after another do not fall in a line, where an edge would run
// through the one between.
bool EdicionTeclado::Insertar()
{
    if (!Editando() || !p_.Comandos().Habilitado(QStringLiteral("Añadir_Vertice")))
        return false;
    const DimensionesArea area = p_.DimensionesTrabajo();
    const QPointF centro = Punto().value_or(QPointF(area.ancho / 2, area.alto / 2));
    const Grafo& g = p_.grafo();
    for (double radio = 0; radio <= std::max(area.ancho, area.alto); radio += 150)
        for (int k = 0; k < (radio == 0 ? 1 : 24); ++k) {
            const double angulo = 2 * std::numbers::pi * k / 24 + AnguloAureo * g.dimen();
            const QPointF lugar = centro + radio * QPointF(std::cos(angulo), std::sin(angulo));
            if (!LugarLibre(g, lugar.x(), lugar.y(), int(area.ancho), int(area.alto)))
                continue;
            raton_.Añadir_Vertice();
            raton_.MouseDown(1, std::round(lugar.x()), std::round(lugar.y()));
            foco_ = g.dimen() - 1;
            Enfocar();
            return true;
        }
    return false;
}

// On a vertex: the first ends an edge begun, or begins one while editing,
// or is the click a run waits for; on an edge, selects it.
bool EdicionTeclado::Intro()
{
    const std::optional<QPointF> punto = Punto();
    if (!punto)
        return false;
    if (aristaEmpezada_ && Vertice()) {
        aristaEmpezada_ = false;
        raton_.MouseMove(1, punto->x(), punto->y());
        raton_.MouseUp(1, punto->x(), punto->y());
        Enfocar();
        return true;
    }
    if (Editando() && Vertice() && p_.Comandos().Habilitado(QStringLiteral("Añadir_Arista"))) {
        raton_.Añadir_Arista();
        raton_.MouseMove(0, punto->x(), punto->y());
        raton_.MouseDown(1, punto->x(), punto->y());
        aristaEmpezada_ = raton_.Origen() != 0;
        return true;
    }
    if (!Editando() && !EsperaClic())
        return false;
    Clic();
    return true;
}

bool EdicionTeclado::Escape()
{
    if (!aristaEmpezada_)
        return false;
    aristaEmpezada_ = false;
    raton_.MouseUp(1, Fuera, Fuera);
    Enfocar();
    return true;
}

bool EdicionTeclado::Suprimir()
{
    if (!Editando() || !Punto())
        return false;
    Clic();
    if (!p_.Comandos().Habilitado(QStringLiteral("Eliminar")))
        return false;
    const bool vertice = Vertice() != 0;
    raton_.Eliminar();
    // The next element takes the focus; past the end, the one before.
    if (foco_ >= Elementos() || (vertice && foco_ >= p_.grafo().dimen()))
        foco_ = Elementos() - 1;
    Enfocar();
    return true;
}

bool EdicionTeclado::CambiarPeso()
{
    if (!Editando() || !Arista() || !p_.grafo().Ponderado())
        return false;
    Clic();
    raton_.Cambiar_peso();
    Enfocar();
    return true;
}

bool EdicionTeclado::Pulsar(Tecla tecla, bool fino)
{
    if (!p_.Vista().areaHabilitada && !EsperaClic())
        return false;
    const double paso = fino ? PasoFino : Paso;
    switch (tecla) {
    case Tecla::Siguiente: return Mover(1);
    case Tecla::Anterior: return Mover(-1);
    case Tecla::Izquierda: return Desplazar(-paso, 0);
    case Tecla::Derecha: return Desplazar(paso, 0);
    case Tecla::Arriba: return Desplazar(0, -paso);
    case Tecla::Abajo: return Desplazar(0, paso);
    case Tecla::Insertar: return Insertar();
    case Tecla::Intro: return Intro();
    case Tecla::Escape: return Escape();
    case Tecla::Suprimir: return Suprimir();
    case Tecla::F2: return CambiarPeso();
    }
    return false;
}
