// The main window's menu bar and toolbars, built from the menu and toolbar
// data, and kept in line with the logic's command states: enabled, pressed,
// shown and picture of every command and button.
#pragma once

#include <QHash>
#include <QIcon>
#include <QString>
#include <functional>

#include "model/EstadoComandos.h"

class QAction;
class QMenuBar;
class QToolBar;
class QWidget;
struct BotonBarra;

class ControlesVista {
public:
    using AlElegir = std::function<void(const QString& control)>;
    using AlPulsar = std::function<void(const BotonBarra& boton)>;

    void CrearMenus(QMenuBar* barra, const AlElegir& alElegir);
    // The toolbar of this name ("Toolbar1", "Toolbar2"); its buttons are
    // known as "<barra>/<clave>".
    QToolBar* CrearBarra(const QString& nombre, QWidget* padre, const AlPulsar& alPulsar);
    // Another control whose enabled state the logic switches ("Combo1").
    void Registrar(const QString& control, QWidget* widget) { widgets_.insert(control, widget); }

    void Aplicar(const QString& control, const EstadoControl& estado);
    // Every known control at once, for the states set before the window existed.
    void AplicarTodo(const EstadoComandos& comandos);

    // The menu command, submenu or toolbar button of this name; null if none.
    QAction* Accion(const QString& control) const { return acciones_.value(control); }

private:
    QIcon Icono(int indice);

    QHash<QString, QAction*> acciones_;
    QHash<QString, QWidget*> widgets_;
    QHash<int, QIcon> iconos_;
};
