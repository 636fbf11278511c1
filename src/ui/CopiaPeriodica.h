// When the recovery copy is written: while the graph has unsaved changes, at
// most every 30 seconds after a change, and at once when asked (a run
// starts, a question that can lose work, the program ends); never during a
// run. Without unsaved work there is no copy.
#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "files/CopiaRecuperacion.h"
#include "files/Documento.h"
#include "model/Grafo.h"

class CopiaPeriodica {
public:
    static constexpr double Intervalo = 30; // seconds

    // `reloj`: seconds since some fixed point.
    CopiaPeriodica(const QString& carpeta, std::function<double()> reloj);

    // The schedule's tick, and after every command.
    void Revisar(const Grafo& grafo, const Documento& documento, bool enEjecucion);
    // The same without waiting for the interval.
    void Ya(const Grafo& grafo, const Documento& documento, bool enEjecucion);

    CopiaRecuperacion& Copia() { return copia_; }

private:
    void Seguir(const Grafo& grafo, const Documento& documento, bool enEjecucion, bool esperar);

    CopiaRecuperacion copia_;
    std::function<double()> reloj_;
    std::optional<double> ultima_;
    // What the copy on disk holds.
    std::optional<Grafo> escrito_;
    Documento documentoEscrito_;
};
