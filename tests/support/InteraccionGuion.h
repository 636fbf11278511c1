// A scripted Interaccion for tests: it records every message box, answers
// from a queue, types weights into the weight dialog, hands out file names,
// and runs a clock that only moves when the test (or a wait) moves it.
#pragma once

#include <QString>
#include <deque>
#include <optional>
#include <vector>

#include "ui/AsignarPeso.h"
#include "ui/Interaccion.h"

struct MensajeVisto {
    QString texto;
    QString titulo;
    Icono icono;
    Botones botones;
};

class InteraccionGuion : public Interaccion {
public:
    explicit InteraccionGuion(std::uint64_t semilla = 12345) { Azar().Sembrar(semilla); }

    std::vector<MensajeVisto> mensajes;
    std::deque<std::int16_t> respuestas;           // next answers; Aceptar when empty
    std::deque<std::optional<std::int16_t>> pesos; // weight typed, or nullopt = cancel
    std::deque<QString> nombresAbrir;
    std::deque<QString> nombresGuardar;
    QString filtroVisto;
    QString nombrePropuesto;
    int dialogosPeso = 0;
    double reloj = 0;
    int eventosProcesados = 0;
    double pasoReloj = 0; // seconds the clock advances at each event pump

    std::int16_t Mensaje(const QString& texto, const QString& titulo, Icono icono,
                         Botones botones) override
    {
        mensajes.push_back({texto, titulo, icono, botones});
        if (respuestas.empty())
            return Respuesta::Aceptar;
        const std::int16_t r = respuestas.front();
        respuestas.pop_front();
        return r;
    }

    void Mostrar(AsignarPeso& dialogo) override
    {
        ++dialogosPeso;
        if (pesos.empty())
            return;
        const auto peso = pesos.front();
        pesos.pop_front();
        if (peso)
            dialogo.Aceptar(*peso);
    }

    QString NombreParaAbrir(const QString& filtro) override
    {
        filtroVisto = filtro;
        return Sacar(nombresAbrir);
    }

    QString NombreParaGuardar(const QString& propuesto, const QString& filtro) override
    {
        filtroVisto = filtro;
        nombrePropuesto = propuesto;
        return Sacar(nombresGuardar);
    }

    double Ahora() override { return reloj; }
    void ProcesarEventos() override
    {
        ++eventosProcesados;
        reloj += pasoReloj;
    }

    // The last message's text, or "" when none was shown.
    QString UltimoTexto() const { return mensajes.empty() ? QString() : mensajes.back().texto; }

private:
    static QString Sacar(std::deque<QString>& cola)
    {
        if (cola.empty())
            return {};
        QString s = cola.front();
        cola.pop_front();
        return s;
    }
};
