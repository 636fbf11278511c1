#include "ui/EstadoPrincipal.h"

#include "algorithms/CatalogoOrdenes.h"
#include "costuras/Interaccion.h"
#include "model/Controles.h"
#include "run/BotonesInterrupcion.h"
#include "ui/AsignarPeso.h"
#include "ui/MenuPrincipal.h"

namespace {

struct DibujoDelArea : RecuerdoDibujo {
    explicit DibujoDelArea(LienzoMemoria::Instantanea f) : foto(std::move(f)) {}
    LienzoMemoria::Instantanea foto;
};

} // namespace

EstadoPrincipal::EstadoPrincipal(Interaccion& interaccion)
    : interaccion_(interaccion), deshacer_(comandos_, [this] { Redibujar(); })
{
    OfrecerSegunTipo(comandos_);
}

// --- the record and its drawing ---------------------------------------------------

void EstadoPrincipal::NuevoRegistro()
{
    EntornoGrafo entorno;
    entorno.comandos = &comandos_;
    entorno.interaccion = &interaccion_;
    entorno.seleccion = &seleccion_;
    entorno.pesosAleatorios = [this] { return vista_.check1Marcado; };
    entorno.redibujar = [this] { Redibujar(); };
    entorno.guardarIdent = [this](std::int16_t u, std::int16_t w) { deshacer_.guardar_ident(*grafo_, u, w); };
    entorno.pedirPeso = PreguntaPeso(interaccion_);
    grafo_ = std::make_unique<Grafo>(std::move(entorno));
    // Marks name vertices and edges of the graph that is gone.
    seleccion_ = Seleccion{};
    ReconstruirDibujo();
}

void EstadoPrincipal::NuevaArea()
{
    const Rectangulo& a = disposicion_.areaTrabajo;
    if (area_ && area_->Mide(a.ancho, a.alto, escala_))
        return;
    area_ = std::make_unique<SuperficieArea>(a.ancho, a.alto, escala_);
    limpio_.reset();
    ReconstruirDibujo();
}

void EstadoPrincipal::ReconstruirDibujo()
{
    if (grafo_)
        dibujo_ = std::make_unique<Dibujo>(*grafo_, Superficie(), seleccion_, marco_.DesdeMenu);
}

void EstadoPrincipal::PonerSuperficie(Lienzo* lienzo)
{
    lienzoPropio_ = lienzo;
    ReconstruirDibujo();
}

DimensionesArea EstadoPrincipal::DimensionesTrabajo() const
{
    return {static_cast<double>(disposicion_.areaTrabajo.ancho), static_cast<double>(disposicion_.areaTrabajo.alto)};
}

namespace {

bool SinMarcas(const Seleccion& s)
{
    return s.VerticeBajoCursor == 0 && s.VerticeSeleccionado == 0 && s.AristaBajoCursor == 0 &&
           s.AristaSeleccionada == 0 && !s.Moviendo;
}

} // namespace

void EstadoPrincipal::Redibujar()
{
    Superficie().Limpiar();
    dibujo_->DibujarGrafo(0);
    RecordarSiLimpio();
}

void EstadoPrincipal::RedibujarCambios()
{
    if (lienzoPropio_) {
        Redibujar();
        return;
    }
    LienzoMemoria& memoria = area_->Memoria();
    memoria.Restaurar(memoria.Grabar(
        [this](Lienzo& lienzo) { Dibujo(*grafo_, lienzo, seleccion_, marco_.DesdeMenu).DibujarGrafo(0); }));
    RecordarSiLimpio();
}

void EstadoPrincipal::RecordarSiLimpio()
{
    if (!lienzoPropio_ && SinMarcas(seleccion_))
        limpio_ = DibujoPlano{*grafo_, area_->Version()};
    else
        limpio_.reset();
}

bool EstadoPrincipal::DibujoLimpio() const
{
    return limpio_ && !lienzoPropio_ && SinMarcas(seleccion_) && limpio_->version == area_->Version() &&
           limpio_->grafo == *grafo_;
}

// --- window-wide switches ----------------------------------------------------------

