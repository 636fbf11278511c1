#include "files/Intercambio.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <cmath>
#include <unistd.h>

#include "costuras/Interaccion.h"
#include "files/Escritor.h"
#include "files/IntercambioLeido.h"
#include "files/Lector.h"
#include "files/NombreFichero.h"
#include "model/Grafo.h"

namespace {

constexpr int PesoMaximo = 9999;
// A file of 50 vertices is a few hundred kilobytes in the most talkative of
// these formats; past this it is no graph of ours, and no library should
// spend the memory to find that out.
constexpr qint64 BytesMaximos = 16 * 1024 * 1024;

struct DatosFormato {
    Formato formato;
    const char* nombre;
    const char* extensiones; // separated by spaces, the one we write first
};

// In the order the filters list them.
constexpr DatosFormato Formatos[] = {
    {Formato::Nodeva, "Grafo de Nodeva", ".grf .txt"},
    {Formato::GraphML, "GraphML", ".graphml"},
    {Formato::GML, "GML", ".gml"},
    {Formato::DOT, "Graphviz DOT", ".dot .gv"},
    {Formato::Pajek, "Pajek", ".net"},
    {Formato::Graph6, "graph6", ".g6"},
};

const DatosFormato& Datos(Formato formato)
{
    for (const DatosFormato& d : Formatos)
        if (d.formato == formato)
            return d;
    return Formatos[0];
}

QStringList Extensiones(Formato formato)
{
    return QString::fromLatin1(Datos(formato).extensiones).split(u' ');
}

// "Pajek (*.net)|*.net"; the patterns of the second half separated by ';'.
QString Filtro(const QString& nombre, const QStringList& extensiones)
{
    QStringList patrones;
    for (const QString& e : extensiones)
        patrones << u'*' + e;
    return nombre + QStringLiteral(" (") + patrones.join(u' ') + QStringLiteral(")|") + patrones.join(u';');
}

// "vértice 2" or, when the file names it otherwise, "vértice 2 («b»)".
QString Vertice(const GrafoLeido& leido, int v)
{
    const QString numero = QString::number(v);
    const QString nombre = v - 1 < int(leido.nombres.size()) ? leido.nombres[v - 1] : QString();
    return nombre.isEmpty() || nombre == numero ? numero
                                                : numero + QStringLiteral(" («") + nombre + QStringLiteral("»)");
}

// An arc from its tail; an edge from its lower vertex.
QString Extremos(const GrafoLeido& leido, const AristaLeida& e, const QString& dirigida, const QString& no)
{
    if (leido.dirigido)
        return dirigida.arg(Vertice(leido, e.a), Vertice(leido, e.b));
    return no.arg(Vertice(leido, std::min(e.a, e.b)), Vertice(leido, std::max(e.a, e.b)));
}

QString Arista(const GrafoLeido& leido, const AristaLeida& e)
{
    return Extremos(leido, e, QStringLiteral("el arco del vértice %1 al %2"),
                    QStringLiteral("la arista entre los vértices %1 y %2"));
}

// The weight as the record keeps it, or nothing when the text is not one.
std::optional<std::int16_t> Peso(const QString& texto)
{
    bool ok = false;
    const double valor = texto.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(valor) || valor != std::floor(valor) || valor == 0 || std::abs(valor) > PesoMaximo)
        return std::nullopt;
    return static_cast<std::int16_t>(valor);
}

// The rules every format shares: size, no loops, no parallel edges, and the
// weights a graph file can hold. A weighted graph's every edge must have one.
QString Juzgar(const GrafoLeido& leido, bool ponderado)
{
    if (leido.n > Grafo::Limite)
        return QStringLiteral("El grafo tiene %1 vértices, y Nodeva admite como mucho %2.")
            .arg(leido.n)
            .arg(Grafo::Limite);
    QSet<std::pair<int, int>> vistas;
    for (const AristaLeida& e : leido.aristas) {
        if (e.a == e.b)
            return QStringLiteral("El vértice %1 tiene un bucle (una arista de él a sí mismo), y Nodeva no los "
                                  "admite.")
                .arg(Vertice(leido, e.a));
        const std::pair<int, int> clave =
            leido.dirigido ? std::pair(e.a, e.b) : std::pair(std::min(e.a, e.b), std::max(e.a, e.b));
        if (vistas.contains(clave))
            return Extremos(leido, e, QStringLiteral("Hay dos arcos del vértice %1 al %2"),
                            QStringLiteral("Hay dos aristas entre los vértices %1 y %2")) +
                   QStringLiteral(", y Nodeva no admite aristas paralelas.");
        vistas.insert(clave);
        if (!ponderado)
            continue;
        if (!e.peso)
            return QStringLiteral("En un grafo ponderado cada arista lleva su peso, y %1 no lo lleva.")
                .arg(Arista(leido, e));
        if (!Peso(*e.peso))
            return QStringLiteral("El peso «%1» de %2 no es válido: los pesos son números enteros de -%3 a %3, "
                                  "distintos de 0.")
                .arg(e.peso->left(40), Arista(leido, e))
                .arg(PesoMaximo);
    }
    return {};
}

