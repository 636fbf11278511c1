#include "gui/AyudaVista.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>

#include "gui/Pixeles.h"

AyudaVista::AyudaVista(Ayuda& modelo, QWidget* padre) : QDialog(padre), modelo_(modelo)
{
    setWindowTitle(Ayuda::Caption());
    const Ayuda::Disposicion d = Ayuda::Geometria(screen()->availableGeometry().height() * TwipsPorPixel);
    titulo_ = new QLabel(modelo.Titulo(), this);
    titulo_->setObjectName(QStringLiteral("Titulo"));
    QFont negrita = titulo_->font();
    negrita.setBold(true);
    negrita.setPointSizeF(negrita.pointSizeF() * 1.25);
    titulo_->setFont(negrita);
    titulo_->setGeometry(Pixeles(d.titulo));
    texto_ = new QTextEdit(this);
    texto_->setObjectName(QStringLiteral("Text1"));
    texto_->setReadOnly(true);
    texto_->setDocument(&modelo.Documento());
    texto_->setGeometry(Pixeles(d.texto));
    auto* salir = new QPushButton(Ayuda::TextoSalir(), this);
    salir->setObjectName(QStringLiteral("Salir"));
    salir->setDefault(true);
    salir->setGeometry(Pixeles(d.salir));
    connect(salir, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(Pixeles(d.ancho), Pixeles(d.alto));
}

void AyudaVista::done(int resultado)
{
    modelo_.Salir();
    QDialog::done(resultado);
}
