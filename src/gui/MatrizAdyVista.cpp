#include "gui/MatrizAdyVista.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

using Flecha = MatrizAdy::Flecha;

// The model's texts end every line with CR LF; a label wants LF, and the
// breaks after the last row would only leave a blank strip under the matrix.
QString Pantalla(QString texto)
{
    texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    while (texto.endsWith(u'\n'))
        texto.chop(1);
    return texto;
}

// Entries are as wide as the widest weight; row numbers need two digits.
QLabel* Celda(QWidget* padre, const QString& ancho, bool cabecera)
{
    auto* celda = new QLabel(padre);
    celda->setAlignment(Qt::AlignRight | Qt::AlignTop);
    celda->setMinimumWidth(celda->fontMetrics().horizontalAdvance(ancho) + 10);
    if (cabecera) {
        QFont negrita = celda->font();
        negrita.setBold(true);
        celda->setFont(negrita);
    }
    return celda;
}

QStyle::StandardPixmap Icono(Flecha flecha)
{
    switch (flecha) {
    case Flecha::Arriba: return QStyle::SP_ArrowUp;
    case Flecha::Abajo: return QStyle::SP_ArrowDown;
    case Flecha::Izquierda: return QStyle::SP_ArrowLeft;
    case Flecha::Derecha: return QStyle::SP_ArrowRight;
    }
    return QStyle::SP_ArrowUp;
}

} // namespace

MatrizAdyVista::MatrizAdyVista(MatrizAdy& modelo, QWidget* padre) : QDialog(padre), modelo_(modelo)
{
    setWindowTitle(MatrizAdy::Titulo());
    auto* salir = new QPushButton(MatrizAdy::TextoSalir(), this);
    connect(salir, &QPushButton::clicked, this, &QDialog::reject);

    auto* vertical = new QVBoxLayout;
    vertical->addWidget(CrearFlecha(Flecha::Arriba));
    vertical->addStretch();
    vertical->addWidget(CrearFlecha(Flecha::Abajo));
    auto* horizontal = new QHBoxLayout;
    horizontal->addWidget(CrearFlecha(Flecha::Izquierda));
    horizontal->addStretch();
    horizontal->addWidget(CrearFlecha(Flecha::Derecha));
    auto* pie = new QHBoxLayout;
    pie->addStretch();
    pie->addWidget(salir);

    auto* rejilla = new QGridLayout(this);
    rejilla->addWidget(CrearRecuadro(), 0, 0);
    rejilla->addLayout(vertical, 0, 1);
    rejilla->addLayout(horizontal, 1, 0);
    rejilla->addLayout(pie, 2, 0, 1, 2);
    // The window follows its content: it shrinks when columns and arrows hide.
    rejilla->setSizeConstraint(QLayout::SetFixedSize);
    Refrescar();
}

QWidget* MatrizAdyVista::CrearRecuadro()
{
    auto* recuadro = new QFrame(this);
    recuadro->setFrameShape(QFrame::StyledPanel);
    recuadro->setFrameShadow(QFrame::Sunken);
    recuadro->setBackgroundRole(QPalette::Base);
    recuadro->setAutoFillBackground(true);
    auto* celdas = new QGridLayout(recuadro);
    celdas->setHorizontalSpacing(4);
    celdas->setVerticalSpacing(8);
    filas_ = Celda(recuadro, QStringLiteral("50"), true);
    celdas->addWidget(filas_, 1, 0);
    for (int k = 0; k < MatrizAdy::MaxVisibles; ++k) {
        cabeceras_[k] = Celda(recuadro, QStringLiteral("-9999"), true);
        columnas_[k] = Celda(recuadro, QStringLiteral("-9999"), false);
        celdas->addWidget(cabeceras_[k], 0, k + 1);
        celdas->addWidget(columnas_[k], 1, k + 1);
    }
    return recuadro;
}

QToolButton* MatrizAdyVista::CrearFlecha(Flecha flecha)
{
    auto* boton = new QToolButton(this);
    boton->setIcon(style()->standardIcon(Icono(flecha)));
    boton->setAutoRaise(false);
    connect(boton, &QToolButton::clicked, this, [this, flecha] { Pulsar(flecha); });
    flechas_[static_cast<int>(flecha)] = boton;
    return boton;
}

void MatrizAdyVista::Pulsar(Flecha flecha)
{
    modelo_.Pulsar(flecha);
    Refrescar();
}

void MatrizAdyVista::Refrescar()
{
    filas_->setText(Pantalla(modelo_.Filas()));
    for (int k = 0; k < MatrizAdy::MaxVisibles; ++k) {
        const bool visible = modelo_.ColumnaVisible(k);
        columnas_[k]->setText(Pantalla(modelo_.Columna(k)));
        cabeceras_[k]->setText(Pantalla(modelo_.Cabecera(k)));
        columnas_[k]->setVisible(visible);
        cabeceras_[k]->setVisible(visible);
    }
    for (Flecha flecha : {Flecha::Arriba, Flecha::Abajo, Flecha::Izquierda, Flecha::Derecha}) {
        Boton(flecha)->setVisible(modelo_.FlechaVisible(flecha));
        Boton(flecha)->setEnabled(modelo_.FlechaHabilitada(flecha));
    }
}

void MatrizAdyVista::done(int resultado)
{
    modelo_.Salir();
    QDialog::done(resultado);
}
