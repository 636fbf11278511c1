#include "gui/BotonesInterrupcionVista.h"

#include <QKeyEvent>

#include "run/BotonesInterrupcion.h"

BotonesInterrupcionVista::BotonesInterrupcionVista(BotonesInterrupcion& modelo, QWidget* principal, int altoTextoPx,
                                                   std::function<void()> refrescar)
    : VentanaPaso(principal, modelo.Texto()), modelo_(modelo), refrescar_(std::move(refrescar))
{
    std::vector<BotonPaso> botones;
    const std::pair<QString, void (BotonesInterrupcion::*)()> acciones[] = {
        {BotonesInterrupcion::TextoContinuar(), &BotonesInterrupcion::Continuar},
        {BotonesInterrupcion::TextoTerminar(), &BotonesInterrupcion::Terminar},
        {BotonesInterrupcion::TextoImprimir(), &BotonesInterrupcion::Imprimir}};
    for (const auto& [rotulo, accion] : acciones)
        botones.push_back({rotulo, [this, accion = accion] { Pulsar(accion); }});
    // The handout is of the run's history: a window without one has none.
    if (modelo.Pasos())
        OfrecerFolleto(BotonesInterrupcion::TextoGuardarPasos(), [this] {
            modelo_.GuardarPasos();
            Mostrar();
        });
    Colocar(principal, altoTextoPx, botones, modelo.Pasos(), [this] { Mostrar(); });
    if (modelo.Mando())
        ColocarReproduccion(*modelo.Mando(), [this] { Seguir(); });
    MostrarTexto(modelo.Texto(), modelo.PosicionCursor());
    AtajoExportar([this] { modelo_.Exportar(); });
}

void BotonesInterrupcionVista::Pulsar(void (BotonesInterrupcion::*accion)())
{
    (modelo_.*accion)();
    Seguir();
}

void BotonesInterrupcionVista::Seguir()
{
    if (modelo_.Cerrado())
        accept();
    else
        Mostrar();
}

void BotonesInterrupcionVista::Mostrar()
{
    MostrarTexto(modelo_.Texto(), modelo_.PosicionCursor());
    if (refrescar_)
        refrescar_();
}

void BotonesInterrupcionVista::keyPressEvent(QKeyEvent* evento)
{
    if (evento->key() == Qt::Key_Escape)
        return Pulsar(&BotonesInterrupcion::Escape);
    QDialog::keyPressEvent(evento);
}

void BotonesInterrupcionVista::done(int resultado)
{
    if (!modelo_.Cerrado())
        modelo_.Continuar();
    QDialog::done(resultado);
}
