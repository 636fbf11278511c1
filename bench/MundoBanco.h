// What the benchmarks share: a person who answers nothing and waits for
// nothing, and the largest graph, complete on 50 vertices round a circle.
#pragma once

#include <cmath>
#include <numbers>

#include "costuras/Interaccion.h"
#include "drawing/Dibujo.h"
#include "drawing/Lienzo.h"
#include "model/Grafo.h"
#include "run/MarcoEjecucion.h"
#include "ui/Principal.h"

class SinPersona : public Interaccion {
public:
    std::int16_t Mensaje(const QString&, const QString&, Icono, Botones) override
    {
        return Respuesta::Aceptar;
    }
    QString NombreParaAbrir(const QString&) override { return {}; }
    QString NombreParaGuardar(const QString&, const QString&) override { return {}; }
    // Waits are left out of the figures: every pump lets an hour go by.
    double Ahora() override { return reloj_; }
    void ProcesarEventos() override { reloj_ += 3600; }

private:
    double reloj_ = 0;
};

// Weights spread over 1..1000 when the type is weighted, else 1.
inline void Completo(Grafo& grafo, int n, const char* tipo)
{
    grafo.InsertarTipo(tipo);
    grafo.Insertar_Dimension(static_cast<std::int16_t>(n), false);
    for (int v = 1; v <= n; ++v) {
        const double a = 2 * std::numbers::pi * v / n;
        grafo.InsertarPosicionX(v, static_cast<std::int16_t>(4500 + 2600 * std::cos(a)));
        grafo.InsertarPosicionY(v, static_cast<std::int16_t>(3000 + 2600 * std::sin(a)));
        for (int w = 1; w < v; ++w) {
            const auto peso =
                grafo.Ponderado() ? static_cast<std::int16_t>((v * 37 + w * 11) % 1000 + 1) : std::int16_t{1};
            grafo.InsertarMatriz(v, w, peso);
            grafo.InsertarMatriz(w, v, peso);
        }
    }
    grafo.InsertarNumAristas(static_cast<std::int16_t>(n * (n - 1) / 2));
}

// One pause's worth of run: an edge drawn thick, a line of trace.
inline void DarPaso(Principal& p, int k)
{
    MarcoEjecucion& marco = p.Marco();
    const int a = k % 50 + 1, b = (k * 7) % 50 + 1;
    Lienzo& lienzo = p.Superficie();
    lienzo.PonerAnchoLinea(2);
    p.dibujo().DibujarArista(std::int16_t(a), std::int16_t(a == b ? a % 50 + 1 : b), QColor(128, 0, 0), 0, 0, 0);
    lienzo.PonerAnchoLinea(1);
    marco.AñadirTraza(QStringLiteral("Arista: (%1,%2)    \t").arg(a).arg(b), false, QColor(Qt::black));
    marco.AñadirTraza(QStringLiteral("%1\r\n").arg(k), true, QColor(0, 0, 128));
}
