// A run's handout for the class: every step the history keeps on a page of
// its own, in order, under the header "Algoritmo de X — paso k de m", with
// the work area's picture placed as the print dialog places it and the step
// window's trace below it, laid out as the dialog lays out a trace. Each
// picture is drawn again from the step's remembered shapes, in vectors, as
// Exportar writes a PDF: a bitmap of a large graph on every page made a
// 200-step handout slow and heavy.
#pragma once

#include <QString>
#include <memory>

#include "drawing/LienzoImagen.h"
#include "files/EscrituraAtomica.h"

class EstadoPrincipal;
class HistoriaPasos;
class Impresora;
class QRectF;

class FolletoPasos {
public:
    // `titulo` is the run's caption ("Algoritmo de Kruskal"); the pictures
    // are the steps' own, at the window's work area's size.
    FolletoPasos(EstadoPrincipal& ventana, const HistoriaPasos& historia, QString titulo);

    // Pixels per screen pixel of a picture that cannot be drawn again (one
    // past the area's memory), drawn as the area shows it: the screen's own,
    // as the PNG export.
    static constexpr double Nitidez = 1;

    static QString Cabecera(const QString& titulo, int k, int m);

    // Every page on the printer; false at the first call it refuses. The
    // work area shows again the picture it showed before.
    [[nodiscard]] bool Imprimir(Impresora& impresora);
    // The pages as a PDF file, written whole or not at all.
    Escritura Guardar(const QString& fichero);

private:
    [[nodiscard]] bool Pagina(Impresora& impresora, int k);
    [[nodiscard]] bool DibujarPaso(Impresora& impresora, int k, const QRectF& dibujo);

    EstadoPrincipal& ventana_;
    const HistoriaPasos& historia_;
    QString titulo_;
    // Every page's labels are in the same few fonts.
    std::shared_ptr<LienzoImagen::Letras> letras_ = std::make_shared<LienzoImagen::Letras>();
};
