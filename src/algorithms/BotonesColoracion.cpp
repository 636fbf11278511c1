#include "algorithms/BotonesColoracion.h"

#include "drawing/Dibujo.h"
#include "drawing/Lienzo.h"
#include "model/Grafo.h"
#include "run/Algoritmo.h"
#include "run/MarcoEjecucion.h"
#include "run/VentanaEjecucion.h"

BotonesColoracion::BotonesColoracion(Contexto& contexto, Coloracion coloracion, const QString& nombre)
    : c_(contexto), coloracion_(std::move(coloracion)), traza_(nombre, coloracion_),
      historia_(contexto.marco.Ventana()), mando_(contexto.marco.Juego(), pasos_, [this] { Continuar(); })
{
    if (nombre == TituloBrelaz) {
        const int ancho = c_.marco.Ventana().ReservarPanel(PanelBrelaz::Ancho);
        if (EncogerAlAncho(c_.grafo, ancho)) {
            c_.dibujo.Superficie().Limpiar();
            c_.dibujo.DibujarGrafo(0);
        }
        panel_.emplace(c_.grafo);
    }
    Mostrar();
}

int BotonesColoracion::Pintar(Contexto& c, TrazaColoracion& traza, const Coloracion& coloracion, int i, bool negrita)
{
    const int v = coloracion.orden[i];
    const int color = coloracion.color[v];
    c.dibujo.Colorear(v, color, coloracion.k);
    return traza.Asigna(v, color, negrita);
}

QTextDocument& BotonesColoracion::Texto()
{
    return pasos_.EnUltimo() ? texto_.Documento() : pasos_.Copia();
}

int BotonesColoracion::PosicionCursor() const
{
    return pasos_.EnUltimo() ? cursor_ : pasos_.Cursor();
}

const PanelBrelaz* BotonesColoracion::Panel() const
{
    return panel_ ? &paneles_.at(pasos_.Mostrado() - 1) : nullptr;
}

void BotonesColoracion::Continuar()
{
    if (cerrado_)
        return;
    if (!pasos_.EnUltimo())
        return pasos_.AlUltimo();
    if (paso_ >= int(coloracion_.orden.size())) {
        Cerrar();
        return;
    }
    if (panel_)
        panel_->Actualizar(c_.grafo, coloracion_, paso_);
    DarPaso();
    Mostrar();
}

void BotonesColoracion::Terminar()
{
    if (cerrado_)
        return;
    mando_.Juego().Pausar();
    pasos_.AlUltimo();
    textoVisible_ = false;
    while (paso_ < int(coloracion_.orden.size()))
        DarPaso();
    Cerrar();
}

void BotonesColoracion::Exportar()
{
    c_.marco.Ventana().ExportarDibujo();
}

void BotonesColoracion::GuardarPasos()
{
    c_.marco.Ventana().GuardarPasos(historia_);
}

void BotonesColoracion::Imprimir()
{
    c_.marco.Ventana().AbrirImprimir(Texto());
}

// Only the vertex painted last stands out in bold.
void BotonesColoracion::DarPaso()
{
    if (ultimo_ >= 0)
        traza_.QuitarNegrita(ultimo_, coloracion_.orden[paso_ - 1]);
    ultimo_ = Pintar(c_, traza_, coloracion_, paso_, true);
    ++paso_;
}

void BotonesColoracion::Mostrar()
{
    texto_.Vaciar();
    texto_.PonerNumFormatos(0);
    traza_.EscribirEn(texto_);
    texto_.AplicarFormatos(texto_.Documento());
    cursor_ = ultimo_ >= 0 ? ultimo_ : int(traza_.Texto().size());
    historia_.Recordar(texto_, cursor_);
    pasos_.Seguir();
    if (panel_)
        paneles_.push_back(*panel_);
}

// The window's text becomes the run's trace and its steps the run's, for the
// handout at the end; the work area gets its room back.
void BotonesColoracion::Cerrar()
{
    pasos_.AlUltimo();
    c_.marco.Historia().Añadir(std::move(historia_));
    textoVisible_ = false;
    traza_.EscribirEn(c_.marco.traza());
    if (panel_) {
        panel_.reset();
        c_.marco.Ventana().ReservarPanel(0);
    }
    cerrado_ = true;
}
