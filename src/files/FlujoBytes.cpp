#include "files/FlujoBytes.h"

namespace {
constexpr qint64 TamañoBloque = 64 * 1024;
} // namespace

bool FlujoBytes::Fin()
{
    if (pos_ < bloque_.size())
        return false;
    bloque_ = dispositivo_.read(TamañoBloque);
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
