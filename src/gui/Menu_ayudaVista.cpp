#include "gui/Menu_ayudaVista.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <algorithm>

#include "gui/Pixeles.h"

Menu_ayudaVista::Menu_ayudaVista(Menu_ayuda& modelo, QWidget* padre) : QDialog(padre), modelo_(modelo)
{
    setWindowTitle(Menu_ayuda::Caption());
    setMouseTracking(true);
    auto* label1 = new QLabel(modelo.Label1(), this);
    label1->setObjectName(QStringLiteral("Label1"));
    QFont titulo = label1->font();
    titulo.setBold(true);
    titulo.setPointSizeF(titulo.pointSizeF() * 1.25);
    label1->setFont(titulo);
    label1->setWordWrap(true);
    label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label1->setGeometry(Pixeles(modelo.PosicionLabel1()));
    auto* label2 = new QLabel(Menu_ayuda::Label2(), this);
    label2->setGeometry(Pixeles(modelo.PosicionLabel2()));
    for (int i = 0; i < Menu_ayuda::Visibles; ++i) {
        opciones_[i] = new QLabel(this);
        opciones_[i]->setObjectName(QStringLiteral("opcion%1").arg(i));
        opciones_[i]->setGeometry(Pixeles(modelo.PosicionOpcion(i)));
        opciones_[i]->setCursor(Qt::PointingHandCursor);
        opciones_[i]->setMouseTracking(true);
        opciones_[i]->installEventFilter(this);
    }
    subir_ = CrearFlecha(true);
    bajar_ = CrearFlecha(false);
    salir_ = new QPushButton(Menu_ayuda::TextoSalir(), this);
    salir_->setObjectName(QStringLiteral("salir"));
    salir_->setGeometry(Pixeles(modelo.PosicionSalir()));
    connect(salir_, &QPushButton::clicked, this, [this] {
        modelo_.Salir();
        accept();
    });
    setFixedSize(Pixeles(modelo.AnchoVentana()), Pixeles(modelo.AltoVentana()));
    Refrescar();
}

QToolButton* Menu_ayudaVista::CrearFlecha(bool arriba)
{
    auto* boton = new QToolButton(this);
    boton->setObjectName(arriba ? QStringLiteral("Subir") : QStringLiteral("Bajar"));
    boton->setIcon(style()->standardIcon(arriba ? QStyle::SP_ArrowUp : QStyle::SP_ArrowDown));
    boton->setGeometry(Pixeles(arriba ? modelo_.PosicionSubir() : modelo_.PosicionBajar()));
    connect(boton, &QToolButton::clicked, this, [this, arriba] {
        if (arriba)
            modelo_.Subir();
        else
            modelo_.Bajar();
        Refrescar();
    });
    return boton;
}

void Menu_ayudaVista::Refrescar()
{
    for (int i = 0; i < Menu_ayuda::Visibles; ++i) {
        QLabel* opcion = opciones_[i];
        opcion->setText(modelo_.Opcion(i));
        opcion->setVisible(modelo_.OpcionVisible(i));
        opcion->setEnabled(modelo_.OpcionVisible(i));
        QPalette paleta = opcion->palette();
        paleta.setColor(QPalette::WindowText, modelo_.ColorOpcion(i));
        opcion->setPalette(paleta);
    }
    subir_->setVisible(modelo_.SubirVisible());
    subir_->setEnabled(modelo_.SubirVisible());
    bajar_->setVisible(modelo_.BajarVisible());
    bajar_->setEnabled(modelo_.BajarVisible());
}

bool Menu_ayudaVista::eventFilter(QObject* objeto, QEvent* evento)
{
    const auto* opcion = std::find(opciones_.begin(), opciones_.end(), objeto);
    if (opcion == opciones_.end())
        return QDialog::eventFilter(objeto, evento);
    const int i = static_cast<int>(opcion - opciones_.begin());
    if (evento->type() == QEvent::Enter || evento->type() == QEvent::MouseMove) {
        modelo_.Señalar(i);
        Refrescar();
        // Not on to the window, whose own move means "over the background".
        return evento->type() == QEvent::MouseMove;
    }
    if (evento->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton) {
        modelo_.Elegir(i);
        if (modelo_.Cerrado())
            accept();
        else
            Refrescar();
        return true;
    }
    return QDialog::eventFilter(objeto, evento);
}

void Menu_ayudaVista::mouseMoveEvent(QMouseEvent* evento)
{
    modelo_.Señalar(-1);
    Refrescar();
    QDialog::mouseMoveEvent(evento);
}

void Menu_ayudaVista::done(int resultado)
{
    if (!modelo_.Cerrado())
        modelo_.Cerrar();
    QDialog::done(resultado);
}
