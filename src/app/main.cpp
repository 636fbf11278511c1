// Nodeva: teaching and learning graph algorithms.
// Usage: nodeva [grafo.grf] — the file, if given, is opened as by Abrir.
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <csignal>
#include <optional>

#include "files/CopiaRecuperacion.h"
#include "files/NombreFichero.h"
#include "gui/Arranque.h"
#include "gui/InteraccionQt.h"
#include "gui/PrincipalVista.h"
#include "gui/SenalesFin.h"

namespace {

// NODEVA_ORDENES, separated by commas: the way a test outside the program
// works in it. "pulsar:TEXTO" presses the button so captioned on the next
// dialog that shows one (the question at start too); anything else is a menu
// command by its control name, run in order once the start's questions and
// the file argument are done ("Salir" closes the window, as the menu does).
const QString Pulsar = QStringLiteral("pulsar:");

QStringList OrdenesDelEntorno()
{
    return qEnvironmentVariable("NODEVA_ORDENES").split(u',', Qt::SkipEmptyParts);
}

class PulsarAlMostrar : public QObject {
public:
    PulsarAlMostrar(QStringList textos, QObject* padre) : QObject(padre), textos_(std::move(textos)) {}

    bool eventFilter(QObject* objeto, QEvent* evento) override
    {
        auto* dialogo = qobject_cast<QDialog*>(objeto);
        if (!dialogo || evento->type() != QEvent::Show || textos_.isEmpty())
            return false;
        for (QAbstractButton* boton : dialogo->findChildren<QAbstractButton*>())
            if (boton->text().remove(u'&') == textos_.front()) {
                textos_.pop_front();
                // Once the dialog's own loop runs.
                QTimer::singleShot(0, boton, &QAbstractButton::click);
                break;
            }
        return false;
    }

private:
    QStringList textos_;
};

void PulsarLosBotonesDelEntorno(QApplication& app)
{
    QStringList textos;
    for (const QString& orden : OrdenesDelEntorno())
        if (orden.startsWith(Pulsar))
            textos << orden.mid(Pulsar.size());
    if (!textos.isEmpty())
        app.installEventFilter(new PulsarAlMostrar(textos, &app));
}

void EjecutarOrdenesDelEntorno(PrincipalVista& ventana)
{
    for (const QString& orden : OrdenesDelEntorno()) {
        if (orden == QStringLiteral("Salir"))
            ventana.close();
        else if (!orden.startsWith(Pulsar))
            ventana.principal().Ejecutar(orden);
    }
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
    PulsarLosBotonesDelEntorno(app);
    InteraccionQt interaccion;
    PrincipalVista ventana(interaccion);
    ventana.Atender(interaccion);
    // Its writer finishes what it was handed when the window is destroyed,
    // on the way out of main: after Salir, a closed window or a signal.
    ventana.principal().CopiasEn(CarpetaRecuperacion());
    AtenderSenalesFin(&ventana, [&ventana] {
        ventana.close();
        QCoreApplication::exit(0);
    });
    MostrarMaximizada(ventana);
    // The name as its bytes are, which need not be UTF-8.
    const std::optional<QString> ruta = argc > 1 ? std::optional(NombreDesdeBytes(QByteArray(argv[1]))) : std::nullopt;
    // Queued, so that the questions and a message about a bad file show over
    // a window on screen; one after the other, since a question's own loop
    // would run whatever else was queued beneath it.
    QMetaObject::invokeMethod(
        &ventana,
        [&ventana, ruta] {
            ventana.principal().OfrecerCopias();
            ventana.Refrescar();
            if (ruta)
                ventana.AbrirArchivo(*ruta);
            EjecutarOrdenesDelEntorno(ventana);
        },
        Qt::QueuedConnection);
    return QApplication::exec();
}
