// What the importers' fuzz targets share: any input must either give a graph
// the program can hold or be refused with a message and leave the record as
// it was; and what is imported, exported again in its format, must import
// back as the same graph.
#pragma once

#include <memory>

#include "Comun.h"
#include "files/Intercambio.h"
#include "model/Grafo.h"

namespace {

const QSize AreaFuzz{9000, 6000};

// The rules every imported graph keeps: 0..50 vertices, no loop, a symmetric
// matrix when undirected, 0/1 entries or weights of -9999..9999, as many
// edges as the count says, every vertex inside the work area.
void ComprobarImportado(const Grafo& g)
{
    const int n = g.dimen();
    Exigir(n >= 0 && n <= Grafo::Limite, "an imported graph has 0..50 vertices");
    int aristas = 0;
    for (int i = 1; i <= n; ++i) {
        Exigir(g.Posic_CoordX(i) >= 0 && g.Posic_CoordX(i) <= AreaFuzz.width() && g.Posic_CoordY(i) >= 0 &&
                   g.Posic_CoordY(i) <= AreaFuzz.height(),
               "every vertex lies in the work area");
        for (int j = 1; j <= n; ++j) {
            const int e = g.elem_matriz(i, j);
            Exigir(i != j || e == 0, "no loops");
            Exigir(g.Dirigido() || e == g.elem_matriz(j, i), "an undirected graph's matrix is symmetric");
            Exigir(g.Ponderado() ? e >= -9999 && e <= 9999 : e == 0 || e == 1, "entries a graph file can hold");
            aristas += e != 0 && (g.Dirigido() || j < i);
        }
    }
    Exigir(aristas == g.numero_aristas(), "the edge count matches the matrix");
}

int ProbarImportador(Formato formato, const std::uint8_t* datos, std::size_t tamaño)
{
    const QByteArray bytes(reinterpret_cast<const char*>(datos), static_cast<qsizetype>(tamaño));
    auto grafo = std::make_unique<Grafo>();
    grafo->InsertarTipo(QStringLiteral("Digrafo_Ponderado"));
    grafo->Insertar_Dimension(2, false);
    grafo->InsertarMatriz(1, 2, 5);
    grafo->InsertarNumAristas(1);
    const auto antes = std::make_unique<Grafo>(*grafo);
    if (!ImportarBytes(bytes, formato, *grafo, AreaFuzz).isEmpty()) {
        Exigir(*grafo == *antes, "a refused file leaves the record as it was");
        return 0;
    }
    ComprobarImportado(*grafo);
    Exigir(RechazoExportar(formato, *grafo).isEmpty(), "what a format gave, it takes back");
    auto vuelta = std::make_unique<Grafo>();
    Exigir(ImportarBytes(TextoExportado(formato, *grafo), formato, *vuelta, AreaFuzz).isEmpty(),
           "an exported graph imports back");
    Exigir(MismoGrafo(*grafo, *vuelta), "an exported graph imports back unchanged");
    return 0;
}

} // namespace

// One target per format: the file defines NODEVA_FORMATO_FUZZ and includes this.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    IniciarQt(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamaño)
{
    return ProbarImportador(NODEVA_FORMATO_FUZZ, datos, tamaño);
}
