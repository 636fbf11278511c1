#include "gui/GirarVoltearVista.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/GirarVoltear.h"

namespace {

QString TextoOpcion(int i)
{
    return GirarVoltear::TextoOpcion(static_cast<GirarVoltear::Opcion>(i));
}

QString TextoAngulo(int i)
{
    return GirarVoltear::TextoAngulo(static_cast<GirarVoltear::Angulo>(i));
}

} // namespace

GirarVoltearVista::GirarVoltearVista(GirarVoltear& modelo, QWidget* padre) : QDialog(padre), modelo_(modelo)
{
    setWindowTitle(GirarVoltear::Titulo());
    auto* marco = new QGroupBox(GirarVoltear::TextoMarco(), this);
    opciones_ = CrearGrupo(marco, 3, TextoOpcion);
    angulos_ = CrearGrupo(marco, 3, TextoAngulo);
    auto* columna = new QVBoxLayout(marco);
    for (QAbstractButton* b : opciones_->buttons())
        columna->addWidget(b);
    auto* fila = new QHBoxLayout;
    fila->addSpacing(24);
    for (QAbstractButton* b : angulos_->buttons())
        fila->addWidget(b);
    fila->addStretch();
    columna->addLayout(fila);
    connect(opciones_, &QButtonGroup::idClicked, this,
            [this](int i) { modelo_.ElegirOpcion(static_cast<GirarVoltear::Opcion>(i)); });
    connect(angulos_, &QButtonGroup::idClicked, this, [this](int i) {
        modelo_.ElegirAngulo(static_cast<GirarVoltear::Angulo>(i));
        Refrescar();
    });

    aceptar_ = new QPushButton(GirarVoltear::TextoAceptar(), this);
    aceptar_->setDefault(true);
    auto* cancelar = new QPushButton(GirarVoltear::TextoCancelar(), this);
    connect(aceptar_, &QPushButton::clicked, this, &GirarVoltearVista::Aceptar);
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
    auto* botones = new QVBoxLayout;
    botones->addWidget(aceptar_);
    botones->addWidget(cancelar);
    botones->addStretch();
    auto* todo = new QHBoxLayout(this);
    todo->addWidget(marco);
    todo->addLayout(botones);
    todo->setSizeConstraint(QLayout::SetFixedSize);

    modelo_.alCambiar = [this] { Refrescar(); };
    Refrescar();
}

GirarVoltearVista::~GirarVoltearVista()
{
    modelo_.alCambiar = nullptr;
}

QButtonGroup* GirarVoltearVista::CrearGrupo(QWidget* marco, int cuantos, QString (*texto)(int))
{
    auto* grupo = new QButtonGroup(this);
    for (int i = 0; i < cuantos; ++i)
        grupo->addButton(new QRadioButton(texto(i), marco), i);
    return grupo;
}

void GirarVoltearVista::Aceptar()
{
    aceptado_ = true;
    modelo_.Aceptar();
}

void GirarVoltearVista::Refrescar()
{
    opciones_->button(static_cast<int>(modelo_.OpcionElegida()))->setChecked(true);
    angulos_->button(static_cast<int>(modelo_.AnguloElegido()))->setChecked(true);
    for (QAbstractButton* b : angulos_->buttons())
        b->setEnabled(modelo_.AngulosHabilitados());
    // The model's closing is what ends the window, however it was asked for.
    if (modelo_.Cerrado() && isVisible())
        QDialog::done(aceptado_ ? Accepted : Rejected);
}

void GirarVoltearVista::done(int resultado)
{
    if (modelo_.Cerrado())
        QDialog::done(resultado);
    else
        modelo_.Cancelar();
}
