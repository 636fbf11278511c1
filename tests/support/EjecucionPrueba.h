// Helpers for algorithm runs: a person who answers the step-by-step dialog and continues at every step
// window, and the trace read back as its pieces.
#pragma once

#include <QColor>
#include <QString>
#include <QTextCursor>
#include <QTextDocument>
#include <functional>
#include <ostream>
#include <vector>

#include "algorithms/BotonesColoracion.h"

#include "run/Traza.h"
#include "support/InteraccionGuion.h"

struct PersonaEjecucion : InteraccionGuion {
    bool completo = false; // the mode chosen in PasoAPaso, then Aceptar
    bool cancelar = false; // or Cancelar instead
    int dialogosModo = 0;
    std::vector<QString> pausas;    // what the step window showed at each pause
    std::vector<bool> finalNegrita; // whether its last character was bold

    // What the person does in the colouring's step window; without a
    // script, "Continuar" to the end.
    std::function<void(BotonesColoracion&)> coloracion;
    // What the person does at each pause of the general step window before
    // leaving it with "Continuar".
    std::function<void(BotonesInterrupcion&)> alPausar;

    void Mostrar(ModeloDialogo& dialogo) override
    {
        const bool atendido = SegunDialogo(
            dialogo,
            [&](PasoAPaso& d) {
                ++dialogosModo;
                if (cancelar)
                    return d.Cancelar();
                if (completo)
                    d.ElegirCompleto();
                d.Aceptar();
            },
            [&](BotonesInterrupcion& ventana) {
                pausas.push_back(ventana.Texto().toPlainText());
                QTextCursor ultimo(const_cast<QTextDocument*>(&ventana.Texto()));
                ultimo.movePosition(QTextCursor::End);
                finalNegrita.push_back(ultimo.charFormat().fontWeight() == QFont::Bold);
                if (alPausar)
                    alPausar(ventana);
                while (!ventana.Cerrado())
                    ventana.Continuar();
            },
            [&](BotonesColoracion& ventana) {
                if (coloracion)
                    coloracion(ventana);
                ventana.SinPersona();
            });
        if (!atendido)
            InteraccionGuion::Mostrar(dialogo);
    }
};

struct Pieza {
    QString texto;
    bool negrita = false;
    QColor color;
    bool operator==(const Pieza&) const = default;
};

inline void PrintTo(const Pieza& p, std::ostream* os)
{
    *os << '"' << QString(p.texto).replace("\r\n", "\\r\\n").replace("\t", "\\t").toStdString() << '"'
        << (p.negrita ? " negrita " : " normal ") << p.color.name().toStdString();
}

// The trace as a person sees it: what is written in the pane's background
// colour shows as '~'.
inline QString Visible(const Traza& traza)
{
    QString texto = traza.Texto();
    int desde = 0;
    for (int i = 1; i <= traza.NumFormatos(); ++i) {
        const FormatoTraza& f = traza.Formato(i);
        if (f.color == FondoTraza)
            texto.replace(desde, f.longitud, QString(f.longitud, u'~'));
        desde += f.longitud;
    }
    return texto;
}

// The counted runs of the trace, each with the text it covers.
inline std::vector<Pieza> Piezas(const Traza& traza)
{
    std::vector<Pieza> piezas;
    int desde = 0;
    for (int i = 1; i <= traza.NumFormatos(); ++i) {
        const FormatoTraza& f = traza.Formato(i);
        piezas.push_back({traza.Texto().mid(desde, f.longitud), f.negrita, f.color});
        desde += f.longitud;
    }
    return piezas;
}
