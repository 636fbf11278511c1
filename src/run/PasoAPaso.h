// The dialog that starts an algorithm: step by step or straight through.
// Accepting only records the choice; the caller runs the algorithm once the
// dialog has closed, so the algorithm's own windows open over the main one.
#pragma once

#include <QString>

#include "costuras/ModeloDialogo.h"

struct BanderasEjecucion;

class PasoAPaso : public ModeloDialogo {
public:
    // `titulo`: the window's caption, the run's own.
    PasoAPaso(BanderasEjecucion& banderas, QString titulo);

    const QString& Titulo() const { return titulo_; }
    static QString TextoEtiqueta() { return QStringLiteral("Seleccione el modo de ejecución del algoritmo"); }
    static QString TextoPasoAPaso() { return QStringLiteral("Paso a Paso"); }
    static QString TextoCompleto() { return QStringLiteral("Completo"); }
    static QString TextoAceptar() { return QStringLiteral("Aceptar"); }
    static QString TextoCancelar() { return QStringLiteral("Cancelar"); }

    bool PasoAPasoElegido() const { return pasoAPaso_; }
    void ElegirPasoAPaso();
    void ElegirCompleto();
    void Aceptar();
    void Cancelar();
    bool Cerrado() const { return cerrado_; }
    // Nobody to answer: nothing runs.
    void SinPersona() override { Cancelar(); }
    bool Aceptado() const { return aceptado_; }

private:
    BanderasEjecucion& marco_;
    QString titulo_;
    bool pasoAPaso_ = true;
    bool cerrado_ = false;
    bool aceptado_ = false;
};
