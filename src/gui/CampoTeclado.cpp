#include "gui/CampoTeclado.h"

#include <QKeyEvent>

#include "ui/CodigosTecla.h"

int CodigoDeTecla(const QKeyEvent& evento)
{
    switch (evento.key()) {
    case Qt::Key_Escape: return -1;
    case Qt::Key_Return:
    case Qt::Key_Enter: return CodigoTecla::Intro;
    case Qt::Key_Backspace: return CodigoTecla::Retroceso;
    case Qt::Key_Left: return CodigoTecla::FlechaIzquierda;
    case Qt::Key_Up: return CodigoTecla::FlechaArriba;
    case Qt::Key_Right: return CodigoTecla::FlechaDerecha;
    case Qt::Key_Down: return CodigoTecla::FlechaAbajo;
    default: break;
    }
    const QString texto = evento.text();
    return texto.isEmpty() ? 0 : texto.front().unicode();
}

CampoTeclado::CampoTeclado(std::function<void(int)> teclear, std::function<QString()> texto, QWidget* padre)
    : QLineEdit(padre), teclear_(std::move(teclear)), texto_(std::move(texto))
{
    // Pasting or dropping would bypass the model's key filter.
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    connect(this, &QLineEdit::textEdited, this, [this] { Refrescar(); });
    Refrescar();
}

void CampoTeclado::Refrescar()
{
    setText(texto_());
    end(false);
}

void CampoTeclado::keyPressEvent(QKeyEvent* evento)
{
    const int codigo = CodigoDeTecla(*evento);
    if (codigo < 0) {
        evento->ignore();
        return;
    }
    if (codigo > 0)
        teclear_(codigo);
}
