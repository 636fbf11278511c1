#include "gui/AsignarPesoVista.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/CampoTeclado.h"

AsignarPesoVista::AsignarPesoVista(AsignarPeso& modelo, QWidget* padre) : VistaDe(modelo, padre)
{
    setWindowTitle(AsignarPeso::Titulo());
    campo_ = new CampoTeclado([this](int codigo) { Teclear(codigo); }, [this] { return modelo_.Texto(); }, this);
    campo_->setAlignment(Qt::AlignRight);
    campo_->setMinimumWidth(220);
    aceptar_ = new QPushButton(AsignarPeso::TextoAceptar(), this);
    cancelar_ = new QPushButton(AsignarPeso::TextoCancelar(), this);
    // Enter belongs to the entry box, which accepts only a well-formed weight.
    aceptar_->setAutoDefault(false);
    cancelar_->setAutoDefault(false);
    connect(aceptar_, &QPushButton::clicked, this, &AsignarPesoVista::Aceptar);
    connect(cancelar_, &QPushButton::clicked, this, &AsignarPesoVista::Cancelar);

    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(aceptar_);
    botones->addWidget(cancelar_);
    auto* columna = new QVBoxLayout(this);
    // The label names the entry box for a screen reader.
    auto* rotulo = new QLabel(modelo_.Rotulo(), this);
    rotulo->setBuddy(campo_);
    columna->addWidget(rotulo);
    columna->addWidget(campo_);
    columna->addSpacing(6);
    columna->addLayout(botones);
    columna->setSizeConstraint(QLayout::SetFixedSize);
    Refrescar();
}

void AsignarPesoVista::Teclear(int codigo)
{
    modelo_.Tecla(codigo);
    Refrescar();
}

void AsignarPesoVista::Aceptar()
{
    modelo_.Aceptar();
    Refrescar();
}

void AsignarPesoVista::Cancelar()
{
    modelo_.Cancelar();
    Refrescar();
}

void AsignarPesoVista::Refrescar()
{
    campo_->Refrescar();
    aceptar_->setEnabled(modelo_.AceptarHabilitado());
    CerrarSiCerrado();
}
