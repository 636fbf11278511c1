// nodeva-cli convertir: a graph read in one format and written in another,
// each format given by its file's extension.
#include <QDir>
#include <QFileInfo>

#include "cli/CargaCli.h"
#include "files/Intercambio.h"
#include "files/NombreFichero.h"
#include "model/Grafo.h"

namespace {

struct OpcionesConvertir {
    QString entrada;
    QString salida;
    QSize area = AreaTrabajoPorOmision;
    bool ayuda = false;
};

void TextoAyuda(QTextStream& salida)
{
    salida << "Uso: nodeva-cli convertir ENTRADA SALIDA [--ancho N] [--alto N]\n\n"
              "Lee un grafo y lo escribe en otro formato. El formato de cada fichero lo\n"
              "decide su extensión, sin distinguir mayúsculas:\n"
              "  .grf, .txt    fichero de grafo de Nodeva\n"
              "  .graphml      GraphML\n"
              "  .gml          GML\n"
              "  .dot, .gv     Graphviz DOT\n"
              "  .net          Pajek\n"
              "  .g6           graph6: solo grafos no dirigidos y sin pesos; de un fichero\n"
              "                con varios grafos se lee el primero\n"
              "Una ENTRADA con otra extensión se lee como fichero de grafo de Nodeva.\n\n"
              "De los otros formatos se leen los vértices (en el orden del fichero, numerados\n"
              "desde 1), las aristas o arcos, los pesos (el atributo weight, o la tercera\n"
              "columna en Pajek: enteros de -9999 a 9999 distintos de 0) y las posiciones, que\n"
              "se ajustan al área de trabajo; sin ellas los vértices se reparten por el área.\n"
              "Se rechazan los grafos de más de 50 vértices, con bucles, con aristas\n"
              "paralelas o que mezclan aristas dirigidas y no dirigidas.\n\n"
              "  --ancho N   ancho del área de trabajo en twips (por omisión 9000)\n"
              "  --alto N    alto del área de trabajo en twips (por omisión 6000)\n"
              "  --help      muestra esta ayuda\n\n"
              "Ejemplos, uno por formato:\n"
              "  nodeva-cli convertir grafo.grf grafo.graphml   # GraphML, p. ej. para yEd o Gephi\n"
              "  nodeva-cli convertir red.gml red.grf           # GML\n"
              "  nodeva-cli convertir grafo.grf grafo.dot       # DOT, posiciones fijas (pos=\"x,y!\")\n"
              "  nodeva-cli convertir red.net red.grf           # Pajek\n"
              "  nodeva-cli convertir grafos.g6 primero.grf     # graph6, el primero del fichero\n\n"
              "El fichero de salida se escribe entero o no se toca. Estado de salida: 0 si se\n"
              "escribió; 1 si la entrada no se pudo leer, el grafo no cabe en el formato de\n"
              "salida o no se pudo escribir (el motivo va a la salida de errores tras\n"
              "\"ERROR: \"); 2 si los argumentos no son válidos.\n";
}

// Names of the same file, links followed where the file is already there.
bool MismoFichero(const QString& a, const QString& b)
{
    if (Disco::Existe(a) && Disco::Existe(b))
        return Disco::MismoFichero(a, b);
    return QDir::cleanPath(QFileInfo(a).absoluteFilePath()) == QDir::cleanPath(QFileInfo(b).absoluteFilePath());
}

QString Analizar(const QStringList& args, OpcionesConvertir& o)
{
    for (qsizetype k = 0; k < args.size(); ++k) {
        const QString& a = args[k];
        if (a == "--help" || a == "-h") {
            o.ayuda = true;
        } else if (a == "--ancho" || a == "--alto") {
            const std::optional<int> valor = k + 1 < args.size() ? MedidaTwips(args[++k]) : std::nullopt;
            if (!valor)
                return "Valor no válido para " + a + ": debe ser un número entero positivo de twips.";
            (a == "--ancho" ? o.area.rwidth() : o.area.rheight()) = *valor;
        } else if (a.startsWith("--")) {
            return "Opción desconocida: " + a;
        } else if (o.entrada.isEmpty()) {
            o.entrada = a;
        } else if (o.salida.isEmpty()) {
            o.salida = a;
        } else {
            return "Sobra el argumento: " + a;
        }
    }
    if (o.ayuda)
        return {};
    if (o.salida.isEmpty())
        return QStringLiteral("Faltan el fichero de entrada o el de salida.");
    if (const std::optional<Formato> formato = FormatoDeArchivo(o.salida); !formato || !FormatoEscribible(*formato))
        return QStringLiteral("El fichero de salida debe acabar en .grf, .txt, .graphml, .gml, .dot, .gv, .net o .g6.");
    if (MismoFichero(o.entrada, o.salida))
        return QStringLiteral("La salida no puede ser el propio fichero que se lee.");
    return {};
}

} // namespace

int CliConvertir(const QStringList& args, QTextStream& salida, QTextStream& errores)
{
    OpcionesConvertir opciones;
    const QString error = Analizar(args, opciones);
    if (const std::optional<int> fin = AyudaOError(opciones.ayuda, error, TextoAyuda, salida, errores))
        return *fin;
    Grafo grafo;
    if (!CargarGrafoCli(opciones.entrada, opciones.area, grafo, errores))
        return 1;
    const Formato formato = *FormatoDeArchivo(opciones.salida);
    if (const QString rechazo = RechazoExportar(formato, grafo); !rechazo.isEmpty()) {
        errores << "ERROR: " << rechazo << "\n";
        return 1;
    }
    const Escritura escritura = ExportarGrafo(opciones.salida, formato, grafo);
    if (!escritura.hecha) {
        errores << "ERROR: No se pudo escribir " << opciones.salida << ": " << escritura.motivo << ".\n";
        return 1;
    }
    if (!escritura.aviso.isEmpty())
        errores << opciones.salida << ": " << escritura.aviso << "\n";
    salida << NombreTipo(grafo.Tipo()) << ": " << grafo.dimen() << " vértices, " << grafo.numero_aristas()
           << (grafo.Dirigido() ? " arcos" : " aristas") << " en " << QDir::toNativeSeparators(opciones.salida) << " ("
           << NombreFormato(formato) << ")\n";
    return 0;
}
