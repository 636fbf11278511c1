#include "gui/InsercionNºVertVista.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "gui/CampoTeclado.h"

InsercionNºVertVista::InsercionNºVertVista(InsercionNºVert& modelo, QWidget* padre) : VistaDe(modelo, padre)
{
    setWindowTitle(modelo_.Titulo);
    campo_ = new CampoTeclado([this](int codigo) { Teclear(codigo); }, [this] { return modelo_.Texto(); }, this);
    campo_->setAlignment(Qt::AlignRight);
    campo_->setFixedWidth(campo_->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);
    aceptar_ = new QPushButton(InsercionNºVert::TextoAceptar(), this);
    auto* cancelar = new QPushButton(InsercionNºVert::TextoCancelar(), this);
    // Enter belongs to the entry box, which returns only a number in range.
    aceptar_->setAutoDefault(false);
    cancelar->setAutoDefault(false);
    connect(aceptar_, &QPushButton::clicked, this, &InsercionNºVertVista::Aceptar);
    connect(cancelar, &QPushButton::clicked, this, &InsercionNºVertVista::Cancelar);

    auto* rango = new QLabel(modelo_.Rango, this);
    auto* rejilla = new QGridLayout(this);
    auto* indicacion = new QLabel(modelo_.Indicacion, this);
    indicacion->setBuddy(campo_); // names the entry box for a screen reader
    rejilla->addWidget(indicacion, 0, 0, 1, 2);
    rejilla->addWidget(campo_, 1, 0);
    rejilla->addWidget(rango, 1, 1);
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(aceptar_);
    botones->addWidget(cancelar);
    rejilla->setRowMinimumHeight(2, 6);
    rejilla->addLayout(botones, 3, 0, 1, 2);
    rejilla->setSizeConstraint(QLayout::SetFixedSize);
    Refrescar();
}

void InsercionNºVertVista::Teclear(int codigo)
{
    modelo_.Tecla(codigo);
    Refrescar();
}

void InsercionNºVertVista::Aceptar()
{
    modelo_.Aceptar();
    Refrescar();
}

void InsercionNºVertVista::Cancelar()
{
    modelo_.Cancelar();
    Refrescar();
}

void InsercionNºVertVista::Refrescar()
{
    campo_->Refrescar();
    aceptar_->setEnabled(modelo_.AceptarHabilitado());
    CerrarSiCerrado();
}
