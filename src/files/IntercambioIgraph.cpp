// GraphML, GML and Pajek, read by igraph, and Pajek written by it. What igraph does not
// see (a GraphML edge that overrides the graph's direction, a Pajek file
// with both edges and arcs, a vertex count that would make it build millions
// of vertices) is looked at before the file is handed over.
#include <QHash>
#include <QSet>
#include <QXmlStreamReader>
#include <cmath>
#include <cstdio>
#include <igraph/igraph.h>

#include "files/Intercambio.h"
#include "files/IntercambioLeido.h"
#include "model/Grafo.h"

namespace {

// igraph's default error handler aborts the program: ours keeps the first
// reason and frees what the failing call had allocated, and the call returns
// its error code.
QByteArray razon;

void AlError(const char* motivo, const char*, int, igraph_error_t)
{
    if (razon.isEmpty() && motivo && *motivo)
        razon = motivo;
    IGRAPH_FINALLY_FREE();
}

// Warnings are about what the file holds and we do not use (a composite
// GML attribute, an unknown GraphML key): nothing to tell anyone.
void AlAviso(const char*, const char*, int) {}

} // namespace

// Once, under the lock: the attribute handler, without which igraph reads no
// weight or position, and the handlers that keep it from aborting or printing.
void PrepararIgraph()
{
    static const bool hecho = [] {
        igraph_set_attribute_table(&igraph_cattribute_table);
        igraph_set_error_handler(&AlError);
        igraph_set_warning_handler(&AlAviso);
        return true;
    }();
    (void)hecho;
    razon.clear();
}

namespace {

// A graph that destroys itself.
struct GrafoIgraph {
    igraph_t g;
    bool vivo = false;
    ~GrafoIgraph()
    {
        if (vivo)
            igraph_destroy(&g);
    }
};

QString Fallo(Formato formato, igraph_error_t codigo)
{
    const QString dice =
        razon.isEmpty() ? QString::fromUtf8(igraph_strerror(codigo)) : QString::fromUtf8(razon).trimmed();
    return QStringLiteral("El fichero no es un %1 que se pueda leer; igraph dice: %2")
        .arg(NombreFormato(formato), dice.left(300));
}

// --- what igraph does not see ---------------------------------------------------------------

// GraphML: what the first graph declares. An edge may say it is directed or
// not against the graph's default, which igraph ignores; a node an edge names
// without declaring it igraph adds at the end.
struct VistaGraphml {
    bool completa = false; // Qt's reader got through it (it knows fewer encodings than libxml2)
    QSet<QString> nodos;
    qint64 lineaDirigida = 0; // the first edge that says directed="true", "false"
    qint64 lineaNoDirigida = 0;
};

VistaGraphml MirarGraphml(const QByteArray& bytes)
{
    VistaGraphml vista;
    QXmlStreamReader xml(bytes);
    int profundidad = 0; // inside the first graph element, counting it
    while (!xml.atEnd() && !xml.hasError()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement && profundidad > 0 && --profundidad == 0)
            break;
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (profundidad == 0) {
            profundidad = xml.name() == QLatin1String("graph") ? 1 : 0;
            continue;
        }
        ++profundidad;
        const QXmlStreamAttributes atributos = xml.attributes();
        if (xml.name() == QLatin1String("node"))
            vista.nodos.insert(atributos.value(QLatin1String("id")).toString());
        if (xml.name() != QLatin1String("edge") || !atributos.hasAttribute(QLatin1String("directed")))
            continue;
        qint64& linea = atributos.value(QLatin1String("directed")) == QLatin1String("true") ? vista.lineaDirigida
                                                                                            : vista.lineaNoDirigida;
        linea = linea ? linea : xml.lineNumber();
    }
    vista.completa = !xml.hasError();
    return vista;
}

