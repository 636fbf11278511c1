#include "gui/ControlesVista.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QToolBar>

#include "gui/IconosBarra.h"
#include "ui/MenuPrincipal.h"

namespace {

bool EsBoton(const QString& control)
{
    return control.contains(u'/');
}

} // namespace

void ControlesVista::CrearMenus(QMenuBar* barra, const AlElegir& alElegir)
{
    QSet<QString> padres;
    for (const EntradaMenu& e : EntradasMenu())
        padres.insert(e.padre);
    QHash<QString, QMenu*> menus;
    for (const EntradaMenu& e : EntradasMenu()) {
        QMenu* padre = menus.value(e.padre);
        if (e.titulo == QStringLiteral("-")) {
            padre->addSeparator();
            continue;
        }
        QAction* accion = nullptr;
        if (padres.contains(e.control)) {
            QMenu* menu = padre ? padre->addMenu(e.titulo) : barra->addMenu(e.titulo);
            menu->setObjectName(e.control);
            menus.insert(e.control, menu);
            accion = menu->menuAction();
        } else {
            accion = padre->addAction(e.titulo);
            if (!e.atajo.isEmpty())
                accion->setShortcut(QKeySequence(e.atajo));
            const QString control = e.control;
            QObject::connect(accion, &QAction::triggered, barra, [alElegir, control] { alElegir(control); });
        }
        accion->setObjectName(e.control);
        acciones_.insert(e.control, accion);
    }
}

QToolBar* ControlesVista::CrearBarra(const QString& nombre, QWidget* padre, const AlPulsar& alPulsar)
{
    auto* barra = new QToolBar(padre);
    barra->setObjectName(nombre);
    barra->setIconSize(QSize(24, 24));
    barra->setMovable(false);
    barra->setFloatable(false);
    for (const BotonBarra& b : BotonesBarra()) {
        if (b.barra != nombre)
            continue;
        if (b.clave.isEmpty()) {
            barra->addSeparator();
            continue;
        }
        QAction* accion = barra->addAction(Icono(b.imagen), QString());
        accion->setToolTip(b.consejo);
        // Pressed looks belong to the logic, which decides when a mode is on.
        accion->setCheckable(true);
        const QString clave = EstadoComandos::Boton(nombre, b.clave);
        accion->setObjectName(clave);
        acciones_.insert(clave, accion);
        QObject::connect(accion, &QAction::triggered, barra, [alPulsar, b] { alPulsar(b); });
        QWidget* boton = barra->widgetForAction(accion);
        boton->setAccessibleName(b.consejo);
        boton->setAccessibleDescription(b.descripcion);
    }
    widgets_.insert(nombre, barra);
    return barra;
}

void ControlesVista::Aplicar(const QString& control, const EstadoControl& estado)
{
    if (QWidget* widget = widgets_.value(control)) {
        widget->setEnabled(estado.habilitado);
        return;
    }
    QAction* accion = acciones_.value(control);
    if (!accion)
        return;
    accion->setEnabled(estado.habilitado);
    accion->setVisible(estado.visible);
    if (!EsBoton(control))
        return;
    accion->setChecked(estado.pulsado);
    if (estado.imagen >= 0)
        accion->setIcon(Icono(estado.imagen));
}

void ControlesVista::AplicarTodo(const EstadoComandos& comandos)
{
    for (auto it = acciones_.cbegin(); it != acciones_.cend(); ++it)
        Aplicar(it.key(), comandos.Leer(it.key()));
    for (auto it = widgets_.cbegin(); it != widgets_.cend(); ++it)
        Aplicar(it.key(), comandos.Leer(it.key()));
}

QIcon ControlesVista::Icono(int indice)
{
    auto it = iconos_.find(indice);
    if (it == iconos_.end())
        it = iconos_.insert(indice, IconoBarra(indice));
    return it.value();
}
