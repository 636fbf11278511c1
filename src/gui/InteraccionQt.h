// The real Interaccion: Qt message boxes, file dialogs and the event loop.
#pragma once

#include "ui/Interaccion.h"

class QWidget;

class InteraccionQt : public Interaccion {
public:
    explicit InteraccionQt(QWidget* ventana = nullptr) : ventana_(ventana) {}
    void PonerVentana(QWidget* ventana) { ventana_ = ventana; }

    std::int16_t Mensaje(const QString& texto, const QString& titulo, Icono icono,
                         Botones botones) override;
    void Mostrar(AsignarPeso& dialogo) override;
    void Mostrar(IdentificarVert& dialogo) override;
    void Mostrar(InsercionNºVert& dialogo) override;
    void Mostrar(SelectGrafo& dialogo) override;
    void Mostrar(MatrizAdy& dialogo) override;
    void Mostrar(GirarVoltear& dialogo) override;
    void Mostrar(Estadisticas& ventana) override;
    QString NombreParaAbrir(const QString& filtro) override;
    QString NombreParaGuardar(const QString& propuesto, const QString& filtro) override;
    double Ahora() override;
    void ProcesarEventos() override;

private:
    QWidget* ventana_ = nullptr;
};

// "Grafo (*.grf)|*.grf|Texto (*.txt)|*.txt" as Qt's file dialogs spell it.
QString FiltroQt(const QString& filtro);
