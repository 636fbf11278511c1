// Graphviz DOT, read and written by cgraph. Vertices are numbered in the
// order cgraph keeps its nodes, which is the order the file first mentions
// them in, in a node statement or an edge.
#include <QHash>
#include <cmath>
#include <graphviz/cgraph.h>

#include "files/IntercambioLeido.h"
#include "model/Grafo.h"

namespace {

// cgraph prints its errors on stderr unless given a function; ours keeps
// them (a message comes in pieces) for the text of a refusal.
QByteArray errores;

int AlError(char* mensaje)
{
    if (errores.size() < 4096)
        errores += mensaje;
    return 0;
}

// A DOT point is 20 twips; Graphviz's y grows upwards.
constexpr double TwipsPorPunto = 20;

// "x,y", "x,y!" or "x,y,z", in points; y turned downwards.
std::optional<QPointF> PosicionDot(const char* texto)
{
    QString pos = QString::fromUtf8(texto).trimmed();
    if (pos.endsWith(u'!'))
        pos.chop(1);
    const QStringList partes = pos.split(u',');
    bool okx = false, oky = false;
    const double x = partes.size() >= 2 ? partes[0].toDouble(&okx) : 0;
    const double y = partes.size() >= 2 ? partes[1].toDouble(&oky) : 0;
    if (!okx || !oky || !std::isfinite(x) || !std::isfinite(y))
        return std::nullopt;
    return QPointF(x, -y);
}

// A graph that closes itself.
struct GrafoDot {
    Agraph_t* g = nullptr;
    ~GrafoDot()
    {
        if (g)
            agclose(g);
    }
};

char* Texto(const QByteArray& bytes)
{
    return const_cast<char*>(bytes.constData());
}

// cgraph's scanner is one for the whole process and is not reset between
// reads: what follows the first graph of a file stays in its buffer, and a
// string, a comment or an HTML label left open there keeps it in that state,
// so that the next file, however good, no longer reads. After each read a
// graph of our own must read; until it does, a text that closes each of
// those states and then makes a syntax error (which empties the buffer) is
// read: '"' ends a string (after "x", which takes up a pending backslash),
// "*/" a comment, and as many '>' as the file had '<' any HTML label.
bool Limpio()
{
    Agraph_t* g = agmemread("graph NodevaSonda {}");
    const bool limpio = g && qstrcmp(agnameof(g), "NodevaSonda") == 0 && agnnodes(g) == 0;
    if (g)
        agclose(g);
    return limpio;
}

void Limpiar(const QByteArray& leido)
{
    const QByteArray cierre = "x\"*/" + QByteArray(leido.count('<') + 1, '>');
    for (int ronda = 0; ronda < 8 && !Limpio(); ++ronda)
        if (Agraph_t* resto = agmemread(cierre.constData()))
            agclose(resto);
}

} // namespace

