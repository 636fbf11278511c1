// libFuzzer target for the graph file reader: any input must either load or
// be refused with exactly one message, and what loads must write out as a
// file that reads back as the same graph.
#include <QBuffer>
#include <memory>

#include "Comun.h"
#include "files/Escritor.h"
#include "files/Lector.h"
#include "model/Grafo.h"

namespace {

const QSize Area{9000, 6000};

std::int16_t Leer(const QByteArray& bytes, Grafo& grafo, InteraccionContada& io)
{
    return LeerBytes(bytes, grafo, io, Area);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    IniciarQt(argc, argv);
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
    Exigir(MismoGrafo(*grafo, *releido), "a written graph must read back unchanged");
    return 0;
}