void Construir(const GrafoLeido& leido, bool ponderado, const std::vector<QPoint>& posiciones, Grafo& grafo)
{
    const int tipo = (leido.dirigido ? TipoGrafo::Digrafo : TipoGrafo::Simple) + (ponderado ? 1 : 0);
    const int n = leido.n;
    grafo.InsertarTipo(NombreTipo(tipo));
    grafo.Insertar_Dimension(static_cast<std::int16_t>(n), true);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            grafo.InsertarMatriz(i, j, 0);
    for (const AristaLeida& e : leido.aristas) {
        const std::int16_t valor = ponderado ? *Peso(*e.peso) : 1;
        grafo.InsertarMatriz(e.a, e.b, valor);
        if (!leido.dirigido)
            grafo.InsertarMatriz(e.b, e.a, valor);
    }
    grafo.InsertarNumAristas(static_cast<std::int16_t>(leido.aristas.size()));
    for (int v = 1; v <= n; ++v) {
        grafo.InsertarPosicionX(v, static_cast<std::int16_t>(posiciones[v - 1].x()));
        grafo.InsertarPosicionY(v, static_cast<std::int16_t>(posiciones[v - 1].y()));
    }
}

// The program's own reader speaks through a person; here its one message is
// kept instead.
class MensajeGuardado : public Interaccion {
public:
    QString texto;
    std::int16_t Mensaje(const QString& t, const QString&, Icono, Botones) override
    {
        if (texto.isEmpty())
            texto = t;
        return Respuesta::Aceptar;
    }
    QString NombreParaAbrir(const QString&) override { return {}; }
    QString NombreParaGuardar(const QString&, const QString&) override { return {}; }
    double Ahora() override { return 0; }
    void ProcesarEventos() override {}
};

QString ImportarNodeva(const QByteArray& bytes, Grafo& grafo, QSize areaTrabajo)
{
    QBuffer origen;
    origen.setData(bytes);
    origen.open(QIODevice::ReadOnly);
    Grafo leido;
    MensajeGuardado persona;
    if (LeerGrafo(origen, leido, persona, areaTrabajo) != 0)
        return persona.texto;
    grafo = leido;
    return {};
}

GrafoLeido Leer(const QByteArray& bytes, Formato formato)
{
    switch (formato) {
    case Formato::DOT: return LeerDot(bytes);
    case Formato::Graph6: return LeerGraph6(bytes);
    default: return LeerIgraph(bytes, formato);
    }
}

} // namespace

std::mutex& CerrojoBibliotecas()
{
    static std::mutex cerrojo;
    return cerrojo;
}

std::optional<Formato> FormatoDeArchivo(const QString& archivo)
{
    const QString nombre = QFileInfo(archivo).fileName();
    for (const DatosFormato& d : Formatos)
        for (const QString& e : Extensiones(d.formato))
            if (nombre.size() > e.size() && nombre.endsWith(e, Qt::CaseInsensitive))
                return d.formato;
    return std::nullopt;
}

bool FormatoLegible(Formato)
{
    return true;
}

bool FormatoEscribible(Formato)
{
    return true;
}

QString ExtensionDe(Formato formato)
{
    return Extensiones(formato).first();
}

QString NombreFormato(Formato formato)
{
    return QString::fromUtf8(Datos(formato).nombre);
}

QString FiltroImportar()
{
    QStringList todas, filtros;
    for (const DatosFormato& d : Formatos) {
        if (!FormatoLegible(d.formato))
            continue;
        todas << Extensiones(d.formato);
        if (d.formato != Formato::Nodeva)
            filtros << Filtro(NombreFormato(d.formato), Extensiones(d.formato));
    }
    filtros.prepend(Filtro(QStringLiteral("Todos los grafos"), todas));
    return filtros.join(u'|');
}