// What igraph read against what the scan saw; an error text.
QString Contrastar(const VistaGraphml& vista, const GrafoLeido& leido)
{
    if (const qint64 linea = leido.dirigido ? vista.lineaNoDirigida : vista.lineaDirigida; linea != 0)
        return QStringLiteral("La arista de la línea %1 es %2 y el grafo, %3: Nodeva no admite grafos que mezclen "
                              "aristas dirigidas y no dirigidas.")
            .arg(linea)
            .arg(leido.dirigido ? QStringLiteral("no dirigida") : QStringLiteral("dirigida"),
                 leido.dirigido ? QStringLiteral("dirigido") : QStringLiteral("no dirigido"));
    if (!vista.completa || leido.n > VerticesMaximos)
        return {};
    for (const QString& nombre : leido.nombres)
        if (!vista.nodos.contains(nombre))
            return QStringLiteral("Una arista nombra el nodo «%1», que el fichero no declara.").arg(nombre.left(40));
    return {};
}

// Pajek: the section lines. *Vertices gives the count igraph would build;
// *Edges and *Arcs (or *Matrix, which holds arcs) in one file mix directed
// and undirected edges, which igraph would turn all into one kind.
QString MirarPajek(const QByteArray& bytes, bool& matriz)
{
    bool aristas = false, arcos = false;
    int lineaAristas = 0, lineaArcos = 0;
    int numero = 0;
    for (const QByteArray& linea : bytes.split('\n')) {
        ++numero;
        const QByteArray limpia = linea.trimmed();
        if (!limpia.startsWith('*'))
            continue;
        const QList<QByteArray> partes = limpia.simplified().split(' ');
        const QByteArray seccion = partes.first().toLower();
        if (seccion == "*vertices" && partes.size() > 1) {
            bool ok = false;
            const qlonglong n = partes[1].toLongLong(&ok);
            if (ok && n > VerticesMaximos)
                return QStringLiteral("El fichero anuncia %1 vértices (línea %2), y Nodeva admite como mucho %3.")
                    .arg(n)
                    .arg(numero)
                    .arg(Grafo::Limite);
        } else if (seccion.startsWith("*edges")) {
            aristas = true;
            lineaAristas = lineaAristas ? lineaAristas : numero;
        } else if (seccion.startsWith("*arcs") || seccion == "*matrix") {
            arcos = true;
            lineaArcos = lineaArcos ? lineaArcos : numero;
            matriz |= seccion == "*matrix";
        }
    }
    if (aristas && arcos)
        return QStringLiteral("El fichero tiene aristas (línea %1) y arcos (línea %2): Nodeva no admite grafos que "
                              "mezclen aristas dirigidas y no dirigidas.")
            .arg(lineaAristas)
            .arg(lineaArcos);
    return {};
}

// --- reading --------------------------------------------------------------------------------

// The types of the vertices' and the edges' attributes, by name.
struct Atributos {
    QHash<QByteArray, igraph_attribute_type_t> vertice, arista;

    explicit Atributos(const igraph_t& g)
    {
        igraph_strvector_t nombres[3];
        igraph_vector_int_t tipos[3];
        for (int i = 0; i < 3; ++i) {
            igraph_strvector_init(&nombres[i], 0);
            igraph_vector_int_init(&tipos[i], 0);
        }
        if (igraph_cattribute_list(&g, &nombres[0], &tipos[0], &nombres[1], &tipos[1], &nombres[2], &tipos[2]) ==
            IGRAPH_SUCCESS)
            for (int i = 1; i < 3; ++i)
                for (igraph_integer_t k = 0; k < igraph_strvector_size(&nombres[i]); ++k)
                    (i == 1 ? vertice : arista)
                        .insert(igraph_strvector_get(&nombres[i], k), igraph_attribute_type_t(VECTOR(tipos[i])[k]));
        for (int i = 0; i < 3; ++i) {
            igraph_strvector_destroy(&nombres[i]);
            igraph_vector_int_destroy(&tipos[i]);
        }
    }

