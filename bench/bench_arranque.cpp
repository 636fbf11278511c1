// Start-up to the first paint, in CPU time of a process started afresh each
// time: the program's main window against an empty QMainWindow started the
// same way, both maximized on an offscreen screen of 1920 x 1080.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

namespace {

double SegundosCPU(const rusage& uso)
{
    const auto segundos = [](const timeval& t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return segundos(uso.ru_utime) + segundos(uso.ru_stime);
}

void BM_Arranque(benchmark::State& estado, const char* ventana)
{
    char programa[] = NODEVA_ARRANQUE;
    char pantalla[] = NODEVA_PANTALLA;
    char* argumentos[] = {programa, const_cast<char*>(ventana), pantalla, nullptr};
    for (auto _ : estado) {
        pid_t hijo = 0;
        rusage uso{};
        int fin = 0;
        if (posix_spawn(&hijo, programa, nullptr, nullptr, argumentos, environ) != 0 ||
            wait4(hijo, &fin, 0, &uso) != hijo || !WIFEXITED(fin) || WEXITSTATUS(fin) != 0) {
            estado.SkipWithError("el arranque no terminó bien");
            return;
        }
        estado.SetIterationTime(SegundosCPU(uso));
    }
}
BENCHMARK_CAPTURE(BM_Arranque, Vacia, "vacia")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Arranque, Nodeva, "nodeva")->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
