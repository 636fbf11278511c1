// nodeva-cli generar: a graph of the graph menu written as a graph file, with
// the numbers its dialogs would ask given on the command line.
#include <QDir>

#include "cli/CargaCli.h"
#include "cli/InteraccionCli.h"
#include "cli/NumerosGenerar.h"
#include "files/Escritor.h"
#include "model/Grafo.h"

namespace {

struct OpcionesGenerar {
    QString mandato;
    QStringList numeros;
    QString salida;
    QString tipo = QStringLiteral("Simple");
    bool pesosAleatorios = false;
    std::optional<quint64> semilla;
    QSize area = AreaTrabajoPorOmision;
    bool ayuda = false;
};

QString Cotas(const Generador& g)
{
    QStringList cotas;
    for (const PreguntaGenerador& p : g.preguntas)
        cotas << p.nombre + " de 1 a " + p.cota;
    return cotas.join("; ");
}

void TextoAyuda(QTextStream& salida)
{
    salida << "Uso: nodeva-cli generar MANDATO [números...] [opciones] SALIDA.grf\n\n"
              "Genera un grafo del menú Grafos como lo hace el programa y lo guarda como\n"
              "fichero de grafo. Los números son los que piden sus diálogos, en su orden.\n\n"
              "  --tipo T              Simple, Ponderado, Digrafo o Digrafo_Ponderado\n"
              "                        (por omisión Simple)\n"
              "  --pesos-aleatorios    pesos al azar de 1 a 1000 (solo tipos ponderados)\n"
              "  --semilla N           fija los pesos al azar, para repetir el resultado\n"
              "  --ancho N, --alto N   área de trabajo en twips (por omisión 9000 x 6000)\n"
              "  --help                muestra esta ayuda\n\n"
              "Mandatos:\n";
    for (const Generador& g : Generadores()) {
        const QString uso = (g.control + ' ' + ArgumentosGenerador(g)).trimmed();
        salida << "  " << (g.preguntas.empty() ? uso : uso.leftJustified(34) + ' ' + Cotas(g)) << '\n';
    }
    salida << "\nLos grafos de Tutte, del dodecaedro y del icosaedro se leen de sus ficheros\n"
              "de forma (tutte.dat, Dodec_P.dat, ...), en la carpeta de trabajo o en la de\n"
              "datos del programa (share/nodeva en una instalación).\n";
}

// Reads one option's value; false when it is missing or not valid.
bool LeerOpcion(const QString& opcion, const QString& valor, OpcionesGenerar& o)
{
    if (opcion == "--tipo") {
        o.tipo = valor;
        return CodigoTipo(valor) >= 0;
    }
    if (opcion == "--semilla") {
        bool ok = false;
        o.semilla = valor.toULongLong(&ok);
        return ok;
    }
    const std::optional<int> medida = MedidaTwips(valor);
    (opcion == "--ancho" ? o.area.rwidth() : o.area.rheight()) = medida.value_or(0);
    return medida.has_value();
}

bool TomaValor(const QString& a)
{
    return a == "--tipo" || a == "--semilla" || a == "--ancho" || a == "--alto";
}

QString Analizar(const QStringList& args, OpcionesGenerar& o)
{
    QStringList posicionales;
    for (qsizetype k = 0; k < args.size(); ++k) {
        const QString& a = args[k];
        if (a == "--help" || a == "-h")
            o.ayuda = true;
        else if (a == "--pesos-aleatorios")
            o.pesosAleatorios = true;
        else if (TomaValor(a)) {
            if (k + 1 >= args.size() || !LeerOpcion(a, args[++k], o))
                return "Valor no válido para " + a + ".";
        } else if (a.startsWith("--"))
            return "Opción desconocida: " + a;
        else
            posicionales << a;
    }
    if (o.ayuda)
        return {};
    if (posicionales.size() < 2)
        return QStringLiteral("Faltan el mandato o el fichero de salida.");
    o.mandato = posicionales.takeFirst();
    o.salida = posicionales.takeLast();
    o.numeros = posicionales;
    // "generar Ciclo 5 6" would write the cycle into a file named 6: a
    // number where the file's name goes is one argument too many.
    bool numero = false;
    o.salida.toLongLong(&numero);
    if (numero)
        return QStringLiteral("Sobra el argumento %1, o falta el fichero de salida.").arg(o.salida);
    if (o.pesosAleatorios && !EsPonderado(CodigoTipo(o.tipo)))
        return QStringLiteral("--pesos-aleatorios solo se aplica a los tipos Ponderado y Digrafo_Ponderado.");
    return {};
}

int Generar(const Generador& g, const Numeros& numeros, const OpcionesGenerar& o, QTextStream& salida,
            QTextStream& errores)
{
    InteraccionCli interaccion(errores);
    if (o.semilla)
        interaccion.Azar().Sembrar(*o.semilla);
    EntornoGrafo entorno;
    entorno.interaccion = &interaccion;
    const bool pesos = o.pesosAleatorios;
    entorno.pesosAleatorios = [pesos] { return pesos; };
    Grafo grafo(std::move(entorno));
    grafo.InsertarTipo(o.tipo);
    const DimensionesArea area{double(o.area.width()), double(o.area.height())};
    if (g.construir(grafo, area, numeros) != 0)
        return 1;
    if (!Escrito(EscribirGrafo(o.salida, grafo), o.salida, errores))
        return 1;
    salida << g.control << ": " << grafo.dimen() << " vértices, " << grafo.numero_aristas()
           << (grafo.Dirigido() ? " arcos" : " aristas") << " en " << QDir::toNativeSeparators(o.salida) << "\n";
    return 0;
}

} // namespace

int CliGenerar(const QStringList& args, QTextStream& salida, QTextStream& errores)
{
    OpcionesGenerar opciones;
    const QString error = Analizar(args, opciones);
    const Generador* generador = error.isEmpty() ? BuscarGenerador(opciones.mandato) : nullptr;
    const QString fallo = error.isEmpty() && !generador ? "Mandato desconocido: " + opciones.mandato : error;
    if (const std::optional<int> fin = AyudaOError(opciones.ayuda, fallo, TextoAyuda, salida, errores))
        return *fin;
    Numeros numeros;
    // A number past its bound is a wrong argument like any other (status 2);
    // the message names the bound, so the whole usage is left out.
    if (const QString fuera = LeerNumeros(*generador, opciones.numeros, numeros); !fuera.isEmpty()) {
        errores << fuera << "\n";
        return 2;
    }
    return Generar(*generador, numeros, opciones, salida, errores);
}
