#include "cli/Subcomandos.h"

int CliInfo(const QStringList&, QTextStream&, QTextStream&);
int CliDibujar(const QStringList&, QTextStream&, QTextStream&);
int CliGenerar(const QStringList&, QTextStream&, QTextStream&);
int CliEjecutar(const QStringList&, QTextStream&, QTextStream&);
int CliConvertir(const QStringList&, QTextStream&, QTextStream&);

const std::vector<Subcomando>& Subcomandos()
{
    static const std::vector<Subcomando> tabla = {
        {"info", "muestra el tipo, los vértices, las aristas y las posiciones de un grafo", &CliInfo},
        {"dibujar", "dibuja un grafo como el área de trabajo, en PNG o SVG", &CliDibujar},
        {"generar", "genera un grafo del menú Grafos y lo guarda como fichero de grafo", &CliGenerar},
        {"ejecutar", "ejecuta un algoritmo sobre un grafo, sin pausas, y escribe su traza", &CliEjecutar},
        {"convertir", "convierte un grafo entre formatos: grf, GraphML, GML, DOT, Pajek y graph6", &CliConvertir},
    };
    return tabla;
}
