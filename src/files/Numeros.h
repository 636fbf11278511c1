// Numbers as graph files spell them: the vertex count of line 2 as the reader
// converts it, and the writer's " 5 " / "-5 " format.
#pragma once

#include <QByteArray>
#include <cstdint>
#include <optional>

// Line 2 of a graph file, fed one byte at a time so that a line of any length
// is read in constant memory: a plain decimal number with an optional sign
// and fraction, spaces around it ignored, the fraction rounded half to even.
class NumeroLinea {
public:
    void Añadir(char c);
    // The value, or nothing when the line is not a number or the rounded
    // value does not fit in 16 bits.
    std::optional<std::int16_t> Valor() const;

private:
    enum class Estado { Antes, Signo, Entero, Fraccion, Despues, Invalido };
    void AñadirDigito(int d);

    Estado estado_ = Estado::Antes;
    bool negativo_ = false;
    bool hayDigitos_ = false;
    int entero_ = 0;             // saturates: anything past the cap is out of range anyway
    int primeraFraccion_ = -1;   // first digit after the point, -1 when none
    bool restoFraccion_ = false; // a non-zero digit after the first one
};

// The writer's format: a space for a value >= 0 or "-", the digits, a space.
QByteArray FormatoNumero(int valor);
