// The trace of an algorithm run: its text, in lines ended by CR LF, the
// format runs (length, bold, colour) that say how it is shown, and the rich
// text document the trace pane displays. Runs count a line break as two
// characters; the document holds it as one paragraph break, and applying the
// formats maps one onto the other so bold and colour land on the same
// visible characters.
#pragma once

#include <QColor>
#include <QString>
#include <QTextDocument>
#include <array>
#include <cstdint>
#include <utility>

// The trace pane's background: text in it takes its place in the text but
// cannot be seen (the padding that keeps numbers two characters wide).
inline const QColor FondoTraza{Qt::white};

struct FormatoTraza {
    std::int16_t longitud = 0;
    bool negrita = false;
    QColor color; // invalid: the pane's own colour
    bool operator==(const FormatoTraza&) const = default;
};

class Traza {
public:
    static constexpr int MAX_FORMATOS = 4000;
    static constexpr double TamañoLetra = 10;
    // Tab stops every half inch (720 twips), the columns Dijkstra's table
    // and its twelve dashes a vertex are laid out for.
    static constexpr double Tabulacion = 48;

    Traza();

    // The document, with every piece added so far.
    QTextDocument& Documento()
    {
        Volcar();
        return documento_;
    }
    const QString& Texto() const { return texto_; }
    // The text with the platform's line ends, for a terminal or a file.
    QString TextoPlano() const;

    // Empties the text; the format table stays as it is.
    void Vaciar();
    // Replaces the text (a prompt of the main window); no format runs.
    void PonerTexto(const QString& texto);
    // Appends text without a run of its own, in the current letter size.
    void Añadir(const QString& texto);
    void PonerTamañoLetra(double puntos)
    {
        Volcar();
        tamañoLetra_ = puntos;
    }
    // Aligns the line being written, and the lines that follow it, until
    // changed again (left when the trace is emptied).
    void PonerAlineacion(Qt::Alignment alineacion);
    // Replaces the last `longitud` characters (a line break counting two) by
    // texto in this colour, with no run of its own: the prompt line a walk
    // keeps changing.
    void CambiarFinal(int longitud, const QString& texto, const QColor& color);

    // Appends a piece with a run of its own; after MAX_FORMATOS runs the
    // table starts again at 1.
    void AñadirTraza(const QString& texto, bool negrita, const QColor& color);
    // Writes run `indice` (1-based, wrapping) without counting it.
    void PonerFormato(int indice, const FormatoTraza& formato);
    const FormatoTraza& Formato(int indice) const;
    int NumFormatos() const { return numFormatos_; }
    void PonerNumFormatos(int n) { numFormatos_ = n; }
    // No run at all: a run written past the count (the prompt's, an order
    // whose run is set only at the end) must not colour the next trace.
    void OlvidarFormatos()
    {
        formatos_.fill({});
        numFormatos_ = 0;
    }

    using TablaFormatos = std::array<FormatoTraza, MAX_FORMATOS + 1>; // entry 0 unused
    const TablaFormatos& Formatos() const { return formatos_; }

    // Applies the runs, from the first character, to a document that holds
    // this trace, and returns the document position where they end.
    int AplicarFormatos(QTextDocument& destino) const;
    // The same for any text with its runs (a step remembered earlier).
    static int AplicarFormatos(const QString& texto, const TablaFormatos& formatos, QTextDocument& destino);
    // Writes into an empty document a copy of the trace with its letter
    // sizes and alignment, formatted; returns where the formats end.
    int CopiarEn(QTextDocument& destino);

    // Whether the document changed other than by text added at its end
    // since this was last asked: emptied, realigned, its end replaced or
    // formatted in place.
    bool TomarCambio() { return std::exchange(cambiada_, false); }

    // Pieces reach the document together when it is next read, or now: one
    // by one, each would lay the growing paragraph out again (a table of 2600
    // cells took most of a second in a pane on screen).
    void Volcar();

private:
    static int Indice(int indice) { return (indice - 1) % MAX_FORMATOS + 1; }
    // Straight into the document, after what it holds, in this colour.
    void AlFinal(const QString& texto, const QColor& color);

    QString texto_;
    QString pendiente_; // added to texto_, not yet to the document
    QTextDocument documento_;
    std::array<FormatoTraza, MAX_FORMATOS + 1> formatos_{};
    int numFormatos_ = 0;
    double tamañoLetra_ = TamañoLetra;
    mutable bool cambiada_ = true;
};
