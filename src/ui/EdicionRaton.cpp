#include "ui/EdicionRaton.h"

#include <cmath>
#include <utility>

#include "costuras/Interaccion.h"
#include "drawing/Coordenadas.h"
#include "model/Controles.h"
#include "ui/AsignarPeso.h"
#include "ui/EstadoPrincipal.h"
#include "ui/IdentificarVert.h"
#include "ui/Impactos.h"
#include "ui/MenuPrincipal.h"
#include "ui/RecorridoRaton.h"
#include "ui/SeleccionOrden.h"

namespace {

const QColor Negro = Qt::black;
const QColor Azul = QColor(0, 0, 255);

QString Boton1(const char* clave)
{
    return EstadoComandos::Boton(QStringLiteral("Toolbar1"), QString::fromUtf8(clave));
}

} // namespace

bool EdicionRaton::Pulsado(const char* clave) const
{
    return p_.Comandos().Pulsado(Boton1(clave));
}

// Ends an editing mode: the window is usable again.
void EdicionRaton::TerminarModo(const char* clave)
{
    p_.Comandos().Pulsar(Boton1(clave), false);
    p_.HabilitarBarras(true);
    p_.HabilitarMenus(true);
    p_.Vista().cursorCruz = false;
}

void EdicionRaton::Refrescar()
{
    Seleccion& s = p_.Marcas();
    // A mark painted over what was drawn, or taken off by painting over it
    // again, leaves its smoothed border darker or tinged: the marks take the
    // drawing of the whole graph, painted again only where it changes.
    s.AristaAnterior = 0;
    s.VerticeAnterior = 0;
    p_.Superficie().PonerDibujoPersistente(true);
    p_.RedibujarCambios();
}

void EdicionRaton::SeleccionActiva(bool activa)
{
    p_.Comandos().Habilitar(Boton1("eliminar"), activa);
    p_.Comandos().PonerImagen(Boton1("eliminar"), activa ? ImagenBarra::Eliminar : ImagenBarra::EliminarInactiva);
    p_.Comandos().Habilitar(QStringLiteral("Eliminar"), activa);
}

void EdicionRaton::QuitarSeleccion()
{
    Seleccion& s = p_.Marcas();
    s.VerticeAnterior = s.VerticeSeleccionado;
    s.AristaAnterior = s.AristaSeleccionada;
    s.VerticeSeleccionado = s.AristaSeleccionada = 0;
    SeleccionActiva(false);
    Refrescar();
}

// --- pointer move --------------------------------------------------------------------------------

void EdicionRaton::MouseMove(int boton, double x, double y)
{
    Seleccion& s = p_.Marcas();
    puntero_ = QPointF(x, y);
    p_.Vista().coordX = QString::number(x) + u' ';
    p_.Vista().coordY = QString::number(y) + u' ';
    const bool recorrido = p_.Marco().RecorridoUsuario;
    if (s.VerticeSeleccionado > 0 && s.VerticeSeleccionado == s.VerticeBajoCursor && boton == 1 &&
        !Pulsado("añadir_arista") && !recorrido)
        Arrastrar(s.VerticeSeleccionado, x, y);
    if (Pulsado("añadir_arista") && origenArista_ >= 1 && boton == 1)
        Goma(x, y);
    SeguirPuntero();
}

void EdicionRaton::PunteroFuera()
{
    puntero_.reset();
    // A run's drawing has no hover marks to take away.
    if (p_.Vista().areaHabilitada)
        SeguirPuntero();
}

// The marks show what is under the pointer now: after it moved, after it
// left, and after a command changed the graph under a still pointer (a
// deletion renumbers the vertices, an undo brings one back).
void EdicionRaton::SeguirPuntero()
{
    Seleccion& s = p_.Marcas();
    if (p_.grafo().dimen() < 1 || s.Moviendo)
        return;
    const bool cambio = Sobrevolar();
    if (p_.Marco().RecorridoUsuario)
        RecorridoRaton::Mover(s, p_.dibujo());
    else if (p_.OrdenUsuario().Activa())
        p_.OrdenUsuario().RedibujarBajoCursor();
    else if (cambio)
        Refrescar();
    s.VerticeAnterior = 0;
    s.AristaAnterior = 0;
}

