// nodeva-cli info: what a graph file holds, read exactly as the program reads it.
#include <QSize>
#include <QStringList>
#include <optional>

#include "cli/CargaCli.h"
#include "model/Grafo.h"

namespace {

struct OpcionesInfo {
    QString archivo;
    QSize area = AreaTrabajoPorOmision;
    bool ayuda = false;
};

void TextoAyuda(QTextStream& salida)
{
    salida << "Uso: nodeva-cli info ARCHIVO [--ancho N] [--alto N]\n\n"
              "Lee un fichero de grafo (.grf o .txt) con las mismas reglas que el programa, o\n"
              "un grafo de otro formato por su extensión (.graphml, .gml, .dot, .gv, .net o\n"
              ".g6; véase 'nodeva-cli convertir --help'), y muestra su tipo, el número de\n"
              "vértices y de aristas y la posición de cada vértice. Las posiciones demasiado\n"
              "cerca del borde del área de trabajo se reescalan igual que al abrir el fichero.\n\n"
              "  --ancho N   ancho del área de trabajo en twips (por omisión 9000)\n"
              "  --alto N    alto del área de trabajo en twips (por omisión 6000)\n"
              "  --help      muestra esta ayuda\n\n"
              "Si el fichero no es válido escribe en la salida de errores el mensaje que\n"
              "mostraría el programa, precedido de su título, y termina con estado 1.\n";
}

// Fills `opciones` from the arguments; an error text when they make no sense.
QString Analizar(const QStringList& args, OpcionesInfo& opciones)
{
    for (qsizetype k = 0; k < args.size(); ++k) {
        const QString& a = args[k];
        if (a == "--help" || a == "-h") {
            opciones.ayuda = true;
        } else if (a == "--ancho" || a == "--alto") {
            const std::optional<int> valor = k + 1 < args.size() ? MedidaTwips(args[++k]) : std::nullopt;
            if (!valor)
                return "Valor no válido para " + a + ": debe ser un número entero positivo de twips.";
            (a == "--ancho" ? opciones.area.rwidth() : opciones.area.rheight()) = *valor;
        } else if (a.startsWith("--")) {
            return "Opción desconocida: " + a;
        } else if (opciones.archivo.isEmpty()) {
            opciones.archivo = a;
        } else {
            return "Sobra el argumento: " + a;
        }
    }
    return opciones.archivo.isEmpty() && !opciones.ayuda ? QStringLiteral("Falta el fichero de grafo.") : QString();
}

void Describir(const Grafo& grafo, QTextStream& salida)
{
    salida << "Tipo: " << NombreTipo(grafo.Tipo()) << '\n'
           << "Vértices: " << grafo.dimen() << '\n'
           << "Aristas: " << grafo.numero_aristas() << '\n';
    if (grafo.dimen() > 0)
        salida << "Posiciones:\n";
    for (int v = 1; v <= grafo.dimen(); ++v)
        salida << "  " << v << ": (" << grafo.Posic_CoordX(v) << ", " << grafo.Posic_CoordY(v) << ")\n";
}

} // namespace

int CliInfo(const QStringList& args, QTextStream& salida, QTextStream& errores)
{
    OpcionesInfo opciones;
    const QString error = Analizar(args, opciones);
    if (const std::optional<int> fin = AyudaOError(opciones.ayuda, error, TextoAyuda, salida, errores))
        return *fin;
    Grafo grafo;
    if (!CargarGrafoCli(opciones.archivo, opciones.area, grafo, errores))
        return 1;
    Describir(grafo, salida);
    return 0;
}
