// The matrix half of the graph reader: 0/1 entries, weights, symmetry.
#include <algorithm>

#include "files/Lector.h"
#include "files/LectorGrafo.h"
#include "files/MensajesLector.h"
#include "model/Grafo.h"

namespace {
constexpr int PesoMaximo = 9999;
} // namespace

bool EsSimetrica(const Grafo& grafo)
{
    for (int i = 1; i <= grafo.dimen(); ++i)
        for (int j = 1; j < i; ++j)
            if (grafo.elem_matriz(i, j) != grafo.elem_matriz(j, i))
                return false;
    return true;
}

// Skips separators up to the first other byte; a file that ends while
// skipping leaves the matrix incomplete.
bool LectorGrafo::SaltarSeparadoresEnMatriz(char& c)
{
    if (flujo_.Fin())
        return Fallar(MensajeLector::Incompleta);
    do {
        if (!Siguiente(c))
            return false;
        if (EsSeparador(c) && flujo_.Fin())
            return Fallar(MensajeLector::Incompleta);
    } while (EsSeparador(c));
    return true;
}

bool LectorGrafo::LeerElemento01(std::int16_t& valor)
{
    char c = 0;
    if (!SaltarSeparadoresEnMatriz(c))
        return false;
    if (c != '0' && c != '1')
        return Fallar(grafo_.Tipo() == TipoGrafo::Simple ? MensajeLector::NoBinarioSimple
                                                         : MensajeLector::NoBinarioDigrafo);
    valor = static_cast<std::int16_t>(c - '0');
    if (flujo_.Fin())
        return true;
    if (!Siguiente(c))
        return false;
    if (flujo_.Fin())
        return Fallar(MensajeLector::Incompleta);
    return EsSeparador(c) || Fallar(MensajeLector::FaltaSeparador);
}

bool LectorGrafo::LeerPeso(std::int16_t& peso)
{
    char c = 0;
    if (!SaltarSeparadoresEnMatriz(c))
        return false;
    const bool negativo = c == '-';
    bool alFinal = negativo && flujo_.Fin();
    if (negativo && !alFinal && !Siguiente(c))
        return false;
    // Saturated: every value past the cap is refused the same way, and a
    // long run of digits cannot overflow.
    int valor = 0;
    while (!alFinal && EsDigito(c)) {
        valor = std::min(valor * 10 + (c - '0'), PesoMaximo + 1);
        alFinal = flujo_.Fin();
        if (!alFinal && !Siguiente(c))
            return false;
    }
    if (!alFinal && !EsSeparador(c))
        return Fallar(MensajeLector::PesoNoNumerico);
    if (valor > PesoMaximo)
        return Fallar(MensajeLector::PesoIncorrecto);
    peso = static_cast<std::int16_t>(negativo ? -valor : valor);
    return true;
}

// A file that ends after an entry is incomplete unless the entry stood in the
// last row or the last column.
bool LectorGrafo::ComprobarFinDeMatriz(int i, int j)
{
    const int n = grafo_.dimen();
    return !flujo_.Fin() || i == n || j == n || Fallar(MensajeLector::FormatoIncorrecto);
}

bool LectorGrafo::ComprobarSimetria()
{
    return grafo_.Dirigido() || EsSimetrica(grafo_) || Fallar(MensajeLector::NoSimetrica);
}

bool LectorGrafo::LeerMatriz01()
{
    const int n = grafo_.dimen();
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            std::int16_t valor = 0;
            if (!LeerElemento01(valor) || !ComprobarFinDeMatriz(i, j))
                return false;
            grafo_.InsertarMatriz(i, j, valor);
            // An undirected edge counts once, from the lower triangle.
            if (valor == 1 && i != j && (grafo_.Dirigido() || j < i))
                grafo_.IncrementarNumAristas();
        }
        // A short matrix is not reported here: the positions find the data missing.
        if (flujo_.Fin() && i < n)
            return true;
    }
    return ComprobarSimetria();
}

bool LectorGrafo::LeerMatrizPesos()
{
    const int n = grafo_.dimen();
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            std::int16_t peso = 0;
            if (!LeerPeso(peso) || !ComprobarFinDeMatriz(i, j))
                return false;
            grafo_.InsertarMatriz(i, j, peso);
            // Weighted digraphs count their diagonal too.
            if (peso != 0 && (grafo_.Dirigido() || j < i))
                grafo_.IncrementarNumAristas();
        }
        if (flujo_.Fin() && i < n)
            return true;
    }
    return ComprobarSimetria();
}