// The dragged vertex and its edges leave the picture when the drag starts
// and move over it as moving parts: the inverting pen draws them at the new
// place and takes them away from the old one.
void EdicionRaton::Arrastrar(int v, double x, double y)
{
    Grafo& g = p_.grafo();
    Seleccion& s = p_.Marcas();
    Lienzo& lienzo = p_.Superficie();
    if (!s.Moviendo) {
        xInicial_ = g.Posic_CoordX(v);
        yInicial_ = g.Posic_CoordY(v);
        RegistroDeshacer r;
        r.TipoDeshacer = TipoDeshacer::Desmover;
        r.VerticeDeshacer = static_cast<std::int16_t>(v);
        r.XDeshacer = g.Posic_CoordX(v);
        r.YDeshacer = g.Posic_CoordY(v);
        p_.RegistroDeshacer().Guardar(r, false);
        s.Moviendo = true;
        p_.Redibujar();
        lienzo.PonerModoPluma(Lienzo::Pluma::Borrar);
    } else
        lienzo.PonerModoPluma(Lienzo::Pluma::Invertir);
    DibujarConAristas(v);
    g.InsertarPosicionX(v, ACoordenada(x));
    g.InsertarPosicionY(v, ACoordenada(y));
    lienzo.PonerModoPluma(Lienzo::Pluma::Invertir);
    DibujarConAristas(v);
    lienzo.PonerModoPluma(Lienzo::Pluma::Copiar);
    p_.MarcarModificado();
}

// Each edge as the whole drawing draws it: an arc pair is two arcs.
void EdicionRaton::DibujarConAristas(int v)
{
    const Grafo& g = p_.grafo();
    Dibujo& d = p_.dibujo();
    d.DibujarVertice(v, Negro);
    for (int i = 1; i <= g.dimen(); ++i) {
        if (g.elem_matriz(v, i) != 0)
            d.DibujarArista(v, i, Negro, 0, 0, 0);
        if (g.Dirigido() && g.elem_matriz(i, v) != 0)
            d.DibujarArista(i, v, Negro, 0, 0, 0);
    }
}

void EdicionRaton::Goma(double x, double y)
{
    const Grafo& g = p_.grafo();
    Lienzo& lienzo = p_.Superficie();
    lienzo.PonerColorFrente(Negro);
    xInicial_ = g.Posic_CoordX(origenArista_);
    yInicial_ = g.Posic_CoordY(origenArista_);
    lienzo.PonerModoPluma(Lienzo::Pluma::Invertir);
    if (p_.Marcas().Moviendo)
        lienzo.Linea({xInicial_, double(yInicial_)}, {xFinal_, double(yFinal_)});
    p_.Marcas().Moviendo = true;
    // Drawn to the very point it will be taken away from.
    xFinal_ = std::nearbyint(x);
    yFinal_ = ACoordenada(y);
    lienzo.Linea({xInicial_, double(yInicial_)}, {xFinal_, double(yFinal_)});
    lienzo.PonerModoPluma(Lienzo::Pluma::Copiar);
}

