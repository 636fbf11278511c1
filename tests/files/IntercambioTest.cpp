// Other tools' formats: small files of each with the graph they must give or the refusal they must raise,
// positions fitted or laid out inside the work area, and graphs of every type written out and read back.
#include <QLineF>
#include <QRegularExpression>
#include <cmath>

#include "files/Escritor.h"
#include "files/Intercambio.h"
#include "files/LecturaPrueba.h"
#include "support/CarpetaPrueba.h"
#include "support/Posiciones.h"

namespace {

// "Ponderado 3: 1-2:4 2-3:-1", arcs as "1>2"; each edge once.
QString Resumen(const Grafo& g)
{
    QStringList aristas;
    for (int a = 1; a <= g.dimen(); ++a)
        for (int b = g.Dirigido() ? 1 : a; b <= g.dimen(); ++b)
            if (g.elem_matriz(a, b) != 0)
                aristas << QStringLiteral("%1%2%3").arg(a).arg(g.Dirigido() ? '>' : '-').arg(b) +
                               (g.Ponderado() ? ':' + QString::number(g.elem_matriz(a, b)) : QString());
    return QStringLiteral("%1 %2: %3").arg(NombreTipo(g.Tipo())).arg(g.dimen()).arg(aristas.join(' '));
}

struct Caso {
    Formato formato;
    QByteArray texto;
    QString esperado; // the Resumen, or a piece of the refusal
};

const QByteArray CabeceraGraphml = "<?xml version=\"1.0\"?><graphml xmlns=\"http://graphml.graphdrawing.org/xmlns\">"
                                   "<key id=\"w\" for=\"edge\" attr.name=\"weight\" attr.type=\"double\"/>\n";

QByteArray Graphml(const QByteArray& cuerpo, const QByteArray& sentido = "undirected")
{
    return CabeceraGraphml + "<graph edgedefault=\"" + sentido + "\">\n" + cuerpo + "\n</graph></graphml>\n";
}

// A graph6 line of n vertices and no edges.
QByteArray Graph6Vacio(int n)
{
    return QByteArray(1, char(63 + n)) + QByteArray((n * (n - 1) / 2 + 5) / 6, '?');
}

const std::vector<Caso> Casos = {
    // GraphML: vertices in the order of the node elements, direction from the graph, weights from its key.
    {Formato::GraphML,
     Graphml("<node id=\"c\"/><node id=\"a\"/><node id=\"b\"/>\n<edge source=\"a\" target=\"b\"><data "
             "key=\"w\">4</data></edge><edge source=\"c\" target=\"b\"><data key=\"w\">-1.0</data></edge>"),
     "Ponderado 3: 1-3:-1 2-3:4"},
    {Formato::GraphML,
     Graphml("<node id=\"a\"/><node id=\"b\"/><edge source=\"a\" target=\"b\"/>"
             "<edge source=\"b\" target=\"a\"/>",
             "directed"),
     "Digrafo 2: 1>2 2>1"},
    {Formato::GraphML,
     Graphml("<node id=\"a\"/><node id=\"b\"/><edge source=\"a\" target=\"b\"/>\n"
             "<edge source=\"b\" target=\"a\" directed=\"true\"/>"),
     "línea 4"},
    {Formato::GraphML, Graphml("<node id=\"a\"/><edge source=\"a\" target=\"a\"/>"), "bucle"},
    {Formato::GraphML,
     Graphml("<node id=\"a\"/><node id=\"b\"/><edge source=\"a\" target=\"b\"/>"
             "<edge source=\"b\" target=\"a\"/>"),
     "dos aristas entre los vértices 1 («a») y 2 («b»)"},
    {Formato::GraphML,
     Graphml("<node id=\"a\"/><node id=\"b\"/><edge source=\"a\" target=\"b\"><data "
             "key=\"w\">2.5</data></edge>"),
     "«2.5»"},
    {Formato::GraphML,
     Graphml("<node id=\"a\"/><node id=\"b\"/><node id=\"c\"/><edge source=\"a\" target=\"b\">"
             "<data key=\"w\">2</data></edge><edge source=\"b\" target=\"c\"/>"),
     "no lo lleva"},
    {Formato::GraphML, Graphml("<node id=\"a\"/><edge source=\"a\" target=\"z\"/>"), "«z», que el fichero no declara"},
    {Formato::GraphML, "<graphml><graph><node id=\"a\">\n</graph>", "igraph dice: Line 2"},
    // GML: node order, not ids; a weight written as a real that is whole.
    {Formato::GML,
     "graph [ directed 1 node [ id 7 ] node [ id 3 ]\n edge [ source 3 target 7 weight 3.0 ]\n"
     " edge [ source 7 target 3 weight 9999 ] ]",
     "Digrafo_Ponderado 2: 1>2:9999 2>1:3"},
    {Formato::GML, "graph [ node [ id 1 ] node [ id 2 ] edge [ source 1 target 2 weight 0 ] ]", "«0»"},
    // DOT: vertices in order of first mention, in an edge as in a node statement.
    {Formato::DOT, "graph { b -- c; a; c -- a }", "Simple 3: 1-2 2-3"},
    // What follows the first graph is not read, and leaves nothing open for the next file.
    {Formato::DOT, "graph { a } \"sin cerrar", "Simple 1: "},
    {Formato::DOT, "digraph { x -> y [weight=-20]; y -> x [weight=\"5\"] }", "Digrafo_Ponderado 2: 1>2:-20 2>1:5"},
    {Formato::DOT, "digraph { x -> y; x -> y }", "dos arcos del vértice 1 («x») al 2 («y»)"},
    {Formato::DOT, "graph { a -- b [weight=10000] }", "«10000»"},
    {Formato::DOT, "graph {\n a -> b }", "line 2"},
    {Formato::DOT, "", "ningún grafo"},
    // Pajek: its numbers; a third column is the weight; a matrix holds arcs.
    {Formato::Pajek, "*Vertices 3\n1 \"a\"\n*Edges\n1 3 7\n3 2 2\n", "Ponderado 3: 1-3:7 2-3:2"},
    {Formato::Pajek, "*Vertices 2\n*Arcs\n2 1\n", "Digrafo 2: 2>1"},
    {Formato::Pajek, "*Vertices 2\n*Matrix\n0 1\n1 0\n", "Digrafo 2: 1>2 2>1"},
    {Formato::Pajek, "*Vertices 3\n*Edges\n1 2\n*Arcs\n2 3\n", "aristas (línea 2) y arcos (línea 4)"},
    {Formato::Pajek, "*Vertices 2000000000\n", "anuncia 2000000000 vértices (línea 1)"},
    // The program's own graph file, through its reader.
    {Formato::Nodeva, "Ponderado\r\n2\r\n0 5\r\n5 0\r\n\r\n600 , 600\r\n1200 , 600\r\n", "Ponderado 2: 1-2:5"},
    {Formato::Nodeva, "Cuadrado\r\n2\r\n", "tipo de grafo desconocido"},
    // graph6: the first line, with or without its header.
    {Formato::Graph6, "Ch\nC~\n", "Simple 4: 1-2 2-3 3-4"},
    {Formato::Graph6, ">>graph6<<C~", "Simple 4: 1-2 1-3 1-4 2-3 2-4 3-4"},
    {Formato::Graph6, ":Fa@x^\n", "sparse6"},
    {Formato::Graph6, ";C\r\n", "sparse6 incremental"}, // gtools would clear a negative length
    {Formato::Graph6, "Ch~\n", "longitud"},
    {Formato::Graph6, Graph6Vacio(51), "51 vértices"},
    {Formato::Graph6, Graph6Vacio(50), "Simple 50: "},
};

TEST(Intercambio, CadaFicheroDaSuGrafoOSeRechazaSinTocarElRegistro)
{
    for (const Caso& c : Casos) {
        SCOPED_TRACE(NombreFormato(c.formato).toStdString() + ": " + c.texto.left(120).toStdString());
        Grafo grafo, antes;
        antes.InsertarTipo("Digrafo");
        antes.Insertar_Dimension(1, false);
        grafo = antes;
        const QString error = ImportarBytes(c.texto, c.formato, grafo, AreaPrueba);
        static const QRegularExpression resumen("^(Simple|Ponderado|Digrafo|Digrafo_Ponderado) \\d+:");
        if (resumen.match(c.esperado).hasMatch()) {
            ASSERT_EQ(error, "");
            EXPECT_EQ(Resumen(grafo), c.esperado);
            EXPECT_EQ(grafo.numero_aristas(), c.esperado.section(':', 1).split(' ', Qt::SkipEmptyParts).size());
        } else {
            EXPECT_TRUE(error.contains(c.esperado)) << error.toStdString();
            EXPECT_TRUE(grafo == antes) << "a refused file changes nothing";
        }
    }
}

TEST(Intercambio, FormatoPorExtensionYFiltros)
{
    for (const auto& [nombre, formato] :
         std::vector<std::pair<QString, std::optional<Formato>>>{{"a.GraphML", Formato::GraphML},
                                                                 {"/x.y/b.gv", Formato::DOT},
                                                                 {"h.grf.bak", std::nullopt},
                                                                 {"sin", std::nullopt}})
        EXPECT_EQ(FormatoDeArchivo(nombre), formato) << nombre.toStdString();
    // Every extension the formats answer to is in the filters, the program's own only in "Todos los grafos".
    const QStringList importar = FiltroImportar().split('|'), exportar = FiltroExportar().split('|');
    EXPECT_TRUE(importar[0].startsWith("Todos los grafos (*.grf *.txt *.graphml"));
    for (const QString e : {"graphml", "gml", "dot", "gv", "net", "g6"})
        for (const QStringList& filtro : {importar, exportar})
            EXPECT_EQ(filtro.filter(QRegularExpression("\\*\\." + e + "\\b")).size(), filtro == importar ? 4 : 2)
                << e.toStdString();
    EXPECT_EQ(exportar.filter("grf").size(), 0);
    EXPECT_EQ(ExtensionDe(Formato::DOT), ".dot");
}

// True when b is a uniform scaling and shift of a (to within a twip or two of rounding).
bool MismaDisposicion(const std::vector<Posicion>& a, const std::vector<Posicion>& b)
{
    const QLineF base(a[0].X, a[0].Y, a[1].X, a[1].Y), imagen(b[0].X, b[0].Y, b[1].X, b[1].Y);
    const double escala = imagen.length() / base.length();
    for (std::size_t i = 0; i < a.size(); ++i) {
        const QPointF esperada = imagen.p1() + (QPointF(a[i].X, a[i].Y) - base.p1()) * escala;
        if (QLineF(esperada, QPointF(b[i].X, b[i].Y)).length() > 3)
            return false;
    }
    return true;
}

bool DentroDelArea(const Grafo& g, QSize area)
{
    for (int v = 1; v <= g.dimen(); ++v)
        if (g.Posic_CoordX(v) < 110 || g.Posic_CoordX(v) > area.width() - 110 || g.Posic_CoordY(v) < 110 ||
            g.Posic_CoordY(v) > area.height() - 110)
            return false;
    return true;
}

double MenorDistancia(const Grafo& g)
{
    double menor = 1e9;
    for (int a = 1; a <= g.dimen(); ++a)
        for (int b = a + 1; b <= g.dimen(); ++b)
            menor = std::min(menor,
                             std::hypot(g.Posic_CoordX(a) - g.Posic_CoordX(b), g.Posic_CoordY(a) - g.Posic_CoordY(b)));
    return menor;
}

TEST(Intercambio, LasPosicionesDelFicheroSeAjustanAlAreaConLaYHaciaAbajo)
{
    // a, b on a line and c above them: DOT and Pajek count y upwards, GML downwards.
    const std::vector<std::pair<Formato, QByteArray>> ficheros = {
        {Formato::DOT, "graph { a [pos=\"0,0\"]; b [pos=\"400,0!\"]; c [pos=\"100,300\"] }"},
        {Formato::Pajek, "*Vertices 3\n1 \"a\" 0 0\n2 \"b\" 0.4 0\n3 \"c\" 0.1 0.3\n"},
        {Formato::GML, "graph [ node [ id 1 x 0 y 300 ] node [ id 2 x 400 y 300 ] node [ id 3 x 100 y 0 ] ]"},
    };
    for (const QSize area : {AreaPrueba, QSize(3000, 9000)})
        for (const auto& [formato, texto] : ficheros) {
            SCOPED_TRACE(NombreFormato(formato).toStdString() + " en " + std::to_string(area.width()));
            Grafo g;
            ASSERT_EQ(ImportarBytes(texto, formato, g, area), "");
            EXPECT_TRUE(MismaDisposicion({{0, 0}, {400, 0}, {100, -300}}, PosicionesDe(g)));
            EXPECT_TRUE(DentroDelArea(g, area));
            // As large as the area less its margins allows, one factor for both axes.
            const double factor = std::min((area.width() - 1080) / 400.0, (area.height() - 1080) / 300.0);
            EXPECT_NEAR(g.Posic_CoordX(2) - g.Posic_CoordX(1), 400 * factor, 2);
        }
}

TEST(Intercambio, SinPosicionesLosVerticesSeRepartenSinTocarseYSiempreIgual)
{
    // 50 vertices with no edge, the complete graph on 50, and a vertex short of a position.
    QByteArray completo = "*Vertices 50\n*Edges\n";
    for (int a = 1; a <= 50; ++a)
        for (int b = a + 1; b <= 50; ++b)
            completo += QByteArray::number(a) + ' ' + QByteArray::number(b) + '\n';
    for (const auto& [formato, texto] :
         std::vector<std::pair<Formato, QByteArray>>{{Formato::Graph6, Graph6Vacio(50)},
                                                     {Formato::Pajek, completo},
                                                     {Formato::DOT, "graph { a [pos=\"1,1\"]; a -- b -- c -- a }"}})
        for (const QSize area : {AreaPrueba, QSize(4000, 3000)}) {
            SCOPED_TRACE(NombreFormato(formato).toStdString());
            Grafo una, otra;
            ASSERT_EQ(ImportarBytes(texto, formato, una, area), "");
            ASSERT_EQ(ImportarBytes(texto, formato, otra, area), "");
            EXPECT_TRUE(una == otra) << "the same file, the same drawing";
            EXPECT_TRUE(DentroDelArea(una, area));
            EXPECT_GE(MenorDistancia(una), 220) << "no two circles overlap";
        }
}

// A graph of each type from a graph file: weights at their bounds, an isolated vertex, positions.
const QByteArray Posiciones5 =
    "\r\n 600 ,  700 \r\n 8000 ,  900 \r\n 4000 ,  5400 \r\n 1500 ,  3000 \r\n 7000 ,  4000 \r\n";
const std::vector<QByteArray> Grafos = {
    "Simple\r\n5\r\n0 1 1 0 0\r\n1 0 1 0 0\r\n1 1 0 0 0\r\n0 0 0 0 1\r\n0 0 0 1 0\r\n" + Posiciones5,
    "Ponderado\r\n5\r\n0 -9999 3 0 0\r\n-9999 0 0 0 0\r\n3 0 0 0 9999\r\n0 0 0 0 0\r\n0 0 9999 0 0\r\n" + Posiciones5,
    "Digrafo\r\n5\r\n0 1 0 0 0\r\n1 0 1 0 0\r\n0 0 0 1 0\r\n0 0 0 0 0\r\n1 0 0 0 0\r\n" + Posiciones5,
    "Digrafo_Ponderado\r\n5\r\n0 7 0 0 0\r\n-7 0 1 0 0\r\n0 0 0 0 -1\r\n0 0 0 0 0\r\n2 0 0 0 0\r\n" + Posiciones5,
};

TEST(Intercambio, CadaTipoSaleYVuelveIgualConSusNombres)
{
    for (const QByteArray& grf : Grafos) {
        LecturaPrueba original;
        ASSERT_EQ(original.Leer(grf), 0) << original.Ultimo();
        const Grafo& g = original.grafo;
        for (const Formato formato : {Formato::GraphML, Formato::GML, Formato::DOT, Formato::Pajek, Formato::Graph6}) {
            SCOPED_TRACE(NombreTipo(g.Tipo()).toStdString() + " en " + NombreFormato(formato).toStdString());
            if (formato == Formato::Graph6 && g.Tipo() != TipoGrafo::Simple) {
                EXPECT_TRUE(
                    RechazoExportar(formato, g).startsWith("graph6 solo guarda grafos no dirigidos y sin pesos"));
                EXPECT_FALSE(ExportarGrafo(original.Ruta("x.g6"), formato, g).hecha);
                continue;
            }
            ASSERT_EQ(RechazoExportar(formato, g), "");
            const QString ruta = original.Ruta("g" + ExtensionDe(formato));
            ASSERT_TRUE(ExportarGrafo(ruta, formato, g).hecha);
            const QByteArray texto = original.Contenido("g" + ExtensionDe(formato));
            EXPECT_EQ(texto, TextoExportado(formato, g));
            Grafo vuelta;
            ASSERT_EQ(ImportarGrafo(ruta, vuelta, AreaPrueba), "") << texto.toStdString();
            EXPECT_EQ(Resumen(vuelta), Resumen(g));
            EXPECT_EQ(vuelta.numero_aristas(), g.numero_aristas());
            if (formato != Formato::Graph6) {
                EXPECT_TRUE(MismaDisposicion(PosicionesDe(g), PosicionesDe(vuelta)));
            }
            // Other tools read the file through the same libraries as the import above; what they see besides is
            // the names we give the vertices (Pajek's are igraph's own), which must be the program's numbers, and
            // the first vertex's position.
            const std::map<Formato, QByteArray> primero = {
                {Formato::GraphML,
                 "<node id=\"1\">\n      <data key=\"x\">600</data>\n      <data key=\"y\">700</data>"},
                {Formato::GML,
                 "id 1\n    label \"1\"\n    x 600\n    y 700\n    graphics\n    [\n      x 600\n      y 700\n"},
                {Formato::DOT, "\t\t1\t[pos=\"30,270!\"];\n\t\t2\t"}};
            if (primero.count(formato)) {
                EXPECT_TRUE(texto.contains(primero.at(formato))) << texto.toStdString();
            }
        }
    }
}

TEST(Intercambio, UnBucleNoSeExporta)
{
    LecturaPrueba bucle;
    ASSERT_EQ(bucle.Leer("Simple\r\n2\r\n1 1\r\n1 0\r\n\r\n 600 ,  600 \r\n 1200 ,  600 \r\n"), 0);
    for (const Formato formato : {Formato::GraphML, Formato::DOT, Formato::Graph6})
        EXPECT_TRUE(RechazoExportar(formato, bucle.grafo).startsWith("El vértice 1 tiene un bucle"));
    const Escritura e = ExportarGrafo(bucle.Ruta("b.dot"), Formato::DOT, bucle.grafo);
    EXPECT_TRUE(!e.hecha && e.motivo.startsWith("el vértice 1") && !e.motivo.endsWith('.'));
    EXPECT_EQ(RechazoExportar(Formato::Nodeva, bucle.grafo), "");
}

} // namespace
