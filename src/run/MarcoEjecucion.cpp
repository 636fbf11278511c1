#include "run/MarcoEjecucion.h"

#include "model/Controles.h"
#include "run/BotonesInterrupcion.h"
#include "run/Traza.h"
#include "ui/Interaccion.h"
#include "ui/Principal.h"

MarcoEjecucion::MarcoEjecucion(Principal& principal) : p_(principal) {}

Traza& MarcoEjecucion::traza()
{
    return p_.trazaPanel();
}

void MarcoEjecucion::PrepararEjecucion()
{
    // Nothing may stay selected or marked while the algorithm draws.
    p_.Marcas() = Seleccion{};
    p_.Redibujar();
    p_.Comandos().Habilitar(QStringLiteral("Toolbar1"), false);
    p_.HabilitarMenus(false);
    VistaPrincipal& vista = p_.Vista();
    if (!RecorridoUsuario)
        vista.areaHabilitada = false;
    if (vista.check1Visible)
        vista.check1Habilitado = false;
    traza().Vaciar();
    vista.textoHabilitado = false;
    traza().PonerNumFormatos(0);
}

void MarcoEjecucion::AñadirTraza(const QString& texto, bool negrita, const QColor& color)
{
    traza().AñadirTraza(texto, negrita, color);
}

int MarcoEjecucion::AplicarFormatos(QTextDocument& panel)
{
    return traza().AplicarFormatos(panel);
}

void MarcoEjecucion::PausaPaso()
{
    if (EjecucionCompleta)
        return;
    p_.Vista().textoVisible = false;
    p_.Geometria().textoPeq.ancho -= AnchoBotones;
    p_.Comandos().Habilitar(QStringLiteral("Toolbar2"), true);
    p_.Comandos().Habilitar(Control::Boton_imprimir, true);
    BotonesInterrupcion ventana(*this, [this] { p_.Ejecutar(QStringLiteral("Imprimir")); });
    p_.Persona().Mostrar(ventana);
    p_.Geometria().textoPeq.ancho += AnchoBotones;
}

void MarcoEjecucion::FinalizarEjecucion()
{
    Disposicion& d = p_.Geometria();
    d.textoPeq.ancho -= AnchoBotones;
    DesdeMenu = false;
    VistaPrincipal& vista = p_.Vista();
    vista.aceptarVisible = vista.aceptarHabilitado = true;
    d.aceptar = {d.textoPeq.ancho + 200, d.textoPeq.arriba + 200, d.aceptar.ancho, d.textoPeq.alto - 400};
    vista.textoHabilitado = true;
    // The prompt's runs follow the algorithm's without being counted, so the
    // next run writes over them.
    const int n = traza().NumFormatos();
    const QString piezas[] = {QStringLiteral("\r\nPresione "), QStringLiteral("ACEPTAR "),
                              QStringLiteral(" para continuar.")};
    for (int k = 0; k < 3; ++k) {
        traza().PonerFormato(n + 1 + k, {static_cast<std::int16_t>(piezas[k].size()), k == 1, QColor(Qt::black)});
        traza().Añadir(piezas[k]);
    }
    AplicarFormatos(traza().Documento());
    vista.textoVisible = true;
    EjecucionCompleta = false;
}

bool MarcoEjecucion::EstaEnLista(std::int16_t x, const std::vector<std::int16_t>& lista)
{
    for (std::size_t i = 1; i < lista.size() && lista[i] != 0; ++i)
        if (lista[i] == x)
            return true;
    return false;
}

void MarcoEjecucion::Esperar(std::int16_t segundos)
{
    Interaccion& persona = p_.Persona();
    const double inicio = persona.Ahora();
    while (persona.Ahora() - inicio < segundos)
        persona.ProcesarEventos();
}