GrafoLeido LeerDot(const QByteArray& bytes)
{
    GrafoLeido leido;
    // cgraph reads a C string: what follows a zero byte it would never see.
    if (bytes.contains('\0')) {
        leido.error = QStringLiteral("El fichero no es un texto DOT: tiene bytes nulos.");
        return leido;
    }
    const std::lock_guard<std::mutex> cerrojo(CerrojoBibliotecas());
    errores.clear();
    agseterrf(&AlError);
    GrafoDot dot;
    agreadline(1); // nor is its line count
    dot.g = agmemread(bytes.constData());
    const QString dice = QString::fromUtf8(errores).simplified();
    Limpiar(bytes);
    if (!dot.g) {
        leido.error =
            dice.isEmpty()
                ? QStringLiteral("El fichero no tiene ningún grafo DOT.")
                : QStringLiteral("El fichero no es un DOT que se pueda leer; Graphviz dice: %1").arg(dice.left(300));
        return leido;
    }
    Agraph_t* g = dot.g;
    leido.n = agnnodes(g);
    leido.dirigido = agisdirected(g);
    if (leido.n > VerticesMaximos)
        return leido; // the rules refuse it by its size alone
    QHash<Agnode_t*, int> numero;
    for (Agnode_t* v = agfstnode(g); v; v = agnxtnode(g, v)) {
        numero.insert(v, int(numero.size()) + 1);
        leido.nombres.push_back(QString::fromUtf8(agnameof(v)));
    }
    Agsym_t* peso = agattr(g, AGEDGE, Texto("weight"), nullptr);
    for (Agnode_t* v = agfstnode(g); v; v = agnxtnode(g, v))
        for (Agedge_t* e = agfstout(g, v); e; e = agnxtout(g, e)) {
            AristaLeida arista{numero.value(agtail(e)), numero.value(aghead(e)), std::nullopt};
            if (const char* valor = peso ? agxget(e, peso) : nullptr; valor && *valor)
                arista.peso = QString::fromUtf8(valor);
            leido.aristas.push_back(arista);
        }
    if (Agsym_t* pos = agattr(g, AGNODE, Texto("pos"), nullptr)) {
        std::vector<QPointF> posiciones;
        for (Agnode_t* v = agfstnode(g); v; v = agnxtnode(g, v)) {
            const std::optional<QPointF> p = PosicionDot(agxget(v, pos));
            if (!p)
                break;
            posiciones.push_back(*p);
        }
        if (int(posiciones.size()) == leido.n)
            leido.posiciones = posiciones;
    }
    return leido;
}

QByteArray EscribirDot(const Grafo& grafo)
{
    const int n = grafo.dimen();
    // Turned over within the drawing's own height, so that what was at the
    // top is at the top for Graphviz too and the box stays where it was.
    int menorY = 0, mayorY = 0;
    for (int v = 1; v <= n; ++v) {
        menorY = v == 1 ? grafo.Posic_CoordY(v) : std::min<int>(menorY, grafo.Posic_CoordY(v));
        mayorY = v == 1 ? grafo.Posic_CoordY(v) : std::max<int>(mayorY, grafo.Posic_CoordY(v));
    }
    const std::lock_guard<std::mutex> cerrojo(CerrojoBibliotecas());
    errores.clear();
    agseterrf(&AlError);
    GrafoDot dot;
    dot.g = agopen(Texto("G"), grafo.Dirigido() ? Agdirected : Agundirected, nullptr);
    if (!dot.g)
        return {};
    // agwrite puts a node just before the first edge that needs it, so that
    // 1 -- 3 would make 3 come before 2 for whoever reads the file in order;
    // the nodes of a subgraph are written first, all together, in order.
    Agraph_t* todos = agsubg(dot.g, Texto("vertices"), 1);
    std::vector<Agnode_t*> nodos(std::size_t(n) + 1, nullptr);
    for (int v = 1; v <= n; ++v) {
        nodos[std::size_t(v)] = agnode(dot.g, QByteArray::number(v).data(), 1);
        agsubnode(todos, nodos[std::size_t(v)], 1);
        // Pinned ("!"), so that neato keeps the drawing as it is.
        const QByteArray pos = QByteArray::number(grafo.Posic_CoordX(v) / TwipsPorPunto, 'g', 10) + ',' +
                               QByteArray::number((menorY + mayorY - grafo.Posic_CoordY(v)) / TwipsPorPunto, 'g', 10) +
                               '!';
        agsafeset(nodos[std::size_t(v)], Texto("pos"), Texto(pos), Texto(""));
    }
    for (const AristaGrafo& a : AristasDe(grafo)) {
        Agedge_t* e = agedge(dot.g, nodos[std::size_t(a.a)], nodos[std::size_t(a.b)], nullptr, 1);
        if (grafo.Ponderado())
            agsafeset(e, Texto("weight"), QByteArray::number(a.peso).data(), Texto(""));
    }
    Memoria memoria;
    if (!memoria.Fichero() || agwrite(dot.g, memoria.Fichero()) != 0)
        return {};
    return memoria.Bytes();
}
