#include "files/CopiaRecuperacionHilo.h"

#include <csignal>
#include <pthread.h>
#include <utility>

HiloEscritura::HiloEscritura() : hilo_([this] { Atender(); }) {}

HiloEscritura::~HiloEscritura()
{
    {
        std::lock_guard bloqueo(mutex_);
        fin_ = true;
    }
    cambio_.notify_all();
    hilo_.join();
}

void HiloEscritura::Encargar(std::function<void()> trabajo)
{
    {
        std::lock_guard bloqueo(mutex_);
        pendiente_ = std::move(trabajo);
    }
    cambio_.notify_all();
}

void HiloEscritura::Esperar()
{
    std::unique_lock bloqueo(mutex_);
    cambio_.wait(bloqueo, [this] { return !pendiente_ && !ocupado_; });
}

void HiloEscritura::Atender()
{
    // Signals are the interface thread's to take (SIGTERM's and SIGHUP's
    // handler wakes its event loop), and a write here is never interrupted.
    sigset_t senales;
    sigfillset(&senales);
    pthread_sigmask(SIG_BLOCK, &senales, nullptr);
    std::unique_lock bloqueo(mutex_);
    for (;;) {
        cambio_.wait(bloqueo, [this] { return pendiente_ || fin_; });
        if (!pendiente_)
            return; // the end, with nothing left to write
        const std::function<void()> trabajo = std::exchange(pendiente_, nullptr);
        ocupado_ = true;
        bloqueo.unlock();
        trabajo();
        bloqueo.lock();
        ocupado_ = false;
        cambio_.notify_all();
    }
}
