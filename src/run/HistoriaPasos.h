// The steps a run has paused at, kept so the person can look at them again:
// each step's trace (text, format runs, letter sizes and alignment), where
// the step window's caret stood, and the work area's picture as the window
// remembers it. Between pauses the trace only grows, so consecutive steps
// share one copy of it and each keeps only its length; the format table is
// kept in blocks that a step shares with the one before when unchanged.
#pragma once

#include <QString>
#include <QTextDocument>
#include <array>
#include <memory>
#include <vector>

#include "run/Traza.h"

class RecuerdoDibujo;
class VentanaEjecucion;

class HistoriaPasos {
public:
    explicit HistoriaPasos(VentanaEjecucion& ventana) : ventana_(ventana) {}

    void Olvidar() { pasos_.clear(); }
    // The steps of another history (a step window's own) follow these.
    void Añadir(HistoriaPasos&& otra);
    // Remembers the step as it stands: the trace, the caret of its copy and
    // the work area's picture.
    void Recordar(Traza& traza, int cursor);
    int Pasos() const { return static_cast<int>(pasos_.size()); }
    // Writes step k's formatted trace (k from 1) into an empty document, as
    // the step window showed it; returns where its caret went.
    int Copiar(int k, QTextDocument& destino) const;
    // Puts step k's picture back on the work area.
    void MostrarDibujo(int k) const;
    // Step k's picture as the window remembered it; none when it could not.
    const RecuerdoDibujo* Dibujo(int k) const { return pasos_.at(k - 1).dibujo.get(); }

private:
    // A trace that only grew while the steps sharing it were taken: its text
    // and its document, as long as the newest of them.
    struct Tramo {
        QString texto;
        QTextDocument documento;
    };
    static constexpr int PorBloque = 64;
    using Bloque = std::array<FormatoTraza, PorBloque>;
    using Bloques = std::vector<std::shared_ptr<const Bloque>>;
    struct Paso {
        std::shared_ptr<Tramo> tramo;
        int largoTexto = 0;
        int largoDocumento = 0;
        std::shared_ptr<const Bloques> formatos;
        int cursor = 0;
        std::shared_ptr<const RecuerdoDibujo> dibujo;
    };

    std::shared_ptr<Tramo> TramoPara(Traza& traza);
    std::shared_ptr<const Bloques> FormatosPara(const Traza& traza) const;

    VentanaEjecucion& ventana_;
    std::vector<Paso> pasos_;
};