    // A vertex's or an edge's attribute as text, "" when it is missing or
    // not a value.
    QString Texto(const igraph_t& g, bool deVertice, const char* nombre, igraph_integer_t i) const
    {
        const auto tipo = (deVertice ? vertice : arista).constFind(nombre);
        if (tipo == (deVertice ? vertice : arista).constEnd())
            return {};
        if (*tipo == IGRAPH_ATTRIBUTE_NUMERIC) {
            const double v = deVertice ? VAN(&g, nombre, i) : EAN(&g, nombre, i);
            return std::isnan(v) ? QString() : QString::number(v, 'g', 17);
        }
        if (*tipo == IGRAPH_ATTRIBUTE_STRING)
            return QString::fromUtf8(deVertice ? VAS(&g, nombre, i) : EAS(&g, nombre, i));
        if (*tipo == IGRAPH_ATTRIBUTE_BOOLEAN)
            return (deVertice ? VAB(&g, nombre, i) : EAB(&g, nombre, i)) ? QStringLiteral("true")
                                                                         : QStringLiteral("false");
        return {};
    }
};

std::optional<std::vector<QPointF>> Posiciones(const igraph_t& g, const Atributos& atributos, bool yArriba)
{
    if (!atributos.vertice.contains("x") || !atributos.vertice.contains("y"))
        return std::nullopt;
    std::vector<QPointF> posiciones;
    for (igraph_integer_t v = 0; v < igraph_vcount(&g); ++v) {
        bool okx = false, oky = false;
        const double x = atributos.Texto(g, true, "x", v).toDouble(&okx);
        const double y = atributos.Texto(g, true, "y", v).toDouble(&oky);
        if (!okx || !oky || !std::isfinite(x) || !std::isfinite(y))
            return std::nullopt;
        posiciones.emplace_back(x, yArriba ? -y : y);
    }
    return posiciones;
}

GrafoLeido Extraer(const igraph_t& g, Formato formato, bool pesosDeMatriz)
{
    GrafoLeido leido;
    const Atributos atributos(g);
    leido.n = int(igraph_vcount(&g));
    leido.dirigido = igraph_is_directed(&g);
    if (leido.n > VerticesMaximos)
        return leido; // the rules refuse it by its size alone
    for (igraph_integer_t v = 0; v < leido.n; ++v)
        leido.nombres.push_back(formato == Formato::Pajek ? QString() : atributos.Texto(g, true, "id", v));
    const bool pesos = atributos.arista.contains("weight");
    // igraph gives every entry of a Pajek matrix as a weight: a matrix of
    // ones is an unweighted digraph.
    bool soloUnos = pesosDeMatriz;
    for (igraph_integer_t e = 0; soloUnos && e < igraph_ecount(&g); ++e)
        soloUnos = atributos.Texto(g, false, "weight", e) == QLatin1String("1");
    for (igraph_integer_t e = 0; e < igraph_ecount(&g); ++e) {
        igraph_integer_t a = 0, b = 0;
        igraph_edge(&g, e, &a, &b);
        AristaLeida arista{int(a) + 1, int(b) + 1, std::nullopt};
        if (pesos && !soloUnos)
            if (const QString peso = atributos.Texto(g, false, "weight", e); !peso.isEmpty())
                arista.peso = peso;
        leido.aristas.push_back(arista);
    }
    leido.posiciones = Posiciones(g, atributos, formato == Formato::Pajek);
    return leido;
}

// --- writing --------------------------------------------------------------------------------

