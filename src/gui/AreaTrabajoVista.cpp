#include "gui/AreaTrabajoVista.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "ui/DescripcionAccesible.h"
#include "ui/Principal.h"

namespace {

// The editor's button codes: 1 left, 2 right, 4 middle, summed while held.
int Codigo(Qt::MouseButtons botones)
{
    int codigo = 0;
    if (botones & Qt::LeftButton)
        codigo |= 1;
    if (botones & Qt::RightButton)
        codigo |= 2;
    if (botones & Qt::MiddleButton)
        codigo |= 4;
    return codigo;
}

double Twips(double pixeles)
{
    return std::round(pixeles * AreaTrabajoVista::TwipsPorPixel);
}

} // namespace

AreaTrabajoVista::AreaTrabajoVista(Principal& principal, std::function<void()> trasEvento, QWidget* padre)
    : QWidget(padre), principal_(principal), trasEvento_(std::move(trasEvento))
{
    setObjectName(QStringLiteral("Area_trabajo"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    SeguirEscala();
}

// A move to a screen of another pixel density redraws the picture for it.
void AreaTrabajoVista::SeguirEscala()
{
    if (devicePixelRatioF() == escala_)
        return;
    escala_ = devicePixelRatioF();
    principal_.PonerEscala(escala_);
}

void AreaTrabajoVista::MostrarCambios()
{
    if (const QRect zona = principal_.Area().TomarCambios(); !zona.isEmpty())
        update(zona);
    // A screen reader hears of a new graph, or of one grown or shrunk, and
    // reads the items again; nothing is computed while none listens.
    if (!QAccessible::isActive())
        return;
    if (QString nombre = DescribirGrafo(principal_.grafo()); nombre != nombreAccesible_) {
        nombreAccesible_ = std::move(nombre);
        QAccessibleEvent cambio(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&cambio);
        QAccessibleEvent hijos(this, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&hijos);
    }
}

void AreaTrabajoVista::paintEvent(QPaintEvent* evento)
{
    SeguirEscala();
    const QImage& imagen = principal_.Area().Imagen();
    const QRect zona = evento->rect();
    const qreal ratio = imagen.devicePixelRatio();
    QPainter pintor(this);
    pintor.fillRect(zona, Qt::white);
    pintor.drawImage(QRectF(zona), imagen, QRectF(QPointF(zona.topLeft()) * ratio, QSizeF(zona.size()) * ratio));
}

void AreaTrabajoVista::mousePressEvent(QMouseEvent* evento)
{
    Pasar(Accion::Bajar, Codigo(evento->button()), evento->position());
}

void AreaTrabajoVista::mouseMoveEvent(QMouseEvent* evento)
{
    Pasar(Accion::Mover, Codigo(evento->buttons()), evento->position());
}

void AreaTrabajoVista::mouseReleaseEvent(QMouseEvent* evento)
{
    Pasar(Accion::Subir, Codigo(evento->button()), evento->position());
}

void AreaTrabajoVista::leaveEvent(QEvent*)
{
    Pasar(Accion::Salir, 0, {});
}

void AreaTrabajoVista::Pasar(Accion accion, int boton, QPointF punto)
{
    const double x = Twips(punto.x()), y = Twips(punto.y());
    EdicionRaton& edicion = principal_.Edicion();
    switch (accion) {
    case Accion::Bajar: edicion.MouseDown(boton, x, y); break;
    case Accion::Mover: edicion.MouseMove(boton, x, y); break;
    case Accion::Subir: edicion.MouseUp(boton, x, y); break;
    case Accion::Salir: edicion.PunteroFuera(); break;
    }
    if (trasEvento_)
        trasEvento_();
    MostrarCambios();
}
