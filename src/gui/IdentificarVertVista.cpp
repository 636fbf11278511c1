#include "gui/IdentificarVertVista.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

#include "ui/IdentificarVert.h"

namespace {

void Poner(QComboBox* combo, const QStringList& items, int indice)
{
    const QSignalBlocker bloqueo(combo);
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(indice);
}

} // namespace

IdentificarVertVista::IdentificarVertVista(IdentificarVert& modelo, QWidget* padre)
    : QDialog(padre), modelo_(modelo)
{
    setWindowTitle(IdentificarVert::Titulo());
    combo1_ = new QComboBox(this);
    combo2_ = new QComboBox(this);
    for (QComboBox* combo : {combo1_, combo2_}) {
        combo->setMinimumContentsLength(4);
        combo->setMaxVisibleItems(12);
    }
    aceptar_ = new QPushButton(IdentificarVert::TextoAceptar(), this);
    auto* cancelar = new QPushButton(IdentificarVert::TextoCancelar(), this);
    // "activated" is the person's choice, also of the item already shown.
    connect(combo1_, &QComboBox::activated, this, [this](int i) {
        modelo_.ElegirEnCombo1(i);
        Refrescar();
    });
    connect(combo2_, &QComboBox::activated, this, [this](int i) {
        modelo_.ElegirEnCombo2(i);
        Refrescar();
    });
    connect(aceptar_, &QPushButton::clicked, this, &IdentificarVertVista::Aceptar);
    connect(cancelar, &QPushButton::clicked, this, &IdentificarVertVista::Cancelar);

    auto* rejilla = new QGridLayout(this);
    rejilla->addWidget(new QLabel(IdentificarVert::TextoLabel1(), this), 0, 0);
    rejilla->addWidget(combo1_, 0, 1);
    rejilla->addWidget(new QLabel(IdentificarVert::TextoLabel2(), this), 1, 0, Qt::AlignRight);
    rejilla->addWidget(combo2_, 1, 1);
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(aceptar_);
    botones->addWidget(cancelar);
    rejilla->setRowMinimumHeight(2, 8);
    rejilla->addLayout(botones, 3, 0, 1, 2);
    rejilla->setSizeConstraint(QLayout::SetFixedSize);
    Refrescar();
}

void IdentificarVertVista::Aceptar()
{
    modelo_.Aceptar();
    Refrescar();
}

void IdentificarVertVista::Cancelar()
{
    modelo_.Cancelar();
    Refrescar();
}

void IdentificarVertVista::Refrescar()
{
    Poner(combo1_, modelo_.Lista1(), modelo_.Indice1());
    Poner(combo2_, modelo_.Lista2(), modelo_.Indice2());
    aceptar_->setEnabled(modelo_.AceptarHabilitado());
    if (modelo_.Cerrado())
        done(modelo_.Aceptado() ? Accepted : Rejected);
}

void IdentificarVertVista::done(int resultado)
{
    if (!modelo_.Cerrado())
        modelo_.Cancelar();
    QDialog::done(resultado);
}
