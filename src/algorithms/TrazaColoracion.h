// The text a colouring writes: its title, the order it coloured in, and one
// line per colour that grows as vertices are added to it. Every number takes
// two characters, padded with a character in the pane's background colour,
// so where a vertex goes in the middle of the text follows from how many
// vertices each colour already has.
#pragma once

#include <QColor>
#include <QString>
#include <vector>

#include "algorithms/OrdenesColoracion.h"

class Traza;

// The one title that writes no order line (and has the side panel).
inline const QString TituloBrelaz = QStringLiteral("Algoritmo de Brelaz");

struct EstiloLetra {
    bool negrita = false;
    QColor color = Qt::black;
    bool operator==(const EstiloLetra&) const = default;
};

class TrazaColoracion {
public:
    // The title, centred and bold, then (but for Brelaz) the order the
    // colouring followed, 25 vertices to a line. No colour line yet.
    TrazaColoracion(const QString& nombre, const Coloracion& coloracion);

    // Adds v at the end of the line of colour c (the line begins when c
    // first occurs); the number in bold when asked. Returns where the number
    // starts.
    int Asigna(int v, int c, bool negrita);
    // Takes the bold away from the number of v that starts at `posicion`.
    void QuitarNegrita(int posicion, int v);

    // The text with each line break as one character.
    const QString& Texto() const { return texto_; }
    EstiloLetra Estilo(int posicion) const { return estilos_[posicion]; }
    int FinTitulo() const { return finTitulo_; }

    // Appends the whole text to the trace, line breaks as CR LF, one format
    // run for each stretch of one look, the title's line centred.
    void EscribirEn(Traza& traza) const;

private:
    void LineaOrden(const ListaVertices& orden);
    void Insertar(int& posicion, const QString& texto, const EstiloLetra& estilo);
    // An invisible "_" before a number below 10, then the number; returns
    // where the number starts.
    int Numero(int& posicion, int numero, const EstiloLetra& estilo, const EstiloLetra& relleno);
    void EscribirTramo(Traza& traza, int desde, int hasta) const;

    QString texto_;
    std::vector<EstiloLetra> estilos_;
    int finTitulo_ = 0;
    int base_ = 0;            // where the colour lines begin
    std::vector<int> cuenta_; // vertices already in each colour's line, 1..k
};
