// Nodeva: teaching and learning graph algorithms.
// Usage: nodeva [grafo.grf] — the file, if given, is opened as by Abrir.
#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <QStringList>
#include <csignal>

#include "gui/InteraccionQt.h"
#include "gui/PrincipalVista.h"
#include "gui/TraduccionesQt.h"

int main(int argc, char** argv)
{
    // Past a file size limit a write then fails and the save says so,
    // instead of the program being killed with the work unsaved.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Nodeva"));
    InstalarTraduccionesQt(app);
    // The same picture as the menu entry's icon; every window takes it.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/iconos/nodeva.svg")));
    // Lets the desktop match the window to its menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("nodeva"));
    InteraccionQt interaccion;
    PrincipalVista ventana(interaccion);
    ventana.Atender(interaccion);
    // Graphs, traces and the class projector all want the room (the size
    // also serves where no window manager maximizes).
    ventana.setGeometry(ventana.screen()->availableGeometry());
    ventana.showMaximized();
    const QStringList argumentos = QApplication::arguments();
    if (argumentos.size() > 1) {
        // Queued, so that a message about a bad file shows over a window on screen.
        const QString ruta = argumentos.at(1);
        QMetaObject::invokeMethod(
            &ventana, [&ventana, ruta] { ventana.AbrirArchivo(ruta); }, Qt::QueuedConnection);
    }
    return QApplication::exec();
}
