// libFuzzer target for the shape files: any bytes in a shape file must either
// give a graph of the record's own type, fitted to the work area, or leave the
// record empty after exactly one message.
#include <memory>

#include "Comun.h"
#include "generators/Formas.h"
#include "model/Grafo.h"

namespace {

const char* const Tipos[] = {"Simple", "Ponderado", "Digrafo", "Digrafo_Ponderado"};

// What generated graphs carry: no loops, both entries of every edge, and an
// edge count that matches, counting both arcs of a digraph's edge.
bool BienFormado(const Grafo& g)
{
    int entradas = 0;
    for (int i = 1; i <= g.dimen(); ++i) {
        if (g.elem_matriz(i, i) != 0)
            return false;
        for (int j = 1; j <= g.dimen(); ++j) {
            if ((g.elem_matriz(i, j) != 0) != (g.elem_matriz(j, i) != 0))
                return false;
            entradas += g.elem_matriz(i, j) != 0;
        }
    }
    return g.numero_aristas() == (g.Dirigido() ? entradas : entradas / 2);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    IniciarQt(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamaño)
{
    EscribirTemporal(FicheroForma(Forma::Tutte), datos, tamaño);
    InteraccionContada io;
    EntornoGrafo entorno;
    entorno.interaccion = &io;
    auto grafo = std::make_unique<Grafo>(std::move(entorno));
    // The length picks the type, so that every input is tried in one of them.
    grafo->InsertarTipo(QString::fromLatin1(Tipos[tamaño % 4]));
    const std::int16_t resultado =
        CargarForma(*grafo, DimensionesArea{9000, 6000}, Forma::Tutte, {CarpetaTemporal()});
    Exigir(io.mensajes == (resultado == 0 ? 0 : 1), "a shape must load or get exactly one message");
    Exigir(resultado == 0 || grafo->dimen() == 0, "a refused shape leaves the record empty");
    Exigir(grafo->dimen() >= 0 && grafo->dimen() <= Grafo::Limite, "a shape has 0..50 vertices");
    Exigir(BienFormado(*grafo), "a shape comes out as a generated graph of the record's type");
    return 0;
}
