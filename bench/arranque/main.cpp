// Start-up to the first paint: `nodeva_arranque nodeva|vacia [pantalla.json]`
// builds the program's main window (or an empty QMainWindow) the way the
// program does, shows it maximized and quits once the first paint is done.
// The optional file describes the offscreen screen.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <cstring>
#include <memory>

#include "gui/Arranque.h"
#include "gui/InteraccionQt.h"
#include "gui/PrincipalVista.h"

namespace {

// Quits when the event loop is back after the first paint of any widget, so
// that the whole window has been painted once.
class PrimerPintado : public QObject {
public:
    bool eventFilter(QObject* objeto, QEvent* suceso) override
    {
        if (suceso->type() == QEvent::Paint && !visto_) {
            visto_ = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(objeto, suceso);
    }

private:
    bool visto_ = false;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc > 2)
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + argv[2]);
    QApplication app(argc, argv);
    PrepararAplicacion(app);
    PrimerPintado primero;
    app.installEventFilter(&primero);
    InteraccionQt interaccion;
    std::unique_ptr<QWidget> ventana;
    if (argc > 1 && std::strcmp(argv[1], "nodeva") == 0) {
        auto principal = std::make_unique<PrincipalVista>(interaccion);
        principal->Atender(interaccion);
        ventana = std::move(principal);
    } else {
        ventana = std::make_unique<QMainWindow>();
    }
    MostrarMaximizada(*ventana);
    return QApplication::exec();
}
