#include "gui/Cronometro.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <ctime>

namespace {

double MilisegundosCPU()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

const char* NombreEntrada(QEvent::Type tipo)
{
    switch (tipo) {
    case QEvent::MouseButtonPress: return "pulsar";
    case QEvent::MouseButtonRelease: return "soltar";
    case QEvent::MouseMove: return "mover";
    case QEvent::KeyPress: return "tecla";
    default: return nullptr;
    }
}

class Cronometro : public QObject {
public:
    explicit Cronometro(QObject* padre) : QObject(padre)
    {
        quieto_.setSingleShot(true);
        quieto_.setInterval(150);
        connect(&quieto_, &QTimer::timeout, this, [this] { Informar(); });
    }

    bool eventFilter(QObject* objeto, QEvent* suceso) override
    {
        // An event passes the filter once per receiver on its way up; the
        // first one of a busy spell starts the clock.
        const char* nombre = NombreEntrada(suceso->type());
        if (nombre && !nombre_) {
            nombre_ = nombre;
            cpu_ = MilisegundosCPU();
            reloj_.start();
        }
        return QObject::eventFilter(objeto, suceso);
    }

    // The loop is about to wait. A repaint waits for the window's next frame
    // on a timer of its own, so the spell ends only once the loop has had
    // nothing to do for a while (150 ms): its last wait is the end.
    void AlQuedarOcioso()
    {
        if (!nombre_)
            return;
        fin_ = double(reloj_.nsecsElapsed()) / 1e6;
        cpuFin_ = MilisegundosCPU() - cpu_;
        quieto_.start();
    }

private:
    void Informar()
    {
        std::fprintf(stderr, "cronometro %s %.3f ms, CPU %.3f ms\n", nombre_, fin_, cpuFin_);
        nombre_ = nullptr;
    }

    const char* nombre_ = nullptr;
    double cpu_ = 0, fin_ = 0, cpuFin_ = 0;
    QElapsedTimer reloj_;
    QTimer quieto_;
};

} // namespace

void InstalarCronometro(QApplication& aplicacion)
{
    if (!qEnvironmentVariableIsSet("NODEVA_CRONOMETRO"))
        return;
    auto* cronometro = new Cronometro(&aplicacion);
    aplicacion.installEventFilter(cronometro);
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, cronometro,
                     [cronometro] { cronometro->AlQuedarOcioso(); });
}
