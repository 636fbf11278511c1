#include "gui/PruferVista.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/CampoTeclado.h"

namespace {

CampoTeclado* Campo(std::function<void(int)> teclear, std::function<QString()> texto, QWidget* padre)
{
    auto* campo = new CampoTeclado(std::move(teclear), std::move(texto), padre);
    campo->setAlignment(Qt::AlignRight);
    campo->setFixedWidth(campo->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);
    return campo;
}

} // namespace

PruferVista::PruferVista(Prufer& modelo, QWidget* padre) : VistaDe(modelo, padre)
{
    setWindowTitle(Prufer::Titulo());
    auto* cabecera = new QLabel(Prufer::Cabecera(), this);
    QFont negrita = cabecera->font();
    negrita.setBold(true);
    cabecera->setFont(negrita);
    cabecera->setAlignment(Qt::AlignCenter);
    vertices_ = Campo(
        [this](int c) {
            modelo_.TeclaVertices(c);
            Refrescar();
        },
        [this] { return modelo_.TextoVertices(); }, this);
    elemento_ = Campo(
        [this](int c) {
            modelo_.TeclaElemento(c);
            Refrescar();
        },
        [this] { return modelo_.TextoElemento(); }, this);

    marco_ = new QGroupBox(Prufer::TituloMarco(), this);
    indicacion_ = new QLabel(marco_);
    secuencia_ = new QLabel(marco_);
    secuencia_->setMinimumWidth(360);
    secuencia_->setWordWrap(true);
    auto* enMarco = new QGridLayout(marco_);
    enMarco->addWidget(indicacion_, 0, 0);
    enMarco->addWidget(elemento_, 0, 1);
    enMarco->addWidget(new QLabel(Prufer::EtiquetaSecuencia(), marco_), 1, 0, 1, 2);
    enMarco->addWidget(secuencia_, 2, 0, 1, 2);

    aceptar_ = new QPushButton(Prufer::TextoAceptar(), this);
    auto* cancelar = new QPushButton(Prufer::TextoCancelar(), this);
    // Enter belongs to the entry boxes.
    aceptar_->setAutoDefault(false);
    cancelar->setAutoDefault(false);
    connect(aceptar_, &QPushButton::clicked, this, [this] {
        modelo_.Aceptar();
        Refrescar();
    });
    connect(cancelar, &QPushButton::clicked, this, [this] {
        modelo_.Cancelar();
        Refrescar();
    });

    auto* columna = new QVBoxLayout(this);
    columna->addWidget(cabecera);
    auto* fila = new QHBoxLayout;
    auto* indicacionVertices = new QLabel(Prufer::IndicacionVertices(), this);
    indicacionVertices->setBuddy(vertices_);
    fila->addWidget(indicacionVertices);
    fila->addWidget(vertices_);
    columna->addLayout(fila);
    columna->addWidget(marco_);
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(aceptar_);
    botones->addWidget(cancelar);
    columna->addLayout(botones);
    columna->setSizeConstraint(QLayout::SetFixedSize);
    Refrescar();
}

void PruferVista::Refrescar()
{
    const bool habilitada = modelo_.SecuenciaHabilitada();
    const bool recienHabilitada = habilitada && !marco_->isEnabled();
    marco_->setEnabled(habilitada);
    // Only once the frame is enabled can its box take the focus.
    if (recienHabilitada)
        elemento_->setFocus();
    indicacion_->setText(modelo_.IndicacionElemento());
    elemento_->setAccessibleName(modelo_.IndicacionElemento().isEmpty() ? Prufer::EtiquetaSecuencia()
                                                                        : modelo_.IndicacionElemento());
    secuencia_->setText(modelo_.Secuencia());
    vertices_->Refrescar();
    elemento_->Refrescar();
    aceptar_->setEnabled(modelo_.Completa());
    CerrarSiCerrado();
}