QString FiltroExportar()
{
    QStringList filtros;
    for (const DatosFormato& d : Formatos)
        if (d.formato != Formato::Nodeva && FormatoEscribible(d.formato))
            filtros << Filtro(NombreFormato(d.formato), Extensiones(d.formato));
    return filtros.join(u'|');
}

QString ImportarBytes(const QByteArray& bytes, Formato formato, Grafo& grafo, QSize areaTrabajo)
{
    if (bytes.size() > BytesMaximos)
        return QStringLiteral("El fichero ocupa demasiado para ser un grafo de como mucho %1 vértices.")
            .arg(Grafo::Limite);
    if (formato == Formato::Nodeva)
        return ImportarNodeva(bytes, grafo, areaTrabajo);
    const GrafoLeido leido = Leer(bytes, formato);
    if (!leido.error.isEmpty())
        return leido.error;
    const bool ponderado =
        std::any_of(leido.aristas.begin(), leido.aristas.end(), [](const AristaLeida& e) { return e.peso; });
    if (const QString rechazo = Juzgar(leido, ponderado); !rechazo.isEmpty())
        return rechazo;
    Construir(leido, ponderado, Disponer(leido, areaTrabajo), grafo);
    return {};
}

QString ImportarGrafo(const QString& archivo, Grafo& grafo, QSize areaTrabajo)
{
    const std::optional<Formato> formato = FormatoDeArchivo(archivo);
    if (!formato)
        return QStringLiteral("No se reconoce el formato de %1 por su extensión.").arg(QFileInfo(archivo).fileName());
    // Only regular files, as the program's own reader: a FIFO would keep us
    // waiting for ever.
    const int fd = Disco::AbrirLectura(archivo);
    QFile fichero;
    if (fd < 0 || !fichero.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        if (fd >= 0)
            ::close(fd);
        return QStringLiteral("No se pudo abrir el fichero %1: no existe o no es un fichero que se pueda leer.")
            .arg(QFileInfo(archivo).fileName());
    }
    const QByteArray bytes = fichero.read(BytesMaximos + 1);
    if (fichero.error() != QFileDevice::NoError)
        return QStringLiteral("No se pudo leer el fichero %1: %2.")
            .arg(QFileInfo(archivo).fileName(), fichero.errorString());
    return ImportarBytes(bytes, *formato, grafo, areaTrabajo);
}

QString RechazoExportar(Formato formato, const Grafo& grafo)
{
    if (formato == Formato::Nodeva)
        return {};
    if (formato == Formato::Graph6 && (grafo.Ponderado() || grafo.Dirigido()))
        return QStringLiteral("graph6 solo guarda grafos no dirigidos y sin pesos, y este es %1.")
            .arg(grafo.Dirigido() && grafo.Ponderado() ? QStringLiteral("un digrafo ponderado")
                 : grafo.Dirigido()                    ? QStringLiteral("un digrafo")
                                                       : QStringLiteral("ponderado"));
    for (int v = 1; v <= std::clamp<int>(grafo.dimen(), 0, Grafo::Limite); ++v)
        if (grafo.elem_matriz(v, v) != 0)
            return QStringLiteral("El vértice %1 tiene un bucle, y los grafos con bucles no se exportan a %2: "
                                  "no se podrían volver a abrir.")
                .arg(v)
                .arg(NombreFormato(formato));
    return {};
}

QByteArray TextoExportado(Formato formato, const Grafo& grafo)
{
    switch (formato) {
    case Formato::Nodeva: return TextoGrafo(grafo);
    case Formato::DOT: return EscribirDot(grafo);
    case Formato::Graph6: return EscribirGraph6(grafo);
    case Formato::GraphML: return EscribirGraphml(grafo);
    case Formato::GML: return EscribirGml(grafo);
    default: return EscribirPajek(grafo);
    }
}

Escritura ExportarGrafo(const QString& archivo, Formato formato, const Grafo& grafo)
{
    // The reason follows a colon: no capital, no full stop.
    if (QString rechazo = RechazoExportar(formato, grafo); !rechazo.isEmpty()) {
        rechazo[0] = rechazo[0].toLower();
        rechazo.chop(rechazo.endsWith(u'.') ? 1 : 0);
        return Escritura{false, rechazo};
    }
    return EscribirAtomicamente(archivo, TextoExportado(formato, grafo));
}
