#include "run/MarcoEjecucion.h"

#include "costuras/Interaccion.h"
#include "run/BotonesInterrupcion.h"
#include "run/Traza.h"
#include "run/VentanaEjecucion.h"

void MarcoEjecucion::PrepararEjecucion()
{
    ventana_.BloquearParaEjecucion(RecorridoUsuario);
    traza_.Vaciar();
    traza_.OlvidarFormatos();
    historia_.Olvidar();
    juego_.Pausar();
}

void MarcoEjecucion::AñadirTraza(const QString& texto, bool negrita, const QColor& color)
{
    traza_.AñadirTraza(texto, negrita, color);
}

int MarcoEjecucion::AplicarFormatos(QTextDocument& panel)
{
    return traza_.AplicarFormatos(panel);
}

void MarcoEjecucion::PausaPaso()
{
    if (EjecucionCompleta)
        return;
    BotonesInterrupcion ventana(
        *this, traza_, [this](const QTextDocument& copia) { ventana_.AbrirImprimir(copia); }, &historia_);
    ventana.AlExportar([this] { ventana_.ExportarDibujo(); });
    ventana.AlGuardarPasos([this] { ventana_.GuardarPasos(historia_); });
    ventana.ConReproduccion(juego_);
    ventana_.MostrarPaso(ventana);
    // However the window was left, the run goes on over its newest picture.
    ventana.VolverAlUltimo();
}

void MarcoEjecucion::FinalizarEjecucion()
{
    DesdeMenu = false;
    // The steps stay until Aceptar: the handout may still be written.
    juego_.Pausar();
    ventana_.MostrarAceptar();
    // The prompt's runs follow the algorithm's without being counted, so the
    // next run writes over them.
    const int n = traza_.NumFormatos();
    const QString piezas[] = {QStringLiteral("\r\nPresione "), QStringLiteral("ACEPTAR "),
                              QStringLiteral(" para continuar.")};
    for (int k = 0; k < 3; ++k) {
        traza_.PonerFormato(n + 1 + k, {static_cast<std::int16_t>(piezas[k].size()), k == 1, QColor(Qt::black)});
        traza_.Añadir(piezas[k]);
    }
    ventana_.MostrarTraza(AplicarFormatos(traza_.Documento()));
    EjecucionCompleta = false;
}

bool MarcoEjecucion::EstaEnLista(std::int16_t x, const std::vector<std::int16_t>& lista)
{
    for (std::size_t i = 1; i < lista.size() && lista[i] != 0; ++i)
        if (lista[i] == x)
            return true;
    return false;
}

void MarcoEjecucion::Esperar(std::int16_t segundos)
{
    EsperarSegundos(segundos);
}

void MarcoEjecucion::EsperarPaso()
{
    EsperarSegundos(juego_.Ritmo());
}

void MarcoEjecucion::EsperarSegundos(double segundos)
{
    const double inicio = persona_.Ahora();
    while (persona_.Ahora() - inicio < segundos)
        persona_.ProcesarEventos();
}