// Pajek's positions, normalised to 0..1 with y upwards, one factor for both
// axes so that the drawing keeps its proportions; its labels, the numbers.
void PonerAtributos(igraph_t& g, const Grafo& grafo, const std::vector<AristaGrafo>& aristas)
{
    const int n = grafo.dimen();
    double menorX = 0, mayorX = 0, menorY = 0, mayorY = 0;
    for (int v = 1; v <= n; ++v) {
        menorX = v == 1 ? grafo.Posic_CoordX(v) : std::min<double>(menorX, grafo.Posic_CoordX(v));
        mayorX = v == 1 ? grafo.Posic_CoordX(v) : std::max<double>(mayorX, grafo.Posic_CoordX(v));
        menorY = v == 1 ? grafo.Posic_CoordY(v) : std::min<double>(menorY, grafo.Posic_CoordY(v));
        mayorY = v == 1 ? grafo.Posic_CoordY(v) : std::max<double>(mayorY, grafo.Posic_CoordY(v));
    }
    const double lado = std::max(mayorX - menorX, mayorY - menorY);
    for (int v = 1; v <= n; ++v) {
        SETVAN(&g, "x", v - 1, lado > 0 ? (grafo.Posic_CoordX(v) - menorX) / lado : 0.5);
        SETVAN(&g, "y", v - 1, lado > 0 ? (mayorY - grafo.Posic_CoordY(v)) / lado : 0.5);
        SETVAS(&g, "name", v - 1, QByteArray::number(v).constData());
    }
    if (grafo.Ponderado())
        for (std::size_t e = 0; e < aristas.size(); ++e)
            SETEAN(&g, "weight", igraph_integer_t(e), aristas[e].peso);
}

} // namespace

GrafoLeido LeerIgraph(const QByteArray& bytes, Formato formato)
{
    GrafoLeido leido;
    if (bytes.isEmpty()) {
        leido.error = QStringLiteral("El fichero está vacío.");
        return leido;
    }
    VistaGraphml vista;
    bool matriz = false;
    if (formato == Formato::GraphML)
        vista = MirarGraphml(bytes);
    else if (formato == Formato::Pajek)
        leido.error = MirarPajek(bytes, matriz);
    if (!leido.error.isEmpty())
        return leido;

    const std::lock_guard<std::mutex> cerrojo(CerrojoBibliotecas());
    PrepararIgraph();
    std::FILE* f = fmemopen(const_cast<char*>(bytes.constData()), size_t(bytes.size()), "r");
    if (!f) {
        leido.error = QStringLiteral("No hay memoria para leer el fichero.");
        return leido;
    }
    GrafoIgraph g;
    const igraph_error_t codigo = formato == Formato::GraphML ? igraph_read_graph_graphml(&g.g, f, 0)
                                  : formato == Formato::GML   ? igraph_read_graph_gml(&g.g, f)
                                                              : igraph_read_graph_pajek(&g.g, f);
    std::fclose(f);
    if (codigo != IGRAPH_SUCCESS) {
        leido.error = Fallo(formato, codigo);
        return leido;
    }
    g.vivo = true;
    leido = Extraer(g.g, formato, matriz);
    if (formato == Formato::GraphML)
        leido.error = Contrastar(vista, leido);
    return leido;
}

QByteArray EscribirPajek(const Grafo& grafo)
{
    const std::vector<AristaGrafo> aristas = AristasDe(grafo);
    igraph_vector_int_t extremos;
    const std::lock_guard<std::mutex> cerrojo(CerrojoBibliotecas());
    PrepararIgraph();
    if (igraph_vector_int_init(&extremos, igraph_integer_t(2 * aristas.size())) != IGRAPH_SUCCESS)
        return {};
    for (std::size_t e = 0; e < aristas.size(); ++e) {
        VECTOR(extremos)[2 * e] = aristas[e].a - 1;
        VECTOR(extremos)[2 * e + 1] = aristas[e].b - 1;
    }
    GrafoIgraph g;
    g.vivo = igraph_create(&g.g, &extremos, grafo.dimen(), grafo.Dirigido() ? IGRAPH_DIRECTED : IGRAPH_UNDIRECTED) ==
             IGRAPH_SUCCESS;
    igraph_vector_int_destroy(&extremos);
    if (!g.vivo)
        return {};
    PonerAtributos(g.g, grafo, aristas);
    Memoria memoria;
    if (!memoria.Fichero() || igraph_write_graph_pajek(&g.g, memoria.Fichero()) != IGRAPH_SUCCESS)
        return {};
    return memoria.Bytes();
}
