#include "gui/PasoAPasoVista.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "run/PasoAPaso.h"

PasoAPasoVista::PasoAPasoVista(PasoAPaso& modelo, QWidget* padre) : QDialog(padre), modelo_(modelo)
{
    setWindowTitle(modelo.Titulo());
    auto* marco = new QGroupBox(this);
    pasos_ = new QRadioButton(PasoAPaso::TextoPasoAPaso(), marco);
    auto* completo = new QRadioButton(PasoAPaso::TextoCompleto(), marco);
    pasos_->setChecked(modelo.PasoAPasoElegido());
    completo->setChecked(!modelo.PasoAPasoElegido());
    connect(pasos_, &QRadioButton::clicked, this, [this] { modelo_.ElegirPasoAPaso(); });
    connect(completo, &QRadioButton::clicked, this, [this] { modelo_.ElegirCompleto(); });
    auto* opciones = new QVBoxLayout(marco);
    opciones->addWidget(pasos_);
    opciones->addWidget(completo);

    auto* aceptar = new QPushButton(PasoAPaso::TextoAceptar(), this);
    aceptar->setDefault(true);
    auto* cancelar = new QPushButton(PasoAPaso::TextoCancelar(), this);
    connect(aceptar, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(aceptar);
    botones->addWidget(cancelar);

    auto* todo = new QVBoxLayout(this);
    todo->addWidget(new QLabel(PasoAPaso::TextoEtiqueta(), this));
    todo->addWidget(marco);
    todo->addLayout(botones);
    todo->setSizeConstraint(QLayout::SetFixedSize);
}

void PasoAPasoVista::done(int resultado)
{
    if (resultado == QDialog::Accepted)
        modelo_.Aceptar();
    else if (!modelo_.Cerrado())
        modelo_.Cancelar();
    QDialog::done(resultado);
}
