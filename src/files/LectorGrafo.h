// The graph reader's working state: the byte source, the record being filled
// and the person who hears about the first fault. Each Leer* reads one piece
// of the file and returns false once it has reported a fault.
#pragma once

#include <QSize>
#include <QString>
#include <cstdint>

#include "files/FlujoBytes.h"

class Grafo;
class Interaccion;

class LectorGrafo {
public:
    LectorGrafo(FlujoBytes& flujo, Grafo& grafo, Interaccion& interaccion, QSize area)
        : flujo_(flujo), grafo_(grafo), interaccion_(interaccion), area_(area)
    {
    }

    // The whole file: type and size lines, their checks, matrix, positions.
    [[nodiscard]] bool Leer();

    bool LeerMatriz01();
    bool LeerElemento01(std::int16_t& valor);
    bool LeerMatrizPesos();
    bool LeerPeso(std::int16_t& peso);
    bool LeerPosiciones();
    bool LeerCoordenada(std::int16_t& valor);

    // Shows the message as a reader fault; always false.
    bool Fallar(const QString& mensaje);

private:
    bool LeerCabecera();
    bool Siguiente(char& c);
    bool SaltarSeparadoresEnMatriz(char& c);
    bool ComprobarFinDeMatriz(int i, int j);
    bool ComprobarSimetria();
    bool LeerComa();

    FlujoBytes& flujo_;
    Grafo& grafo_;
    Interaccion& interaccion_;
    QSize area_;
};

inline bool EsSeparador(char c)
{
    return c == ' ' || c == '\r' || c == '\n';
}
inline bool EsDigito(char c)
{
    return c >= '0' && c <= '9';
}
