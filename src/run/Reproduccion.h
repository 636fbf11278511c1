// Playing a run in front of a class: whether the step window presses
// "Continuar" by itself, and at what pace. The pace also sets how long the
// Eulerian tours dwell on each edge, so one second, the default, leaves a
// run as it always was. The frame keeps one for the whole session; a run
// always starts paused.
#pragma once

#include <QString>
#include <functional>

class Reproduccion {
public:
    static constexpr double RitmoMinimo = 0.25;
    static constexpr double RitmoMaximo = 5;
    static constexpr double RitmoPorDefecto = 1;

    static QString TextoReproducir() { return QStringLiteral("Reproducir"); }
    static QString TextoPausa() { return QStringLiteral("Pausa"); }

    bool Reproduciendo() const { return reproduciendo_; }
    // The play button's caption: what pressing it would do.
    QString Rotulo() const { return reproduciendo_ ? TextoPausa() : TextoReproducir(); }
    void Alternar() { reproduciendo_ = !reproduciendo_; }
    void Pausar() { reproduciendo_ = false; }

    // Seconds per step, kept within the bounds.
    double Ritmo() const { return ritmo_; }
    int Milisegundos() const { return static_cast<int>(ritmo_ * 1000 + 0.5); }
    void PonerRitmo(double segundos);
    // Where the window keeps the pace between sessions: told of every change.
    void AlCambiarRitmo(std::function<void(double)> guardar) { guardar_ = std::move(guardar); }

private:
    bool reproduciendo_ = false;
    double ritmo_ = RitmoPorDefecto;
    std::function<void(double)> guardar_;
};
