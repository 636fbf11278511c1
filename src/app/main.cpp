// Nodeva: teaching and learning graph algorithms.
// Usage: nodeva [grafo.grf] — the file, if given, is opened as by Abrir.
#include <QApplication>
#include <csignal>

#include "files/CopiaRecuperacion.h"
#include "files/NombreFichero.h"
#include "gui/Arranque.h"
#include "gui/InteraccionQt.h"
#include "gui/PrincipalVista.h"
#include "gui/SenalesFin.h"

namespace {

// NODEVA_ORDENES, menu commands separated by commas, run once the window is
// up: the way a test outside the program edits the graph in it.
void EjecutarOrdenesDelEntorno(PrincipalVista& ventana)
{
    for (const QString& orden : qEnvironmentVariable("NODEVA_ORDENES").split(u',', Qt::SkipEmptyParts))
        ventana.principal().Ejecutar(orden);
    ventana.Refrescar();
}

} // namespace

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
    ventana.principal().CopiasEn(CarpetaRecuperacion());
    AtenderSenalesFin(&ventana, [&ventana] {
        ventana.close();
        QCoreApplication::exit(0);
    });
    MostrarMaximizada(ventana);
    // Queued, so that the questions and a message about a bad file show over
    // a window on screen.
    QMetaObject::invokeMethod(
        &ventana,
        [&ventana] {
            ventana.principal().OfrecerCopias();
            ventana.Refrescar();
        },
        Qt::QueuedConnection);
    if (argc > 1) {
        // The name as its bytes are, which need not be UTF-8.
        const QString ruta = NombreDesdeBytes(QByteArray(argv[1]));
        QMetaObject::invokeMethod(
            &ventana, [&ventana, ruta] { ventana.AbrirArchivo(ruta); }, Qt::QueuedConnection);
    }
    QMetaObject::invokeMethod(
        &ventana, [&ventana] { EjecutarOrdenesDelEntorno(ventana); }, Qt::QueuedConnection);
    return QApplication::exec();
}
