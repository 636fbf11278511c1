#include "gui/DosListasVista.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

DosListasVista::DosListasVista(const Textos& textos, QWidget* padre) : VistaModelo(padre)
{
    setWindowTitle(textos.titulo);
    auto* rejilla = new QGridLayout(this);
    const QString etiquetas[] = {textos.etiqueta1, textos.etiqueta2};
    for (int lado = 0; lado < 2; ++lado) {
        QComboBox* combo = combos_[lado] = new QComboBox(this);
        combo->setMinimumContentsLength(6);
        combo->setMaxVisibleItems(12);
        // "activated" is the person's choice, also of the item already shown.
        connect(combo, &QComboBox::activated, this, [this, lado](int i) {
            Elegir(lado, i);
            Refrescar();
        });
        auto* etiqueta = new QLabel(etiquetas[lado], this);
        etiqueta->setBuddy(combo); // names the list for a screen reader
        rejilla->addWidget(etiqueta, lado, 0, lado == 1 ? textos.alineacion2 : Qt::Alignment{});
        rejilla->addWidget(combo, lado, 1);
    }
    aceptar_ = new QPushButton(textos.aceptar, this);
    auto* cancelar = new QPushButton(textos.cancelar, this);
    connect(aceptar_, &QPushButton::clicked, this, [this] {
        AceptarModelo();
        Refrescar();
    });
    connect(cancelar, &QPushButton::clicked, this, [this] {
        CancelarModelo();
        Refrescar();
    });
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(aceptar_);
    botones->addWidget(cancelar);
    rejilla->setRowMinimumHeight(2, 8);
    rejilla->addLayout(botones, 3, 0, 1, 2);
    rejilla->setSizeConstraint(QLayout::SetFixedSize);
}

void DosListasVista::Refrescar()
{
    for (int lado = 0; lado < 2; ++lado) {
        const QSignalBlocker bloqueo(combos_[lado]);
        combos_[lado]->clear();
        combos_[lado]->addItems(Lista(lado));
        combos_[lado]->setCurrentIndex(Indice(lado));
    }
    aceptar_->setEnabled(AceptarHabilitado());
    CerrarSiCerrado();
}
