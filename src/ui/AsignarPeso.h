// The weight dialog's model: it reads the edge from the editor's selected
// edge and writes the accepted weight into the matrix (both entries for an
// undirected graph). A weight of 0 is never stored: it would mean "no edge".
#pragma once

#include <QString>
#include <cstdint>

class Grafo;
struct Seleccion;

class AsignarPeso {
public:
    AsignarPeso(Grafo& grafo, const Seleccion& seleccion);

    std::int16_t Origen() const { return origen_; }
    std::int16_t Destino() const { return destino_; }
    // The prompt naming the edge, e.g. "Peso de la arista 1 - 2".
    QString Rotulo() const;

    // Stores the weight; refuses 0 and values outside -9999..9999.
    bool Aceptar(std::int16_t peso);
    bool Aceptado() const { return aceptado_; }

private:
    Grafo& grafo_;
    std::int16_t origen_ = 0;
    std::int16_t destino_ = 0;
    bool aceptado_ = false;
};