// Follows the pointer with the hover marks; true when they changed. A
// vertex under the pointer masks the edges: reached along one of its edges,
// it takes the mark from the edge on the very move that reaches it, since a
// press may follow at once.
bool EdicionRaton::Sobrevolar()
{
    const Grafo& g = p_.grafo();
    Seleccion& s = p_.Marcas();
    bool cambio = false;
    const auto encima = [&](int v) { return puntero_ && VerticeEnPunto(g, v, puntero_->x(), puntero_->y()); };
    if (s.AristaBajoCursor != 0)
        for (int v = 1; v <= g.dimen(); ++v)
            if (encima(v)) {
                s.AristaAnterior = s.AristaBajoCursor;
                s.AristaBajoCursor = 0;
                cambio = true;
                break;
            }
    for (int v = 1; v <= g.dimen(); ++v) {
        if (encima(v) && v != s.VerticeBajoCursor) {
            s.VerticeBajoCursor = static_cast<std::int16_t>(v);
            cambio = true;
        } else if (!encima(v) && v == s.VerticeBajoCursor) {
            s.VerticeAnterior = static_cast<std::int16_t>(v);
            s.VerticeBajoCursor = 0;
            cambio = true;
        }
    }
    if (g.numero_aristas() < 1)
        return cambio;
    const std::int16_t e = puntero_ ? AristaEnPunto(g, puntero_->x(), puntero_->y()) : std::int16_t{-1};
    if (e < 1) {
        if (s.AristaBajoCursor != 0) {
            s.AristaAnterior = s.AristaBajoCursor;
            s.AristaBajoCursor = 0;
            cambio = true;
        }
    } else if (e != s.AristaBajoCursor && s.VerticeBajoCursor == 0) {
        s.AristaAnterior = s.AristaBajoCursor;
        s.AristaBajoCursor = e;
        cambio = true;
    }
    return cambio;
}

// --- press -------------------------------------------------------------------------------------------

void EdicionRaton::MouseDown(int boton, double x, double y)
{
    const Grafo& g = p_.grafo();
    Seleccion& s = p_.Marcas();
    if (boton == 1 && Pulsado("añadir_vert")) {
        AñadirVerticeEn(x, y);
        return;
    }
    if (boton == 1 && Pulsado("añadir_arista")) {
        p_.Superficie().PonerDibujoPersistente(true);
        if (const std::int16_t v = UltimoVerticeEnPunto(g, x, y))
            origenArista_ = v;
        return;
    }
    const bool recorrido = p_.Marco().RecorridoUsuario;
    if (g.dimen() > 0 && s.VerticeBajoCursor > 0 && recorrido) {
        RecorridoRaton::Clic(s, p_.dibujo(), s.VerticeBajoCursor);
        return;
    }
    const bool eligiendoOrden = p_.OrdenUsuario().Activa();
    if (g.dimen() > 0 && s.VerticeBajoCursor > 0 && eligiendoOrden) {
        p_.OrdenUsuario().Elegir(s.VerticeBajoCursor);
        return;
    }
    if (g.dimen() > 0 && s.VerticeBajoCursor > 0) {
        if (s.VerticeBajoCursor != s.VerticeSeleccionado) {
            p_.AnularDeshacer();
            s.VerticeAnterior = s.VerticeSeleccionado;
            s.VerticeSeleccionado = s.VerticeBajoCursor;
            s.AristaAnterior = s.AristaSeleccionada;
            s.AristaSeleccionada = s.AristaBajoCursor = s.VerticeBajoCursor = 0;
            SeleccionActiva(true);
        }
    } else if (s.AristaBajoCursor < 1 || recorrido || eligiendoOrden) {
        s.VerticeAnterior = s.VerticeSeleccionado;
        s.AristaAnterior = s.AristaSeleccionada;
        s.VerticeBajoCursor = s.VerticeSeleccionado = s.AristaBajoCursor = s.AristaSeleccionada = 0;
        SeleccionActiva(false);
    } else if (s.AristaBajoCursor != s.AristaSeleccionada) {
        p_.AnularDeshacer();
        s.AristaAnterior = s.AristaSeleccionada;
        s.AristaSeleccionada = s.AristaBajoCursor;
        s.VerticeAnterior = s.VerticeSeleccionado;
        s.VerticeBajoCursor = s.VerticeSeleccionado = s.AristaBajoCursor = 0;
        SeleccionActiva(true);
    }
    Refrescar();
}

