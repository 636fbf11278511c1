#include "gui/BotonesInterrupcionVista.h"

#include <QKeyEvent>

#include "run/BotonesInterrupcion.h"

BotonesInterrupcionVista::BotonesInterrupcionVista(BotonesInterrupcion& modelo, QWidget* principal,
                                                   int altoTextoPx)
    : VentanaPaso(principal, modelo.Texto()), modelo_(modelo)
{
    LlevarCursor(modelo.PosicionCursor());
    std::vector<BotonPaso> botones;
    const std::pair<QString, void (BotonesInterrupcion::*)()> acciones[] = {
        {BotonesInterrupcion::TextoContinuar(), &BotonesInterrupcion::Continuar},
        {BotonesInterrupcion::TextoTerminar(), &BotonesInterrupcion::Terminar},
        {BotonesInterrupcion::TextoImprimir(), &BotonesInterrupcion::Imprimir}};
    for (const auto& [rotulo, accion] : acciones)
        botones.push_back({rotulo, [this, accion = accion] {
                               (modelo_.*accion)();
                               if (modelo_.Cerrado())
                                   accept();
                           }});
    Colocar(principal, altoTextoPx, botones);
}

void BotonesInterrupcionVista::keyPressEvent(QKeyEvent* evento)
{
    if (evento->key() == Qt::Key_Escape) {
        modelo_.Escape();
        accept();
        return;
    }
    QDialog::keyPressEvent(evento);
}

void BotonesInterrupcionVista::done(int resultado)
{
    if (!modelo_.Cerrado())
        modelo_.Continuar();
    QDialog::done(resultado);
}
