// Helpers for algorithm runs: a person who answers the step-by-step dialog and continues at every step
// window, and the trace read back as its pieces.
#pragma once

#include <QColor>
#include <QString>
#include <ostream>
#include <vector>

#include "run/Traza.h"
#include "support/InteraccionGuion.h"

struct PersonaEjecucion : InteraccionGuion {
    using InteraccionGuion::Mostrar;
    bool completo = false; // the mode chosen in PasoAPaso, then Aceptar
    int dialogosModo = 0;
    std::vector<QString> pausas; // what the step window showed at each pause

    void Mostrar(PasoAPaso& dialogo) override
    {
        ++dialogosModo;
        if (completo)
            dialogo.ElegirCompleto();
        dialogo.Aceptar();
    }
    void Mostrar(BotonesInterrupcion& ventana) override
    {
        pausas.push_back(ventana.Texto().toPlainText());
        ventana.Continuar();
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
