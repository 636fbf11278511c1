#include "files/FlujoBytes.h"

#include <algorithm>

namespace {
constexpr qint64 TamañoBloque = 64 * 1024;
} // namespace

bool FlujoBytes::Fin()
{
    if (pos_ < bloque_.size())
        return false;
    // No bigger a block than what is left of a file: most graphs are a few
    // hundred bytes, and a 64 KB buffer per read is most of what reading them
    // costs.
    const qint64 pedir =
        dispositivo_.isSequential() ? TamañoBloque : std::clamp<qint64>(dispositivo_.bytesAvailable(), 1, TamañoBloque);
    bloque_ = dispositivo_.read(pedir);
    pos_ = 0;
    return bloque_.isEmpty();
}

bool FlujoBytes::Leer(char& c)
{
    if (Fin())
        return false;
    c = bloque_[pos_++];
    return true;
}
