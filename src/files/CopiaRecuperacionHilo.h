// The thread that writes the recovery copy, so that the interface never
// waits for the disk (each atomic write syncs a file and its folder). One
// job waits at most: a newer one takes the place of the one not yet begun,
// and jobs run one at a time in the order they were handed over, so a
// removal is never followed by an older write that brings the copy back.
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

class HiloEscritura {
public:
    HiloEscritura();
    // Finishes what was handed over, then ends the thread.
    ~HiloEscritura();
    HiloEscritura(const HiloEscritura&) = delete;
    HiloEscritura& operator=(const HiloEscritura&) = delete;

    // Runs `trabajo` on the thread, in place of a job handed over earlier
    // that has not begun.
    void Encargar(std::function<void()> trabajo);
    // Returns once every job handed over has run.
    void Esperar();

private:
    void Atender();

    std::mutex mutex_;
    std::condition_variable cambio_;
    std::function<void()> pendiente_;
    bool ocupado_ = false;
    bool fin_ = false;
    std::thread hilo_; // last: it starts once the rest exists
};