void EdicionRaton::AñadirVerticeEn(double x, double y)
{
    Grafo& g = p_.grafo();
    const DimensionesArea area = p_.DimensionesTrabajo();
    if (!LugarLibre(g, x, y, int(area.ancho), int(area.alto)))
        return;
    if (g.AñadirVertice(ACoordenada(x), ACoordenada(y)) == 0) {
        const std::int16_t n = g.dimen();
        p_.dibujo().DibujarVertice(n, Negro);
        p_.Comandos().Habilitar(Control::Boton_matriz_adyacencia, true);
        p_.Comandos().Habilitar(Control::Matriz_adyacencia, true);
        p_.AnularDeshacer();
        RegistroDeshacer r;
        r.TipoDeshacer = TipoDeshacer::EliminarVertice;
        r.VerticeDeshacer = n;
        p_.RegistroDeshacer().Guardar(r);
        // The record drops the edge marks: their colours go with them.
        Refrescar();
    }
    TerminarModo("añadir_vert");
}

// --- release -----------------------------------------------------------------------------------------

void EdicionRaton::MouseUp(int boton, double x, double y)
{
    Grafo& g = p_.grafo();
    Seleccion& s = p_.Marcas();
    if (boton == 1 && s.VerticeSeleccionado >= 1 && s.VerticeSeleccionado == s.VerticeBajoCursor &&
        !p_.Marco().RecorridoUsuario) {
        const int v = s.VerticeSeleccionado;
        p_.Superficie().Limpiar();
        const DimensionesArea area = p_.DimensionesTrabajo();
        // Only a real drag has a starting place to go back to.
        if (s.Moviendo) {
            if (!LugarLibre(g, g.Posic_CoordX(v), g.Posic_CoordY(v), int(area.ancho), int(area.alto), v)) {
                g.InsertarPosicionX(v, static_cast<std::int16_t>(xInicial_));
                g.InsertarPosicionY(v, yInicial_);
            } else {
                p_.RegistroDeshacer().Habilitar();
            }
        }
        s.Moviendo = false;
        p_.Redibujar();
    }
    if (boton != 1 || !Pulsado("añadir_arista")) {
        origenArista_ = 0;
        return;
    }
    if (origenArista_ == 0)
        return;
    TerminarArista(x, y);
}

void EdicionRaton::TerminarArista(double x, double y)
{
    Grafo& g = p_.grafo();
    Lienzo& lienzo = p_.Superficie();
    lienzo.PonerDibujoPersistente(true);
    // A click without a drag drew no rubber band to take away.
    if (std::exchange(p_.Marcas().Moviendo, false)) {
        lienzo.PonerModoPluma(Lienzo::Pluma::Invertir);
        lienzo.Linea({xInicial_, double(yInicial_)}, {xFinal_, double(yFinal_)});
        lienzo.PonerModoPluma(Lienzo::Pluma::Copiar);
    }
    p_.Marcas().VerticeBajoCursor = 0;
    for (int v = 1; v <= g.dimen(); ++v) {
        if (!VerticeEnPunto(g, v, x, y))
            continue;
        if (g.AñadirArista(origenArista_, v) == 0) {
            p_.AnularDeshacer();
            RegistroDeshacer r;
            r.TipoDeshacer = TipoDeshacer::EliminarArista;
            r.AristaDeshacer = CodigoArista(origenArista_, v);
            p_.RegistroDeshacer().Guardar(r);
            lienzo.PonerColorFrente(Azul);
            p_.dibujo().DibujarArista(origenArista_, v, Azul, 0, 0, 0);
            p_.dibujo().DibujarVertice(origenArista_, Negro);
        }
        p_.dibujo().DibujarVertice(v, Negro);
    }
    TerminarModo("añadir_arista");
    origenArista_ = 0;
}

// --- commands ------------------------------------------------------------------------------------------

void EdicionRaton::Añadir_Vertice()
{
    p_.AnularDeshacer();
    p_.Vista().cursorCruz = true;
    p_.Comandos().Pulsar(Boton1("añadir_vert"), true);
    p_.HabilitarBarras(false);
    p_.HabilitarMenus(false);
    p_.MarcarModificado();
}

