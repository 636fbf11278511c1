// The step window's model: a formatted copy of the trace so far and the
// buttons that resume the run, finish it without more pauses, or print; with
// the run's history, two more that show the steps before this one.
#pragma once

#include <QTextDocument>
#include <functional>
#include <optional>

#include "costuras/ModeloDialogo.h"
#include "run/MandoReproduccion.h"
#include "run/PasoMostrado.h"

struct BanderasEjecucion;
class HistoriaPasos;
class Reproduccion;
class Traza;

class BotonesInterrupcion : public ModeloDialogo {
public:
    // `imprimir` opens the print options for the copy shown. With a history
    // the window remembers this step in it and can show the earlier ones.
    BotonesInterrupcion(BanderasEjecucion& banderas, Traza& traza, std::function<void(const QTextDocument&)> imprimir,
                        HistoriaPasos* historia = nullptr);

    static QString TextoContinuar() { return QStringLiteral("Continuar"); }
    static QString TextoTerminar() { return QStringLiteral("Fin"); }
    static QString TextoImprimir() { return QStringLiteral("Imprimir"); }

    // The copy of the step shown and where its caret goes.
    QTextDocument& Texto();
    int PosicionCursor() const;
    bool TextoVisible() const { return textoVisible_; }
    // The steps it can show, when it has a history: "< Anterior" and
    // "Siguiente >" move through them.
    PasoMostrado* Pasos() { return pasos_ ? &*pasos_ : nullptr; }
    // With a history, the run can also be played and its steps reached on
    // a timeline.
    void ConReproduccion(Reproduccion& juego);
    MandoReproduccion* Mando() { return mando_ ? &*mando_ : nullptr; }

    // From an earlier step, back to this one; else the run goes on.
    void Continuar();
    // No more pauses: the algorithm runs to its end.
    void Terminar();
    void Imprimir();
    // Archivo > Exportar… over the step shown; `exportar` does it.
    void Exportar() const
    {
        if (exportar_)
            exportar_();
    }
    void AlExportar(std::function<void()> exportar) { exportar_ = std::move(exportar); }
    // "Guardar pasos en PDF…": the handout of the steps so far; `guardar` writes it.
    static QString TextoGuardarPasos() { return QStringLiteral("Guardar pasos en PDF…"); }
    void GuardarPasos() const
    {
        if (guardarPasos_)
            guardarPasos_();
    }
    void AlGuardarPasos(std::function<void()> guardar) { guardarPasos_ = std::move(guardar); }
    // Escape continues, and tells the Eulerian algorithms it was pressed;
    // from an earlier step it only comes back to this one, as Continuar.
    void Escape();
    bool Cerrado() const { return cerrado_; }
    // Nobody to answer: the run goes on.
    void SinPersona() override { Continuar(); }
    // The picture of this step back on the work area, whatever was shown.
    void VolverAlUltimo();

private:
    void Cerrar();
    // Fin and Escape stop playing.
    void Parar();
    bool EnUltimo() const { return !pasos_ || pasos_->EnUltimo(); }

    BanderasEjecucion& banderas_;
    std::function<void(const QTextDocument&)> imprimir_;
    std::function<void()> exportar_;
    std::function<void()> guardarPasos_;
    QTextDocument texto_;
    int cursor_ = 0;
    bool textoVisible_ = true;
    bool cerrado_ = false;
    std::optional<PasoMostrado> pasos_;
    std::optional<MandoReproduccion> mando_;
};
