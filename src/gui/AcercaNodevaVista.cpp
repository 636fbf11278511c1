#include "gui/AcercaNodevaVista.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/Presentacion.h"

AcercaNodevaVista::AcercaNodevaVista(QWidget* padre) : QDialog(padre)
{
    setWindowTitle(QStringLiteral(" Acerca de Nodeva"));
    auto* aceptar = new QPushButton(QStringLiteral("Aceptar"), this);
    aceptar->setObjectName(QStringLiteral("cmdOK"));
    aceptar->setDefault(true);
    connect(aceptar, &QPushButton::clicked, this, &QDialog::accept);

    auto* pie = new QHBoxLayout;
    pie->addStretch();
    pie->addWidget(aceptar);
    auto* columna = new QVBoxLayout(this);
    columna->setContentsMargins(24, 20, 24, 16);
    columna->addWidget(CrearPresentacion(this));
    columna->addLayout(pie);
    columna->setSizeConstraint(QLayout::SetFixedSize);
}
