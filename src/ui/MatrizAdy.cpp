#include "ui/MatrizAdy.h"

#include <algorithm>

#include "model/Grafo.h"

namespace {
const QString SaltoLinea = QStringLiteral("\r\n");
}

MatrizAdy::MatrizAdy(const Grafo& grafo) : grafo_(grafo)
{
    MostrarMatriz();
}

int MatrizAdy::Visibles() const
{
    return std::min<int>(grafo_.dimen(), MaxVisibles);
}

bool MatrizAdy::VentanaReducida() const
{
    return grafo_.dimen() <= MaxVisibles;
}

void MatrizAdy::MostrarMatriz()
{
    const int m = Visibles();
    Text3_.clear();
    for (int k = 0; k < MaxVisibles; ++k) {
        Text1_[k].clear();
        Text2_[k].clear();
    }
    for (int i = 1; i <= m; ++i) {
        for (int j = 1; j <= m; ++j)
            Text1_[j - 1] +=
                QString::number(grafo_.elem_matriz(FilaInicial_ + i, ColumnaInicial_ + j)) + SaltoLinea + SaltoLinea;
        Text3_ += QString::number(FilaInicial_ + i) + SaltoLinea + SaltoLinea;
    }
    for (int j = 1; j <= m; ++j)
        Text2_[j - 1] = QString::number(ColumnaInicial_ + j) + SaltoLinea;
}

// Derived from the position rather than switched by each scroll, so that no
// order of clicks can scroll past the last row or column.
bool MatrizAdy::FlechaHabilitada(Flecha flecha) const
{
    if (VentanaReducida())
        return false;
    const int n = grafo_.dimen();
    switch (flecha) {
    case Flecha::Arriba: return FilaInicial_ > 0;
    case Flecha::Abajo: return FilaInicial_ + MaxVisibles < n;
    case Flecha::Izquierda: return ColumnaInicial_ > 0;
    case Flecha::Derecha: return ColumnaInicial_ + MaxVisibles < n;
    }
    return false;
}

void MatrizAdy::Pulsar(Flecha flecha)
{
    if (cerrado_ || !FlechaHabilitada(flecha))
        return;
    switch (flecha) {
    case Flecha::Arriba: --FilaInicial_; break;
    case Flecha::Abajo: ++FilaInicial_; break;
    case Flecha::Izquierda: --ColumnaInicial_; break;
    case Flecha::Derecha: ++ColumnaInicial_; break;
    }
    MostrarMatriz();
}
