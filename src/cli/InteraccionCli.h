// The Interaccion of batch runs: no person is there, so every message box is
// written to the error stream as "TITULO: texto" (and kept) and answered with
// its affirmative button; dialogs close as each does with nobody there
// (ModeloDialogo::SinPersona) and file dialogs answer "".
#pragma once

#include <QString>
#include <QTextStream>
#include <vector>

#include "costuras/Interaccion.h"

struct MensajeCli {
    QString texto;
    QString titulo;
    Icono icono;
};

class InteraccionCli : public Interaccion {
public:
    explicit InteraccionCli(QTextStream& errores) : errores_(errores) {}

    std::int16_t Mensaje(const QString& texto, const QString& titulo, Icono icono, Botones botones) override;
    QString NombreParaAbrir(const QString&) override { return {}; }
    QString NombreParaGuardar(const QString&, const QString&) override { return {}; }
    // Nobody watches a batch run, so nothing waits: every pump of events
    // lets an hour go by and Esperar returns at once.
    double Ahora() override { return reloj_; }
    void ProcesarEventos() override { reloj_ += 3600; }

    const std::vector<MensajeCli>& Mensajes() const { return mensajes_; }

private:
    QTextStream& errores_;
    std::vector<MensajeCli> mensajes_;
    double reloj_ = 0;
};
