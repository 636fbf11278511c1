// The weight dialog's model: it names the editor's selected edge, filters the
// keys typed so that only a well-formed weight of at most four digits can be
// entered, and writes the accepted weight into the matrix.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>

#include "costuras/ModeloDialogo.h"

class Grafo;
class Interaccion;
struct Seleccion;

class AsignarPeso : public ModeloDialogo {
public:
    AsignarPeso(Grafo& grafo, const Seleccion& seleccion);

    static QString Titulo() { return QStringLiteral("AsignarPeso"); }
    static QString TextoAceptar() { return QStringLiteral("Aceptar"); }
    static QString TextoCancelar() { return QStringLiteral("Cancelar"); }
    // "Peso asignado a la arista a-b:".
    QString Rotulo() const;

    std::int16_t Origen() const { return origen_; }
    std::int16_t Destino() const { return destino_; }

    // Types one key (a character code, see CodigosTecla.h); returns whether
    // the key shows in the box. Enter with one to four digits accepts.
    bool Tecla(int codigo);
    // What the box shows: the minus sign, if typed, and the digits.
    QString Texto() const;
    bool AceptarHabilitado() const { return aceptarHabilitado_; }

    std::int16_t Peso() const { return Peso_; }
    std::int16_t NumDigitos() const { return NumDigitos_; }
    bool Negativo() const { return Negativo_; }

    // Writes the weight and closes; does nothing (and returns false) unless
    // one to four digits have been typed.
    bool Aceptar();
    void Cancelar();
    bool Cerrado() const { return cerrado_; }
    // Nobody to answer: no weight is written.
    void SinPersona() override { Cancelar(); }
    bool Aceptado() const { return aceptado_; }

private:
    bool Digito(int digito, bool cajaVacia);
    void BorrarUltimo();
    void Vaciar();

    Grafo& grafo_;
    std::int16_t origen_ = 0;
    std::int16_t destino_ = 0;
    std::int16_t Peso_ = 0;
    std::int16_t NumDigitos_ = 0;
    bool Negativo_ = false;
    bool aceptarHabilitado_ = false;
    bool cerrado_ = false;
    bool aceptado_ = false;
};

// The record's way of asking a new edge's weight: this dialog, shown to
// that person.
std::function<void(Grafo&, const Seleccion&)> PreguntaPeso(Interaccion& persona);
