// Nodeva: teaching and learning graph algorithms.
// Usage: nodeva [grafo.grf] — the file, if given, is opened as by Abrir.
#include <QApplication>
#include <csignal>

#include "files/NombreFichero.h"
#include "gui/Arranque.h"
#include "gui/InteraccionQt.h"
#include "gui/PrincipalVista.h"

int main(int argc, char** argv)
{
    // Past a file size limit a write then fails and the save says so,
    // instead of the program being killed with the work unsaved.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    PrepararAplicacion(app);
    InteraccionQt interaccion;
    PrincipalVista ventana(interaccion);
    ventana.Atender(interaccion);
    MostrarMaximizada(ventana);
    if (argc > 1) {
        // Queued, so that a message about a bad file shows over a window on
        // screen; the name as its bytes are, which need not be UTF-8.
        const QString ruta = NombreDesdeBytes(QByteArray(argv[1]));
        QMetaObject::invokeMethod(
            &ventana, [&ventana, ruta] { ventana.AbrirArchivo(ruta); }, Qt::QueuedConnection);
    }
    return QApplication::exec();
}
