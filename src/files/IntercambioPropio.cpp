// GraphML and GML as we write them. igraph reads both, but its writers name
// GraphML's nodes n0, n1, … and type every number as a double, and put GML's
// positions as plain keys where the drawing tools (yEd, Gephi, Cytoscape,
// NetworkX's users) look for them in a `graphics` list. Here vertex k is
// called k in both, weights and positions are integers, and GML carries the
// position twice: in `graphics` for those tools and as plain `x` and `y` for
// igraph, which skips composite keys when it reads our files back.
//
// GraphML's XML is written by Qt's stream writer; GML's syntax is a handful
// of keys with numbers and one quoted label of digits, nothing to escape.
#include <QXmlStreamWriter>

#include "files/IntercambioLeido.h"
#include "model/Grafo.h"

namespace {

void Clave(QXmlStreamWriter& xml, const QString& nombre, const QString& para)
{
    xml.writeEmptyElement(QStringLiteral("key"));
    xml.writeAttribute(QStringLiteral("id"), nombre);
    xml.writeAttribute(QStringLiteral("for"), para);
    xml.writeAttribute(QStringLiteral("attr.name"), nombre);
    xml.writeAttribute(QStringLiteral("attr.type"), QStringLiteral("int"));
}

void Dato(QXmlStreamWriter& xml, const QString& clave, int valor)
{
    xml.writeStartElement(QStringLiteral("data"));
    xml.writeAttribute(QStringLiteral("key"), clave);
    xml.writeCharacters(QString::number(valor));
    xml.writeEndElement();
}

} // namespace

QByteArray EscribirGraphml(const Grafo& grafo)
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(2);
    xml.writeStartDocument();
    xml.writeDefaultNamespace(QStringLiteral("http://graphml.graphdrawing.org/xmlns"));
    xml.writeNamespace(QStringLiteral("http://www.w3.org/2001/XMLSchema-instance"), QStringLiteral("xsi"));
    xml.writeStartElement(QStringLiteral("graphml"));
    xml.writeAttribute(QStringLiteral("http://www.w3.org/2001/XMLSchema-instance"), QStringLiteral("schemaLocation"),
                       QStringLiteral("http://graphml.graphdrawing.org/xmlns "
                                      "http://graphml.graphdrawing.org/xmlns/1.0/graphml.xsd"));
    Clave(xml, QStringLiteral("x"), QStringLiteral("node"));
    Clave(xml, QStringLiteral("y"), QStringLiteral("node"));
    if (grafo.Ponderado())
        Clave(xml, QStringLiteral("weight"), QStringLiteral("edge"));
    xml.writeStartElement(QStringLiteral("graph"));
    xml.writeAttribute(QStringLiteral("id"), QStringLiteral("G"));
    xml.writeAttribute(QStringLiteral("edgedefault"),
                       grafo.Dirigido() ? QStringLiteral("directed") : QStringLiteral("undirected"));
    for (int v = 1; v <= grafo.dimen(); ++v) {
        xml.writeStartElement(QStringLiteral("node"));
        xml.writeAttribute(QStringLiteral("id"), QString::number(v));
        Dato(xml, QStringLiteral("x"), grafo.Posic_CoordX(v));
        Dato(xml, QStringLiteral("y"), grafo.Posic_CoordY(v));
        xml.writeEndElement();
    }
    for (const AristaGrafo& a : AristasDe(grafo)) {
        xml.writeStartElement(QStringLiteral("edge"));
        xml.writeAttribute(QStringLiteral("source"), QString::number(a.a));
        xml.writeAttribute(QStringLiteral("target"), QString::number(a.b));
        if (grafo.Ponderado())
            Dato(xml, QStringLiteral("weight"), a.peso);
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    return xml.hasError() ? QByteArray() : bytes;
}

QByteArray EscribirGml(const Grafo& grafo)
{
    QByteArray gml = "Creator \"Nodeva\"\ngraph\n[\n  directed " + QByteArray(grafo.Dirigido() ? "1" : "0") + '\n';
    for (int v = 1; v <= grafo.dimen(); ++v) {
        const QByteArray k = QByteArray::number(v), x = QByteArray::number(grafo.Posic_CoordX(v)),
                         y = QByteArray::number(grafo.Posic_CoordY(v));
        gml += "  node\n  [\n    id " + k + "\n    label \"" + k + "\"\n    x " + x + "\n    y " + y +
               "\n    graphics\n    [\n      x " + x + "\n      y " + y + "\n    ]\n  ]\n";
    }
    for (const AristaGrafo& a : AristasDe(grafo)) {
        gml += "  edge\n  [\n    source " + QByteArray::number(a.a) + "\n    target " + QByteArray::number(a.b) + '\n';
        if (grafo.Ponderado())
            gml += "    weight " + QByteArray::number(a.peso) + '\n';
        gml += "  ]\n";
    }
    return gml + "]\n";
}
