#include "cli/Subcomandos.h"

const std::vector<Subcomando>& Subcomandos()
{
    static const std::vector<Subcomando> tabla = {
    };
    return tabla;
}
