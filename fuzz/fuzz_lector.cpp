// libFuzzer target for the graph file reader: any input must either load or
// be refused with exactly one message, and what loads must write out as a
// file that reads back as the same graph.
#include <QBuffer>
#include <QCoreApplication>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "costuras/Interaccion.h"
#include "files/Escritor.h"
#include "files/Lector.h"
#include "model/Grafo.h"

namespace {

const QSize Area{9000, 6000};

// Counts the message boxes; nothing else is ever asked of it by the reader.
class InteraccionContada : public Interaccion {
public:
    int mensajes = 0;
    std::int16_t Mensaje(const QString&, const QString&, Icono, Botones) override
    {
        ++mensajes;
        return Respuesta::Aceptar;
    }
    void Mostrar(AsignarPeso&) override {}
    QString NombreParaAbrir(const QString&) override { return {}; }
    QString NombreParaGuardar(const QString&, const QString&) override { return {}; }
    double Ahora() override { return 0; }
    void ProcesarEventos() override {}
};

std::int16_t Leer(const QByteArray& bytes, Grafo& grafo, InteraccionContada& io)
{
    QBuffer origen;
    origen.setData(bytes);
    origen.open(QIODevice::ReadOnly);
    return LeerGrafo(origen, grafo, io, Area);
}

void Exigir(bool condicion, const char* que)
{
    if (!condicion) {
        std::fprintf(stderr, "fuzz_lector: %s\n", que);
        std::abort();
    }
}

bool MismaMatriz(const Grafo& a, const Grafo& b)
{
    if (a.Tipo() != b.Tipo() || a.dimen() != b.dimen() || a.numero_aristas() != b.numero_aristas())
        return false;
    for (int i = 1; i <= a.dimen(); ++i)
        for (int j = 1; j <= a.dimen(); ++j)
            if (a.elem_matriz(i, j) != b.elem_matriz(i, j))
                return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // QtCore's file and text helpers expect an application object; one for
    // the whole run, never destroyed.
    static auto* app = new QCoreApplication(*argc, *argv);
    (void)app;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamaño)
{
    const QByteArray bytes(reinterpret_cast<const char*>(datos), static_cast<qsizetype>(tamaño));
    auto grafo = std::make_unique<Grafo>();
    InteraccionContada io;
    const std::int16_t resultado = Leer(bytes, *grafo, io);
    Exigir(io.mensajes == (resultado == 0 ? 0 : 1), "a read must end with no message or exactly one");
    if (resultado != 0)
        return 0;
    Exigir(grafo->dimen() >= 0 && grafo->dimen() <= Grafo::Limite, "a loaded graph has 0..50 vertices");
    auto releido = std::make_unique<Grafo>();
    Exigir(Leer(TextoGrafo(*grafo), *releido, io) == 0, "a written graph must read back");
    Exigir(MismaMatriz(*grafo, *releido), "a written graph must read back unchanged");
    return 0;
}
