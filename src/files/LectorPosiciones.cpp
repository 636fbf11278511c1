// The positions half of the graph reader: one "X , Y" pair per vertex.
#include <limits>

#include "files/AjustarPosiciones.h"
#include "files/LectorGrafo.h"
#include "files/MensajesLector.h"
#include "model/Grafo.h"

namespace {
// Closer than this to an edge of the work area, a vertex would be cut off.
constexpr int Margen = 150;
} // namespace

bool LectorGrafo::LeerCoordenada(std::int16_t& valor)
{
    char c = 0;
    do {
        if (flujo_.Fin())
            return Fallar(MensajeLector::FaltanPosiciones);
        if (!Siguiente(c))
            return false;
    } while (EsSeparador(c));
    int acumulado = 0;
    while (EsDigito(c)) {
        // Positions are 16-bit: a value past that cannot be stored, which is a
        // run-time failure of the read, reported as soon as it happens.
        acumulado = acumulado * 10 + (c - '0');
        if (acumulado > std::numeric_limits<std::int16_t>::max())
            return Fallar(MensajeLector::FicheroInexistente);
        if (flujo_.Fin()) {
            valor = static_cast<std::int16_t>(acumulado);
            return true;
        }
        if (!Siguiente(c))
            return false;
    }
    if (!EsSeparador(c))
        return Fallar(MensajeLector::PosicionNoNumerica);
    valor = static_cast<std::int16_t>(acumulado);
    return true;
}

// Only spaces may stand between X and its comma. Running out of file while
// skipping them reads past the end, a run-time failure like any other.
bool LectorGrafo::LeerComa()
{
    if (flujo_.Fin())
        return true;
    char c = 0;
    do {
        if (!Siguiente(c))
            return false;
    } while (c == ' ');
    return c == ',' || Fallar(MensajeLector::FaltaComa);
}

bool LectorGrafo::LeerPosiciones()
{
    const int n = grafo_.dimen();
    bool reescalar = false;
    for (int i = 1; i <= n; ++i) {
        std::int16_t x = 0;
        if (!LeerCoordenada(x))
            return false;
        if (flujo_.Fin() && i != n)
            return Fallar(MensajeLector::InsuficientesPosiciones);
        reescalar |= x <= Margen || x >= area_.width() - Margen;
        grafo_.InsertarPosicionX(i, x);

        std::int16_t y = 0;
        if (!LeerComa() || !LeerCoordenada(y))
            return false;
        if (flujo_.Fin() && i != n)
            return Fallar(MensajeLector::FormatoIncorrecto);
        reescalar |= y <= Margen || y >= area_.height() - Margen;
        grafo_.InsertarPosicionY(i, y);
    }
    if (reescalar)
        AjustarPosiciones(grafo_, area_);
    return true;
}
