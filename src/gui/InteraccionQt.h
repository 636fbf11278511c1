// The real Interaccion: Qt message boxes, file dialogs and the event loop.
#pragma once

#include <functional>
#include <memory>

#include "costuras/Interaccion.h"

class QWidget;

class InteraccionQt : public Interaccion {
public:
    explicit InteraccionQt(QWidget* ventana = nullptr) : ventana_(ventana) {}
    void PonerVentana(QWidget* ventana) { ventana_ = ventana; }
    // Brings the main window up to date before any modal window opens and
    // while a run waits in a loop: the screen behind a dialog shows the
    // state it asks about, and what the algorithm drew is on screen.
    void AlEsperar(std::function<void()> refrescar) { refrescar_ = std::move(refrescar); }

    std::int16_t Mensaje(const QString& texto, const QString& titulo, Icono icono, Botones botones) override;
    void Mostrar(AsignarPeso& dialogo) override;
    void Mostrar(IdentificarVert& dialogo) override;
    void Mostrar(InsercionNºVert& dialogo) override;
    void Mostrar(SelectGrafo& dialogo) override;
    void Mostrar(MatrizAdy& dialogo) override;
    void Mostrar(GirarVoltear& dialogo) override;
    void Mostrar(Estadisticas& ventana) override;
    void Mostrar(PasoAPaso& dialogo) override;
    void Mostrar(BotonesInterrupcion& ventana) override;
    void Mostrar(BotonesColoracion& ventana) override;
    void Mostrar(Imprimir& dialogo) override;
    void Mostrar(Menu_ayuda& ventana) override;
    void Mostrar(Ayuda& ventana) override;
    QString PedirTexto(const QString& indicacion, const QString& titulo, const QString& propuesto) override;
    bool AbrirPagina(const QString& ruta) override;
    bool IniciarPrograma(const QString& programa, const QStringList& argumentos) override;
    void Mostrar(Camino& dialogo) override;
    void Mostrar(Prufer& dialogo) override;
    Impresora& ImpresoraPredeterminada() override;
    QString NombreParaAbrir(const QString& filtro) override;
    QString NombreParaGuardar(const QString& propuesto, const QString& filtro) override;
    double Ahora() override;
    void ProcesarEventos() override;

private:
    // The height of the main window's trace pane, which the step windows cover.
    int AltoTraza() const;

    void Refrescar() const
    {
        if (refrescar_)
            refrescar_();
    }

    // Every modal view opens over a window brought up to date first.
    template <typename Vista, typename Modelo> void Modal(Modelo& modelo)
    {
        Refrescar();
        Vista(modelo, ventana_).exec();
    }

    QWidget* ventana_ = nullptr;
    std::function<void()> refrescar_;
    std::unique_ptr<Impresora> impresora_; // made when first asked for
};

// "Grafo (*.grf)|*.grf|Texto (*.txt)|*.txt" as Qt's file dialogs spell it.
QString FiltroQt(const QString& filtro);
