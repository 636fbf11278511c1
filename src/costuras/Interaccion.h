// Everything the program's logic asks of a person or of the machine: message
// boxes, modal dialogs, file names, the clock, the random source. The GUI, the
// command line, the tests, the benchmarks and the fuzzers each provide their own.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

#include "costuras/FuenteAleatoria.h"
#include "costuras/Impresora.h"
#include "costuras/ModeloDialogo.h"

enum class Icono { Ninguno, Critico, Pregunta, Exclamacion, Informacion };
enum class Botones { Aceptar, AceptarCancelar, SiNo, SiNoCancelar };

// Answers of a message box, with the classic numeric values callers compare.
namespace Respuesta {
inline constexpr std::int16_t Aceptar = 1;
inline constexpr std::int16_t Cancelar = 2;
inline constexpr std::int16_t Si = 6;
inline constexpr std::int16_t No = 7;
} // namespace Respuesta

// The application title, shown by a message box that has none of its own.
inline const QString TituloAplicacion = QStringLiteral("Nodeva");

class Interaccion {
public:
    virtual ~Interaccion() = default;

    // Shows a message box and returns the button pressed (see Respuesta).
    virtual std::int16_t Mensaje(const QString& texto, const QString& titulo, Icono icono, Botones botones) = 0;

    // Shows a dialog and returns once its model has closed; the model holds
    // the answer. Where nobody can answer, the model closes itself by its
    // own rule (ModeloDialogo::SinPersona).
    virtual void Mostrar(ModeloDialogo& dialogo) { dialogo.SinPersona(); }

    // The system's default printer; without one every job fails.
    virtual Impresora& ImpresoraPredeterminada() { return sinImpresora_; }

    // File dialogs: the chosen name, or "" when the user cancels.
    // The filter uses the classic "Descripción (*.ext)|*.ext|..." form.
    virtual QString NombreParaAbrir(const QString& filtro) = 0;
    virtual QString NombreParaGuardar(const QString& propuesto, const QString& filtro) = 0;

    // The machine's side of the help pages; without a person the input box
    // is cancelled and nothing opens or starts.
    // An input box: the text typed, or "" when it is cancelled.
    virtual QString PedirTexto(const QString& indicacion, const QString& titulo, const QString& propuesto);
    // Opens a local file in the person's default web browser; false when
    // that cannot be done.
    virtual bool AbrirPagina(const QString& ruta);
    // Starts a program on its own, with these arguments and no shell between,
    // and does not wait for it; false when it could not be started.
    virtual bool IniciarPrograma(const QString& programa, const QStringList& argumentos);

    // Seconds since some fixed point; only differences matter.
    virtual double Ahora() = 0;
    // Lets pending window events run during a busy wait.
    virtual void ProcesarEventos() = 0;

    FuenteAleatoria& Azar() { return azar_; }

private:
    FuenteAleatoria azar_;
    ImpresoraAusente sinImpresora_;
};
