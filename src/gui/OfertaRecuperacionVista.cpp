#include "gui/OfertaRecuperacionVista.h"

#include <QPushButton>

#include "ui/OfertaRecuperacion.h"

OfertaRecuperacionVista::OfertaRecuperacionVista(OfertaRecuperacion& modelo, QWidget* padre)
    : QMessageBox(QMessageBox::Question, OfertaRecuperacion::Titulo(), modelo.Texto(), QMessageBox::NoButton, padre),
      modelo_(modelo)
{
    recuperar_ = addButton(OfertaRecuperacion::TextoRecuperar(), QMessageBox::AcceptRole);
    descartar_ = addButton(OfertaRecuperacion::TextoDescartar(), QMessageBox::DestructiveRole);
    QPushButton* luego = addButton(OfertaRecuperacion::TextoMasTarde(), QMessageBox::RejectRole);
    setDefaultButton(static_cast<QPushButton*>(recuperar_));
    setEscapeButton(luego);
    // Any other way out leaves the model's own answer, "Más tarde".
    connect(this, &QMessageBox::buttonClicked, this, [this](QAbstractButton* pulsado) {
        using R = OfertaRecuperacion::Respuesta;
        modelo_.Responder(pulsado == recuperar_ ? R::Recuperar : pulsado == descartar_ ? R::Descartar : R::MasTarde);
    });
}
