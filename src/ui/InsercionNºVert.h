// Model of the shared number entry (vertex counts of the generators, the root
// of a search tree): only numbers from 1 to ValorMaximo can be typed, and the
// number travels back through the record's vertex count, 0 when cancelled.
#pragma once

#include <QString>
#include <cstdint>

#include "costuras/ModeloDialogo.h"

class Grafo;
class Interaccion;

class InsercionNºVert : public ModeloDialogo {
public:
    explicit InsercionNºVert(Grafo& grafo);

    // Set by the caller before showing the dialog.
    QString Titulo;
    QString Indicacion;                            // Label1
    QString Rango = QStringLiteral("(máximo 50)"); // Label2
    std::int16_t ValorMaximo;                      // the record's limit; callers lower it

    static QString TextoAceptar() { return QStringLiteral("Aceptar"); }
    static QString TextoCancelar() { return QStringLiteral("Cancelar"); }

    // Types one key (a character code, see CodigosTecla.h); returns whether
    // the key shows in the box. Enter with a number in range returns it.
    bool Tecla(int codigo);
    QString Texto() const { return Valor_ > 0 ? QString::number(Valor_) : QString(); }
    std::int16_t Valor() const { return Valor_; }
    bool AceptarHabilitado() const { return aceptarHabilitado_; }

    // Both return through Insertar_Dimension(·, true) and close; Aceptar
    // only with a number from 1 to ValorMaximo.
    void Aceptar();
    void Cancelar();
    bool Cerrado() const { return cerrado_; }
    // Nobody to answer: the caller gets 0.
    void SinPersona() override { Cancelar(); }
    bool Aceptado() const { return aceptado_; }

private:
    void Devolver(std::int16_t valor);

    Grafo& grafo_;
    std::int16_t Valor_ = 0;
    bool aceptarHabilitado_ = false;
    bool cerrado_ = false;
    bool aceptado_ = false;
};

// One question of the dialog: caption, prompt, range line and bound.
struct PreguntaNumero {
    QString titulo;
    QString indicacion;
    QString rango;
    int maximo = 50;
};

// Shows the dialog to the person and returns the number typed, 0 when
// cancelled. The number comes back through the record's vertex count: a
// caller whose record holds vertices restores it afterwards.
int PreguntarNumero(Grafo& grafo, Interaccion& persona, const PreguntaNumero& pregunta);
