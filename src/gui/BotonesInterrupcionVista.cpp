#include "gui/BotonesInterrupcionVista.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>

#include "run/BotonesInterrupcion.h"

namespace {

// Lengths of the window's layout, in twips, turned into pixels.
constexpr int Px(int twips) { return twips / 15; }

} // namespace

BotonesInterrupcionVista::BotonesInterrupcionVista(BotonesInterrupcion& modelo, QWidget* principal,
                                                   int altoTextoPx)
    : QDialog(principal, Qt::Tool | Qt::FramelessWindowHint), modelo_(modelo)
{
    texto_ = new QTextEdit(this);
    texto_->setReadOnly(true);
    texto_->setDocument(&modelo.Texto());
    QFont letra(QStringLiteral("Arial"));
    letra.setPointSizeF(9.75);
    texto_->setFont(letra);
    QTextCursor cursor(&modelo.Texto());
    cursor.setPosition(modelo.PosicionCursor());
    texto_->setTextCursor(cursor);
    texto_->ensureCursorVisible();
    Colocar(principal, altoTextoPx);
}

void BotonesInterrupcionVista::Colocar(QWidget* principal, int altoTextoPx)
{
    const QRect marco = principal ? principal->geometry() : QRect(0, 0, 840, 620);
    const int ancho = marco.width() - Px(200);
    texto_->setGeometry(Px(50), 0, ancho - Px(1385), altoTextoPx);
    const int alto = altoTextoPx + Px(80);
    setGeometry(marco.left() + Px(60), marco.bottom() - alto - Px(20), ancho, alto);

    const int izquierda = texto_->geometry().right() + Px(220);
    const int altoBoton = (altoTextoPx - Px(160)) / 3;
    int arriba = Px(50);
    const std::pair<QString, void (BotonesInterrupcion::*)()> botones[] = {
        {BotonesInterrupcion::TextoContinuar(), &BotonesInterrupcion::Continuar},
        {BotonesInterrupcion::TextoTerminar(), &BotonesInterrupcion::Terminar},
        {BotonesInterrupcion::TextoImprimir(), &BotonesInterrupcion::Imprimir}};
    for (const auto& [rotulo, accion] : botones) {
        auto* boton = new QPushButton(rotulo, this);
        boton->setGeometry(izquierda, arriba, Px(1185), altoBoton);
        connect(boton, &QPushButton::clicked, this, [this, accion = accion] {
            (modelo_.*accion)();
            if (modelo_.Cerrado())
                accept();
        });
        arriba += altoBoton + Px(30);
    }
}

void BotonesInterrupcionVista::keyPressEvent(QKeyEvent* evento)
{
    if (evento->key() == Qt::Key_Escape) {
        modelo_.Escape();
        accept();
        return;
    }
    QDialog::keyPressEvent(evento);
}

void BotonesInterrupcionVista::changeEvent(QEvent* evento)
{
    // The run waits here: the window must not get lost behind another.
    if (evento->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible())
        raise();
    QDialog::changeEvent(evento);
}

void BotonesInterrupcionVista::done(int resultado)
{
    if (!modelo_.Cerrado())
        modelo_.Continuar();
    QDialog::done(resultado);
}
