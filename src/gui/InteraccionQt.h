// The real Interaccion: Qt message boxes, file dialogs and the event loop.
#pragma once

#include <functional>
#include <memory>
#include <typeindex>
#include <utility>

#include "costuras/Interaccion.h"

class BotonesColoracion;
class BotonesInterrupcion;
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
    // Opens the model's view, found in the one table of InteraccionQt.cpp.
    void Mostrar(ModeloDialogo& dialogo) override;
    QString PedirTexto(const QString& indicacion, const QString& titulo, const QString& propuesto) override;
    bool AbrirPagina(const QString& ruta) override;
    bool IniciarPrograma(const QString& programa, const QStringList& argumentos) override;
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

    // How the view of one kind of model opens, and the table's entries.
    using AbrirVista = void (*)(InteraccionQt&, ModeloDialogo&);
    using EntradaVista = std::pair<const std::type_index, AbrirVista>;
    // The view `Vista(modelo, ventana)`, modal over the main window.
    template <typename Modelo, typename Vista> static EntradaVista Modal();
    // A view that needs more of the main window, opened by a member here.
    template <typename Modelo, void (InteraccionQt::*abrir)(Modelo&)> static EntradaVista Propia();
    // The step windows, laid over the bottom of the main window.
    void VentanaPasos(BotonesInterrupcion& ventana);
    void VentanaPasos(BotonesColoracion& ventana);

    QWidget* ventana_ = nullptr;
    std::function<void()> refrescar_;
    std::unique_ptr<Impresora> impresora_; // made when first asked for
};

// "Grafo (*.grf)|*.grf|Texto (*.txt)|*.txt" as Qt's file dialogs spell it.
QString FiltroQt(const QString& filtro);
