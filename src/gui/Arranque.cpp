#include "gui/Arranque.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <QWidget>

#include "gui/Cronometro.h"
#include "gui/TraduccionesQt.h"

void PrepararAplicacion(QApplication& aplicacion)
{
    QApplication::setApplicationName(QStringLiteral("Nodeva"));
    if (!InstalarTraduccionesQt(aplicacion))
        qWarning("No se encontraron las traducciones de Qt (paquete qt6-translations-l10n): "
                 "sus diálogos saldrán en inglés.");
    // The same picture as the menu entry's icon; every window takes it.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/iconos/nodeva.svg")));
    // Lets the desktop match the window to its menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("nodeva"));
    InstalarCronometro(aplicacion);
}

void MostrarMaximizada(QWidget& ventana)
{
    ventana.setGeometry(ventana.screen()->availableGeometry());
    ventana.showMaximized();
}