void EdicionRaton::Añadir_Arista()
{
    Seleccion& s = p_.Marcas();
    p_.AnularDeshacer();
    p_.Vista().cursorCruz = true;
    p_.Comandos().Pulsar(Boton1("añadir_arista"), true);
    p_.HabilitarBarras(false);
    p_.HabilitarMenus(false);
    s.AristaAnterior = s.AristaSeleccionada;
    s.AristaSeleccionada = 0;
    s.VerticeAnterior = s.VerticeSeleccionado;
    s.VerticeSeleccionado = 0;
    // The old selection must not look selected while the new edge is drawn.
    Refrescar();
    p_.MarcarModificado();
}

void EdicionRaton::Eliminar()
{
    Grafo& g = p_.grafo();
    Seleccion& s = p_.Marcas();
    if (const int v = s.VerticeSeleccionado; v > 0) {
        SeleccionActiva(false);
        RegistroDeshacer r;
        r.TipoDeshacer = TipoDeshacer::RecuperarVertice;
        r.VerticeDeshacer = static_cast<std::int16_t>(v);
        r.XDeshacer = g.Posic_CoordX(v);
        r.YDeshacer = g.Posic_CoordY(v);
        g.Insertar_Ar_conect(v, 0);
        p_.RegistroDeshacer().Guardar(r);
        g.EliminarVertice(v, true);
        s.VerticeSeleccionado = s.VerticeBajoCursor = 0;
    }
    if (const int e = s.AristaSeleccionada; e > 0) {
        SeleccionActiva(false);
        RegistroDeshacer r;
        r.TipoDeshacer = TipoDeshacer::RecuperarArista;
        r.AristaDeshacer = static_cast<std::int16_t>(e);
        r.PesoDeshacer = g.elem_matriz(OrigenArista(e), DestinoArista(e));
        p_.RegistroDeshacer().Guardar(r);
        g.EliminarArista(e);
        s.AristaSeleccionada = s.AristaBajoCursor = 0;
    }
    p_.MarcarModificado();
    // The graph was drawn again before the marks were dropped.
    Refrescar();
    SeguirPuntero();
}

void EdicionRaton::Cambiar_peso()
{
    Grafo& g = p_.grafo();
    Seleccion& s = p_.Marcas();
    p_.MarcarModificado();
    const int e = s.AristaSeleccionada;
    if (e <= 0) {
        p_.Persona().Mensaje(QStringLiteral("Ha de seleccionar una arista si desea cambiar su peso."), TituloAplicacion,
                             Icono::Exclamacion, Botones::Aceptar);
        return;
    }
    const int a = OrigenArista(e), b = DestinoArista(e);
    RegistroDeshacer r;
    r.TipoDeshacer = TipoDeshacer::CambiarPeso;
    r.AristaDeshacer = static_cast<std::int16_t>(e);
    r.PesoDeshacer = g.elem_matriz(a, b);
    p_.RegistroDeshacer().Guardar(r, false);
    if (p_.Vista().check1Marcado) {
        FuenteAleatoria& azar = p_.Persona().Azar();
        azar.ResembrarDelReloj();
        const std::int16_t w = azar.PesoAleatorio();
        g.InsertarMatriz(a, b, w);
        if (g.Tipo() == TipoGrafo::Ponderado)
            g.InsertarMatriz(b, a, w);
    } else {
        s.VerticeSeleccionado = 0;
        AsignarPeso dialogo(g, s);
        p_.Persona().Mostrar(dialogo);
    }
    if (g.elem_matriz(a, b) != r.PesoDeshacer)
        p_.RegistroDeshacer().Habilitar();
    p_.Redibujar();
}

void EdicionRaton::Deshacer_Click()
{
    p_.RegistroDeshacer().Ejecutar(p_.grafo());
    p_.MarcarModificado();
    // The graph as it was, drawn whole: what an edge drawn with the mouse left
    // on the picture (its blue line) must not come back with it.
    p_.Redibujar();
    SeguirPuntero();
}

void EdicionRaton::Ident_vertices()
{
    // The merge redraws the work area itself.
    IdentificarVert dialogo(p_.grafo(), [] {});
    p_.Persona().Mostrar(dialogo);
    p_.MarcarModificado();
    SeguirPuntero();
}
