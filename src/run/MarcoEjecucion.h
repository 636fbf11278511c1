// The frame every algorithm runs in: the run flags, the trace with its
// formats, entering and leaving run mode, the step pauses, and two small
// routines many algorithms share.
#pragma once

#include <QColor>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

class Principal;
class Traza;
class QTextDocument;

// The trace's colour for "the pane's own colour".
inline const QColor ColorTrazaPorDefecto{};

class MarcoEjecucion {
public:
    explicit MarcoEjecucion(Principal& principal);

    bool EjecucionCompleta = false;
    bool DesdeMenu = false;
    bool EscapePulsado = false;
    bool RecorridoUsuario = false;
    // The cut vertices (1..50) found by the last VerticesCorte; the blocks
    // read them after it returns.
    std::array<bool, 51> Corte{};

    Traza& traza();
    void PrepararEjecucion();
    void AñadirTraza(const QString& texto, bool negrita, const QColor& color);
    // Returns the position after the formatted text (where the caret goes).
    int AplicarFormatos(QTextDocument& panel);
    void PausaPaso();
    void FinalizarEjecucion();
    // lista is 1-based and ends at its first 0 (or at its end).
    static bool EstaEnLista(std::int16_t x, const std::vector<std::int16_t>& lista);
    void Esperar(std::int16_t segundos);

    // How far the trace pane narrows while the step window or the Aceptar
    // button stands beside it.
    static constexpr int AnchoBotones = 1385;

private:
    Principal& p_;
};
