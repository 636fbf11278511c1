#include "gui/SenalesFin.h"

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int tuberia[2] = {-1, -1};

void AlRecibir(int)
{
    const int guardado = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t escrito = ::write(tuberia[0], &byte, 1);
    errno = guardado;
}

} // namespace

void AtenderSenalesFin(QObject* padre, std::function<void()> alTerminar)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, tuberia) != 0)
        return;
    auto* aviso = new QSocketNotifier(tuberia[1], QSocketNotifier::Read, padre);
    QObject::connect(aviso, &QSocketNotifier::activated, padre, [aviso, alTerminar = std::move(alTerminar)] {
        char byte = 0;
        [[maybe_unused]] const ssize_t leido = ::read(tuberia[1], &byte, 1);
        aviso->setEnabled(false);
        alTerminar();
    });
    struct sigaction accion {};
    accion.sa_handler = AlRecibir;
    sigemptyset(&accion.sa_mask);
    accion.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &accion, nullptr);
    ::sigaction(SIGHUP, &accion, nullptr);
}
