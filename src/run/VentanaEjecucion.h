// What the run frame asks of the window a run takes place in. The main
// window implements it; the frame never sees more of it.
#pragma once

#include <cstdint>
#include <memory>

class BotonesInterrupcion;
class HistoriaPasos;
class QTextDocument;

// The work area's picture as the window remembered it for a step; only the
// window that made it reads it.
class RecuerdoDibujo {
public:
    virtual ~RecuerdoDibujo() = default;
};

class VentanaEjecucion {
public:
    // Enters run mode: marks dropped, graph redrawn, menus, toolbar and trace
    // pane locked; the work area keeps taking clicks only when areaActiva.
    virtual void BloquearParaEjecucion(bool areaActiva) = 0;
    // Shows the step window beside the narrowed trace pane, modally.
    virtual void MostrarPaso(BotonesInterrupcion& ventana) = 0;
    // The end of a run: the trace pane narrows beside the Aceptar button.
    virtual void MostrarAceptar() = 0;
    // The trace pane shown again once the end prompt is formatted, its
    // caret (and so its view) at document position `cursor`.
    virtual void MostrarTraza(int cursor) = 0;
    // The print options, from a step window's Imprimir: the trace printed is
    // `traza`, that window's formatted copy (the pane's own text is not
    // formatted while the run goes on).
    virtual void AbrirImprimir(const QTextDocument& traza) = 0;
    // Archivo > Exportar… from a step window (Ctrl+E there, as in the
    // menu): the graph, or the picture as the step shows it.
    virtual void ExportarDibujo() = 0;
    // "Guardar pasos en PDF…" from a step window: the handout of `historia`,
    // the steps that window can show.
    virtual void GuardarPasos(const HistoriaPasos& historia) = 0;
    // A step window of the algorithm's own (the colouring's) opens over the
    // trace pane: the pane hides until the end prompt shows it, and the
    // print button is enabled.
    virtual void AbrirPasoPropio() = 0;
    // A side panel takes `ancho` twips off the right of the work area (0
    // gives them back); returns the work area's width.
    virtual int ReservarPanel(int ancho) = 0;
    // The work area's picture as it stands, to be shown again later; none
    // when the window cannot redraw it.
    virtual std::shared_ptr<const RecuerdoDibujo> RecordarDibujo() = 0;
    // Puts a remembered picture back on the work area.
    virtual void MostrarDibujo(const RecuerdoDibujo& dibujo) = 0;

    // What the Eulerian tours need besides: back to editing as the Aceptar
    // button goes (a run left with Escape), the trace pane hidden while a
    // tour draws, the work area taking clicks or not, and the vertex the
    // person clicked during the user's walk (0 when none since it was last
    // taken; taking it clears it).
    virtual void Aceptar_Click() = 0;
    virtual void OcultarTraza() = 0;
    virtual void HabilitarArea(bool activa) = 0;
    virtual std::int16_t TomarVerticeSeleccionado() = 0;

protected:
    ~VentanaEjecucion() = default;
};
