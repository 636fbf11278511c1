// A run's handout for the class: every step the history keeps on a page of
// its own, in order, under the header "Algoritmo de X — paso k de m", with
// the work area's picture placed as the print dialog places it and the step
// window's trace below it, laid out as the dialog lays out a trace.
#pragma once

#include <QString>

#include "files/EscrituraAtomica.h"

class EstadoPrincipal;
class HistoriaPasos;
class Impresora;

class FolletoPasos {
public:
    // `titulo` is the run's caption ("Algoritmo de Kruskal"); the pictures
    // are the steps' own, drawn again sharp on the window's work area.
    FolletoPasos(EstadoPrincipal& ventana, const HistoriaPasos& historia, QString titulo);

    // Pixels per screen pixel of each picture: the screen's own, as the PNG
    // export; more would take a run of hundreds of steps past seconds.
    static constexpr double Nitidez = 1;

    static QString Cabecera(const QString& titulo, int k, int m);

    // Every page on the printer; false at the first call it refuses. The
    // work area shows again the picture it showed before.
    [[nodiscard]] bool Imprimir(Impresora& impresora);
    // The pages as a PDF file, written whole or not at all.
    Escritura Guardar(const QString& fichero);

private:
    [[nodiscard]] bool Pagina(Impresora& impresora, int k);

    EstadoPrincipal& ventana_;
    const HistoriaPasos& historia_;
    QString titulo_;
};
