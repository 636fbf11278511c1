#include "cli/Subcomandos.h"

int CliInfo(const QStringList&, QTextStream&, QTextStream&);

const std::vector<Subcomando>& Subcomandos()
{
    static const std::vector<Subcomando> tabla = {
        {"info", "muestra el tipo, los vértices, las aristas y las posiciones de un grafo", &CliInfo},
    };
    return tabla;
}
