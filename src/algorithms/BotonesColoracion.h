// The colouring's step window: its own copy of the trace and the buttons
// that paint the next vertex of the order ("Continuar"), paint all the rest
// ("Fin") or print, and the two that show the vertices painted so far one
// step at a time, back and forth. Brelaz's run also has the side panel of degrees and
// saturation degrees, beside a work area narrowed to make room for it.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "algorithms/OrdenesColoracion.h"
#include "algorithms/PanelBrelaz.h"
#include "algorithms/TrazaColoracion.h"
#include "costuras/ModeloDialogo.h"
#include "run/BotonesInterrupcion.h"
#include "run/HistoriaPasos.h"
#include "run/MandoReproduccion.h"
#include "run/PasoMostrado.h"
#include "run/Traza.h"

struct Contexto;

class BotonesColoracion : public ModeloDialogo {
public:
    // Opens the window: the title and order line, or Brelaz's panel.
    BotonesColoracion(Contexto& contexto, Coloracion coloracion, const QString& nombre);

    static QString TextoContinuar() { return QStringLiteral("Continuar"); }
    static QString TextoTerminar() { return QStringLiteral("Fin"); }
    static QString TextoImprimir() { return QStringLiteral("Imprimir"); }

    // What the window's text pane shows, and where its caret goes: at the
    // number painted last in the step shown.
    QTextDocument& Texto();
    int PosicionCursor() const;
    bool TextoVisible() const { return textoVisible_; }
    // Brelaz's panel of the step shown while the window is open, else nullptr.
    const PanelBrelaz* Panel() const;
    // The steps shown so far, to go back and forth through.
    PasoMostrado& Pasos() { return pasos_; }
    // Playing and the timeline over the vertices painted so far.
    MandoReproduccion& Mando() { return mando_; }
    // The place in the order of the next vertex to paint, from 1.
    int Paso() const { return paso_; }

    // The next vertex, or, once all are painted, the end; from an earlier
    // step, back to the newest.
    void Continuar();
    // Every vertex left, then the end.
    void Terminar();
    void Imprimir();
    // Archivo > Exportar… over the colouring as it stands.
    void Exportar();
    // "Guardar pasos en PDF…": the handout of the vertices painted so far.
    static QString TextoGuardarPasos() { return BotonesInterrupcion::TextoGuardarPasos(); }
    void GuardarPasos();
    bool Cerrado() const { return cerrado_; }
    // Nobody to answer: "Continuar" until every vertex is painted.
    void SinPersona() override
    {
        while (!Cerrado())
            Continuar();
    }

    // Paints the vertex at place i of the order in its palette colour and
    // adds it to its colour's line; returns where its number starts.
    static int Pintar(Contexto& contexto, TrazaColoracion& traza, const Coloracion& coloracion, int i, bool negrita);

private:
    void DarPaso();
    void Mostrar();
    void Cerrar();

    Contexto& c_;
    Coloracion coloracion_;
    TrazaColoracion traza_;
    Traza texto_;
    std::optional<PanelBrelaz> panel_;
    HistoriaPasos historia_;
    PasoMostrado pasos_{historia_};
    MandoReproduccion mando_;
    std::vector<PanelBrelaz> paneles_; // by step
    int paso_ = 1;
    int ultimo_ = -1; // where the number painted last starts
    int cursor_ = 0;
    bool textoVisible_ = true;
    bool cerrado_ = false;
};
