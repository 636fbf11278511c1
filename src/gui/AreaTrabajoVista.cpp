#include "gui/AreaTrabajoVista.h"

#include <QAccessible>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "model/Grafo.h"
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
    // Reached with Tab too: the keyboard does all the mouse does here.
    setFocusPolicy(Qt::StrongFocus);
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

// Tab and Shift+Tab go from element to element, and out of the area past
// the last one.
bool AreaTrabajoVista::focusNextPrevChild(bool siguiente)
{
    using T = EdicionTeclado::Tecla;
    if (hasFocus() && principal_.Teclado().Pulsar(siguiente ? T::Siguiente : T::Anterior)) {
        DespuesDeTecla();
        return true;
    }
    DespuesDeTecla();
    return QWidget::focusNextPrevChild(siguiente);
}

void AreaTrabajoVista::keyPressEvent(QKeyEvent* evento)
{
    using T = EdicionTeclado::Tecla;
    static const QHash<int, T> teclas = {{Qt::Key_Left, T::Izquierda},  {Qt::Key_Right, T::Derecha},
                                         {Qt::Key_Up, T::Arriba},       {Qt::Key_Down, T::Abajo},
                                         {Qt::Key_Insert, T::Insertar}, {Qt::Key_Return, T::Intro},
                                         {Qt::Key_Enter, T::Intro},     {Qt::Key_Escape, T::Escape},
                                         {Qt::Key_Delete, T::Suprimir}, {Qt::Key_F2, T::F2}};
    const auto tecla = teclas.constFind(evento->key());
    if (tecla == teclas.constEnd() ||
        !principal_.Teclado().Pulsar(*tecla, evento->modifiers().testFlag(Qt::ShiftModifier))) {
        QWidget::keyPressEvent(evento);
        return;
    }
    DespuesDeTecla();
}

void AreaTrabajoVista::focusOutEvent(QFocusEvent* evento)
{
    // A dialog the keys opened (the weight) keeps the ring for when it closes.
    if (evento->reason() != Qt::ActiveWindowFocusReason && evento->reason() != Qt::PopupFocusReason) {
        principal_.Teclado().Soltar();
        DespuesDeTecla();
    }
    QWidget::focusOutEvent(evento);
}

// The window shows what the key changed, and a screen reader hears of the
// element that has the focus now.
void AreaTrabajoVista::DespuesDeTecla()
{
    if (trasEvento_)
        trasEvento_();
    MostrarCambios();
    const EdicionTeclado& teclado = principal_.Teclado();
    const int v = teclado.Vertice(), e = teclado.Arista();
    if (!QAccessible::isActive() || (!v && !e))
        return;
    int indice = v - 1;
    if (!v) {
        const std::vector<AristaGrafo> aristas = AristasDe(principal_.grafo());
        for (std::size_t k = 0; k < aristas.size(); ++k)
            if (CodigoArista(aristas[k].a, aristas[k].b) == e)
                indice = principal_.grafo().dimen() + int(k);
    }
    QAccessibleEvent foco(this, QAccessible::Focus);
    foco.setChild(indice);
    QAccessible::updateAccessibility(&foco);
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
