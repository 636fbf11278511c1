#include "gui/SelectGrafoVista.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/SelectGrafo.h"

SelectGrafoVista::SelectGrafoVista(SelectGrafo& modelo, QWidget* padre) : QDialog(padre), modelo_(modelo)
{
    setWindowTitle(SelectGrafo::Titulo());
    auto* marco = new QGroupBox(this);
    auto* lista = new QVBoxLayout(marco);
    opciones_ = new QButtonGroup(this);
    for (int i = 0; i < SelectGrafo::NumOpciones; ++i) {
        auto* opcion = new QRadioButton(SelectGrafo::TextoOpcion(i), marco);
        opcion->setChecked(i == modelo_.TipoElegido());
        opciones_->addButton(opcion, i);
        lista->addWidget(opcion);
    }
    connect(opciones_, &QButtonGroup::idClicked, this, [this](int i) { modelo_.Elegir(i); });
    auto* aceptar = new QPushButton(SelectGrafo::TextoAceptar(), this);
    aceptar->setDefault(true);
    connect(aceptar, &QPushButton::clicked, this, &QDialog::accept);

    auto* pie = new QHBoxLayout;
    pie->addStretch();
    pie->addWidget(aceptar);
    auto* columna = new QVBoxLayout(this);
    columna->addWidget(new QLabel(SelectGrafo::TextoLabel1(), this));
    columna->addWidget(marco);
    columna->addLayout(pie);
    columna->setSizeConstraint(QLayout::SetFixedSize);
}

void SelectGrafoVista::done(int resultado)
{
    if (resultado == Accepted)
        modelo_.Aceptar();
    else
        modelo_.Cerrar();
    QDialog::done(resultado);
}
