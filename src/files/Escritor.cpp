#include "files/Escritor.h"

#include <algorithm>

#include "files/Numeros.h"
#include "model/Grafo.h"

namespace {
constexpr int PesoMaximo = 9999;
const QByteArray FinLinea = QByteArrayLiteral("\r\n");

// What the file holds for an entry, always something the reader accepts back:
// an unweighted graph has 0 or 1, and a weight is clamped to -9999..9999, the
// weights a graph file can hold (the record keeps them there already; this
// only guards against a stray value making the file unreadable).
int EntradaEscrita(const Grafo& grafo, int i, int j)
{
    const int valor = grafo.elem_matriz(i, j);
    if (!grafo.Ponderado())
        return valor != 0 ? 1 : 0;
    return std::clamp(valor, -PesoMaximo, PesoMaximo);
}
} // namespace

QByteArray TextoGrafo(const Grafo& grafo)
{
    const int n = std::clamp<int>(grafo.dimen(), 0, Grafo::Limite);
    QByteArray texto = NombreTipo(grafo.Tipo()).toLatin1() + FinLinea;
    texto += FormatoNumero(n) + FinLinea;
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j)
            texto += FormatoNumero(EntradaEscrita(grafo, i, j));
        texto += FinLinea;
    }
    texto += FinLinea;
    for (int v = 1; v <= n; ++v)
        texto += FormatoNumero(grafo.Posic_CoordX(v)) + ", " + FormatoNumero(grafo.Posic_CoordY(v)) + FinLinea;
    return texto;
}

Escritura EscribirGrafo(const QString& nombreArchivo, const Grafo& grafo)
{
    return EscribirAtomicamente(nombreArchivo, TextoGrafo(grafo));
}
