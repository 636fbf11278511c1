// A scripted Interaccion for tests: it records every message box, answers from a queue, types weights into
// the weight dialog key by key, plays the test's scripts on the other dialogs, hands out file names, and runs
// a clock that only moves when the test (or a wait) moves it.
#pragma once

#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <ostream>
#include <vector>

#include "algorithms/Estadisticas.h"
#include "costuras/Interaccion.h"
#include "run/BotonesInterrupcion.h"
#include "run/PasoAPaso.h"
#include "support/ImpresoraGrabadora.h"
#include "ui/AsignarPeso.h"
#include "ui/Camino.h"
#include "ui/CodigosTecla.h"
#include "ui/GirarVoltear.h"
#include "ui/IdentificarVert.h"
#include "ui/Imprimir.h"
#include "ui/InsercionNºVert.h"
#include "ui/MatrizAdy.h"
#include "ui/Menu_ayuda.h"
#include "ui/Prufer.h"
#include "ui/SelectGrafo.h"

// Types a text into a dialog model one character code at a time.
template <typename Dialogo> void Teclear(Dialogo& dialogo, const QString& texto)
{
    for (const QChar c : texto)
        dialogo.Tecla(c.unicode());
}

// What a person does with a dialog; a script that leaves the dialog open is followed by closing it with the
// window's button.
template <typename Dialogo> using Guion = std::deque<std::function<void(Dialogo&)>>;

struct MensajeVisto {
    QString texto;
    QString titulo;
    Icono icono;
    Botones botones;
    bool operator==(const MensajeVisto&) const = default;
};

inline void PrintTo(const MensajeVisto& m, std::ostream* os)
{
    *os << m.titulo.toStdString() << ": " << m.texto.toStdString() << " (" << int(m.icono) << ", " << int(m.botones)
        << ")";
}

class InteraccionGuion : public Interaccion {
public:
    explicit InteraccionGuion(std::uint64_t semilla = 12345) { Azar().Sembrar(semilla); }

    std::vector<MensajeVisto> mensajes;
    std::deque<std::int16_t> respuestas;           // next answers; Aceptar when empty
    std::deque<std::optional<std::int16_t>> pesos; // weight typed + Enter, or nullopt = cancel
    Guion<IdentificarVert> guionIdentificar;
    Guion<InsercionNºVert> guionNumero;
    Guion<SelectGrafo> guionTipo;
    Guion<Imprimir> guionImprimir;
    std::vector<QString> menusAyuda;          // the title of every help menu shown, left with "Salir"
    bool abrePaginas = false;                 // whether the default browser opens a page
    std::deque<QString> textosPedidos;        // answers to input boxes; "" when empty
    std::vector<QString> propuestosVistos;    // what each input box offered
    std::deque<bool> programasIniciados;      // whether each start works; false when empty
    std::vector<QStringList> programasVistos; // each program started and its arguments
    Guion<Camino> guionCamino;
    Guion<Prufer> guionPrufer;
    ImpresoraGrabadora impresora;
    std::deque<QString> nombresAbrir;
    std::deque<QString> nombresGuardar;
    QString filtroVisto;
    QString nombrePropuesto;
    int dialogosPeso = 0;
    double reloj = 0;
    int eventosProcesados = 0;
    double pasoReloj = 0; // seconds the clock advances at each event pump
    // What the person does while the program pumps events (a click during
    // the user's walk, Escape).
    std::function<void()> alProcesar;

    std::int16_t Mensaje(const QString& texto, const QString& titulo, Icono icono, Botones botones) override
    {
        mensajes.push_back({texto, titulo, icono, botones});
        return respuestas.empty() ? Respuesta::Aceptar : Sacar(respuestas);
    }

    // The dialogs without a script close as they do with nobody there.
    void Mostrar(ModeloDialogo& dialogo) override
    {
        const bool atendido = SegunDialogo(
            dialogo,
            [&](AsignarPeso& d) {
                ++dialogosPeso;
                if (const std::optional<std::int16_t> peso = Sacar(pesos))
                    Teclear(d, QString::number(*peso) + QChar(CodigoTecla::Intro));
                if (!d.Cerrado())
                    d.Cancelar();
            },
            [&](IdentificarVert& d) { Jugar(guionIdentificar, d); }, [&](InsercionNºVert& d) { Jugar(guionNumero, d); },
            [&](SelectGrafo& d) { Jugar(guionTipo, d); }, [&](Imprimir& d) { Jugar(guionImprimir, d); },
            [&](Camino& d) { Jugar(guionCamino, d); }, [&](Prufer& d) { Jugar(guionPrufer, d); },
            [&](Menu_ayuda& ventana) {
                menusAyuda.push_back(ventana.Label1().trimmed());
                ventana.Salir();
            });
        if (!atendido)
            Interaccion::Mostrar(dialogo);
    }
    QString PedirTexto(const QString&, const QString&, const QString& propuesto) override
    {
        propuestosVistos.push_back(propuesto);
        return Sacar(textosPedidos);
    }
    bool AbrirPagina(const QString&) override { return abrePaginas; }
    bool IniciarPrograma(const QString& programa, const QStringList& argumentos) override
    {
        programasVistos.push_back(QStringList{programa} + argumentos);
        return Sacar(programasIniciados);
    }
    Impresora& ImpresoraPredeterminada() override { return impresora; }

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
        if (alProcesar)
            alProcesar();
    }

    // The last message's text, or "" when none was shown.
    QString UltimoTexto() const { return mensajes.empty() ? QString() : mensajes.back().texto; }

private:
    template <typename Dialogo> void Jugar(Guion<Dialogo>& guion, Dialogo& dialogo)
    {
        if (const auto accion = Sacar(guion))
            accion(dialogo);
        if (!dialogo.Cerrado())
            dialogo.SinPersona();
    }

    // The next item of a queue, or an empty one.
    template <typename T> static T Sacar(std::deque<T>& cola)
    {
        if (cola.empty())
            return {};
        T primero = std::move(cola.front());
        cola.pop_front();
        return primero;
    }
};
