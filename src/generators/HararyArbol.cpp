#include "generators/HararyArbol.h"

#include <QString>
#include <algorithm>

#include "costuras/Interaccion.h"
#include "drawing/Distribucion_Vert.h"
#include "generators/Marco.h"
#include "model/Grafo.h"

namespace {

// The circulant part: i and j joined when they are at most k/2 apart around
// the circle.
void UnirCercanos(Grafo& grafo, int n, int k)
{
    for (int i = 1; i < n; ++i)
        for (int j = i + 1; j <= n; ++j)
            if (std::min(j - i, n - (j - i)) <= k / 2.0)
                Unir(grafo, i, j);
}

// An odd k needs one more edge at every vertex: the diameters when n is even;
// when n is odd too, vertex 1 takes two nearly opposite vertices.
void UnirOpuestos(Grafo& grafo, int n)
{
    if (n % 2 == 0) {
        for (int i = 1; i <= n / 2; ++i)
            Unir(grafo, i, i + n / 2);
        return;
    }
    Unir(grafo, 1, (n + 1) / 2);
    Unir(grafo, 1, (n + 3) / 2);
    for (int i = 2; i <= (n - 1) / 2; ++i)
        Unir(grafo, i, i + (n + 1) / 2);
}

// 1 + w + ... + w^d, or any number past the limit once it gets there.
int VerticesArbol(int anchura, int profundidad)
{
    int total = 1, nivel = 1;
    for (int j = 1; j <= profundidad && total <= Grafo::Limite; ++j) {
        nivel = std::min(nivel * anchura, Grafo::Limite + 1);
        total += nivel;
    }
    return total;
}

} // namespace

void Harary(Grafo& grafo, DimensionesArea area, int n, int k)
{
    Dimensionar(grafo, n);
    const auto a = ACoordenada(area.ancho / 2 - 600);
    const auto r = static_cast<std::int16_t>(AltoEntero(area) / 2 - 500);
    DistribucionAuto(grafo, area, static_cast<std::int16_t>(n), 1, a, r);
    UnirCercanos(grafo, n, k);
    if (k % 2 == 1)
        UnirOpuestos(grafo, n);
    Terminar(grafo, area);
}

int ProfundidadMaxima(int anchura)
{
    switch (anchura) {
    case 2: return 4;
    case 3: return 3;
    case 4:
    case 5:
    case 6: return 2;
    default: return 1;
    }
}

std::int16_t ArbolNarioCompleto(Grafo& grafo, DimensionesArea area, int anchura, int profundidad)
{
    const int n = VerticesArbol(anchura, profundidad);
    if (n > Grafo::Limite) {
        if (Interaccion* persona = grafo.Entorno().interaccion)
            persona->Mensaje(QStringLiteral("Demasiados vértices; no se permiten más de %1.").arg(Grafo::Limite),
                             QStringLiteral("ERROR"), Icono::Critico, Botones::Aceptar);
        return 1;
    }
    Dimensionar(grafo, n);
    for (int v = 2; v <= n; ++v)
        Unir(grafo, v, (v - 2) / anchura + 1);
    DistribucionArbol(grafo, area, static_cast<std::int16_t>(anchura), static_cast<std::int16_t>(profundidad));
    Terminar(grafo, area);
    return 0;
}
