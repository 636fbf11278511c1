// Model of the "Matriz de Adyacencia" window: the texts of the visible part
// of the matrix (at most 10 rows and columns) and the four scroll arrows.
#pragma once

#include <QString>
#include <array>

#include "costuras/ModeloDialogo.h"

class Grafo;

class MatrizAdy : public ModeloDialogo {
public:
    static constexpr int MaxVisibles = 10;
    enum class Flecha { Arriba, Abajo, Izquierda, Derecha }; // up, down, izq, right

    // Shows the top-left corner of the matrix at once.
    explicit MatrizAdy(const Grafo& grafo);

    static QString Titulo() { return QStringLiteral("Matriz de Adyacencia"); }
    static QString TextoSalir() { return QStringLiteral("Salir"); }

    // Rebuilds the texts of the visible part.
    void MostrarMatriz();
    // Text1(k): the entries of visible column k, each followed by two line
    // breaks so that they line up with the double-spaced row headers.
    const QString& Columna(int k) const { return Text1_[k]; }
    // Text2(k): the vertex number heading visible column k.
    const QString& Cabecera(int k) const { return Text2_[k]; }
    // Text3: the vertex numbers of the visible rows.
    const QString& Filas() const { return Text3_; }

    int FilaInicial() const { return FilaInicial_; }
    int ColumnaInicial() const { return ColumnaInicial_; }
    // m = min(n, 10), the number of visible rows and columns.
    int Visibles() const;
    bool ColumnaVisible(int k) const { return k < Visibles(); }
    // Up to 10 vertices the whole matrix fits: no arrows, a window shrunk to it.
    bool VentanaReducida() const;

    bool FlechaVisible(Flecha) const { return !VentanaReducida(); }
    bool FlechaHabilitada(Flecha flecha) const;
    // Scrolls one row or column; a disabled arrow does nothing.
    void Pulsar(Flecha flecha);

    void Salir() { cerrado_ = true; }
    bool Cerrado() const { return cerrado_; }
    void SinPersona() override { Salir(); }

private:
    const Grafo& grafo_;
    int FilaInicial_ = 0;
    int ColumnaInicial_ = 0;
    std::array<QString, MaxVisibles> Text1_;
    std::array<QString, MaxVisibles> Text2_;
    QString Text3_;
    bool cerrado_ = false;
};
