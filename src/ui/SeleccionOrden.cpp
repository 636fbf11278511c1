#include "ui/SeleccionOrden.h"

#include "model/Controles.h"
#include "ui/EstadoPrincipal.h"
#include "ui/MenuPrincipal.h"

namespace {

constexpr int PorLinea = 25;
const QColor Negro(Qt::black);
const QColor AzulOrden(0, 0, 192);
const QString Etiqueta = QStringLiteral(" Seleccionados : ");

} // namespace

SeleccionOrden::SeleccionOrden(EstadoPrincipal& ventana, std::function<void(const Parametros&)> colorear)
    : p_(ventana), colorear_(std::move(colorear))
{
}

bool SeleccionOrden::Activa() const
{
    return p_.Marco().Orden_Definido;
}

bool SeleccionOrden::Elegido(int v) const
{
    return v >= 1 && v < int(elegido_.size()) && elegido_[v];
}

void SeleccionOrden::Empezar()
{
    p_.Marco().Orden_Definido = true;
    p_.Marco().Juego().Pausar();
    // A vertex selected before would look chosen without being so.
    p_.Marcas() = Seleccion{};
    p_.Redibujar();
    const QString eliminar = EstadoComandos::Boton(QStringLiteral("Toolbar1"), QStringLiteral("eliminar"));
    p_.Comandos().Habilitar(eliminar, false);
    p_.Comandos().PonerImagen(eliminar, ImagenBarra::EliminarInactiva);
    p_.HabilitarBarras(false);
    p_.Vista().textoHabilitado = false;
    p_.HabilitarMenus(false);

    Traza& traza = p_.trazaPanel();
    traza.Vaciar();
    traza.PonerNumFormatos(0);
    traza.PonerAlineacion(Qt::AlignHCenter);
    traza.AñadirTraza(QStringLiteral("Seleccione los vértices en el orden deseado.\r\n\r\n"), true, Negro);
    traza.PonerAlineacion(Qt::AlignLeft);
    traza.AplicarFormatos(traza.Documento());
    orden_.clear();
    elegido_.assign(p_.grafo().dimen() + 1, false);
}

void SeleccionOrden::Elegir(int v)
{
    if (v < 1 || v >= int(elegido_.size()) || elegido_[v])
        return;
    elegido_[v] = true;
    orden_.push_back(std::int16_t(v));
    Marcar(v);
    Apuntar(v);
    if (orden_.size() + 1 < elegido_.size())
        return;
    FinSeleccionOrden();
    Parametros parametros;
    parametros.lista = orden_;
    colorear_(parametros);
    // The run did not take place (its mode was not chosen).
    if (Activa())
        Dejar();
}

void SeleccionOrden::Abandonar()
{
    if (!Activa())
        return;
    FinSeleccionOrden();
    Dejar();
}

void SeleccionOrden::Dejar()
{
    p_.trazaPanel().Vaciar();
    p_.trazaPanel().PonerNumFormatos(0);
    p_.Marco().Orden_Definido = false;
    p_.Redibujar();
}

// The look of the selected vertex, which stays on the chosen ones.
void SeleccionOrden::Marcar(int v)
{
    Seleccion& s = p_.Marcas();
    const std::int16_t seleccionado = s.VerticeSeleccionado;
    s.VerticeSeleccionado = std::int16_t(v);
    p_.dibujo().DibujarVertice(v, Negro);
    s.VerticeSeleccionado = seleccionado;
}

// The list of chosen vertices, 25 to a line, the numbers two characters wide.
void SeleccionOrden::Apuntar(int v)
{
    Traza& traza = p_.trazaPanel();
    const int posicion = int(orden_.size());
    if (posicion == 1) {
        traza.AñadirTraza(Etiqueta, false, Negro);
    } else if (posicion == PorLinea + 1) {
        traza.AñadirTraza(QStringLiteral(",\r\n"), false, AzulOrden);
        traza.AñadirTraza(Etiqueta, false, FondoTraza);
    } else {
        traza.AñadirTraza(QStringLiteral(", "), false, AzulOrden);
    }
    if (v < 10)
        traza.AñadirTraza(QStringLiteral("_"), false, FondoTraza);
    traza.AñadirTraza(QString::number(v), false, AzulOrden);
    traza.AplicarFormatos(traza.Documento());
}

void SeleccionOrden::RedibujarBajoCursor()
{
    const Seleccion& s = p_.Marcas();
    for (const int v : {s.VerticeBajoCursor, s.VerticeAnterior})
        if (v > 0 && !Elegido(v))
            p_.dibujo().DibujarVertice(v, Negro);
}

void SeleccionOrden::FinSeleccionOrden()
{
    p_.HabilitarBarras(true);
    p_.HabilitarMenus(true);
    p_.Vista().textoHabilitado = true;
}