void EstadoPrincipal::ActualizarTitulo()
{
    titulo_ = QStringLiteral("NODEVA: Algoritmos sobre Grafos - [") + documento_.NombreCorto() + u']';
}

void EstadoPrincipal::TextoPanel(const QString& texto)
{
    traza_.PonerTexto(texto);
}

void EstadoPrincipal::HabilitarMenus(bool activo)
{
    for (const QString& menu : MenusPrincipales())
        comandos_.Habilitar(menu, activo);
}

void EstadoPrincipal::HabilitarBarras(bool activo)
{
    comandos_.Habilitar(QStringLiteral("Toolbar1"), activo);
    comandos_.Habilitar(QStringLiteral("Toolbar2"), activo);
}

// --- the run frame's window half -----------------------------------------------------

void EstadoPrincipal::BloquearParaEjecucion(bool areaActiva)
{
    // Nothing may stay selected or marked while the algorithm draws.
    const bool limpio = DibujoLimpio();
    seleccion_ = Seleccion{};
    if (!limpio)
        Redibujar();
    comandos_.Habilitar(QStringLiteral("Toolbar1"), false);
    HabilitarMenus(false);
    if (!areaActiva)
        vista_.areaHabilitada = false;
    if (vista_.check1Visible)
        vista_.check1Habilitado = false;
    vista_.textoHabilitado = false;
}

void EstadoPrincipal::MostrarPaso(BotonesInterrupcion& ventana)
{
    vista_.textoVisible = false;
    disposicion_.textoPeq.ancho -= MarcoEjecucion::AnchoBotones;
    comandos_.Habilitar(QStringLiteral("Toolbar2"), true);
    comandos_.Habilitar(Control::Boton_imprimir, true);
    interaccion_.Mostrar(ventana);
    disposicion_.textoPeq.ancho += MarcoEjecucion::AnchoBotones;
}

void EstadoPrincipal::MostrarAceptar()
{
    Disposicion& d = disposicion_;
    d.textoPeq.ancho -= MarcoEjecucion::AnchoBotones;
    vista_.aceptarVisible = vista_.aceptarHabilitado = true;
    d.aceptar = {d.textoPeq.ancho + 200, d.textoPeq.arriba + 200, d.aceptar.ancho, d.textoPeq.alto - 400};
    vista_.folletoVisible = marco_.Historia().Pasos() > 0;
    vista_.textoHabilitado = true;
}

void EstadoPrincipal::MostrarTraza(int cursor)
{
    vista_.textoVisible = true;
    vista_.cursorTraza = cursor;
}

void EstadoPrincipal::AbrirPasoPropio()
{
    vista_.textoVisible = false;
    comandos_.Habilitar(QStringLiteral("Toolbar2"), true);
    comandos_.Habilitar(Control::Boton_imprimir, true);
}

int EstadoPrincipal::ReservarPanel(int ancho)
{
    // The picture keeps its size: the panel only covers its right side.
    disposicion_.areaTrabajo.ancho = disposicion_.ancho - 200 - ancho;
    return disposicion_.areaTrabajo.ancho;
}

// A surface of the caller's own (a test's, an export's) is not the area's
// picture: nothing to remember then.
std::shared_ptr<const RecuerdoDibujo> EstadoPrincipal::RecordarDibujo()
{
    if (lienzoPropio_)
        return nullptr;
    return std::make_shared<DibujoDelArea>(area_->Memoria().Recordar());
}

void EstadoPrincipal::MostrarDibujo(const RecuerdoDibujo& dibujo)
{
    if (const auto* delArea = dynamic_cast<const DibujoDelArea*>(&dibujo); delArea && !lienzoPropio_)
        area_->Memoria().Restaurar(delArea->foto);
}

std::function<void(Lienzo&)> EstadoPrincipal::Repeticion(const RecuerdoDibujo& dibujo) const
{
    const auto* delArea = dynamic_cast<const DibujoDelArea*>(&dibujo);
    if (!delArea || !delArea->foto.Entera())
        return {};
    return [delArea](Lienzo& otro) { LienzoMemoria::Repetir(delArea->foto, otro); };
}
