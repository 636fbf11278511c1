// libFuzzer target for the algorithms themselves: the input is a graph
// file; when it loads, every algorithm the command line offers for its type
// runs on it straight through, as `nodeva-cli ejecutar` runs it. Each run
// must end (libFuzzer's -timeout turns a hang into a finding), with status
// 0 (finished) or 2 (a precondition refused the graph), never 1: the file
// loaded, so nothing may refuse it as unreadable.
#include <QStringList>
#include <QTextStream>
#include <memory>

#include "Comun.h"
#include "algorithms/CatalogoOrdenes.h"
#include "cli/Subcomandos.h"
#include "model/Grafo.h"

namespace {

// The default work area of the command line: no drawing larger than it.
const QSize Area{9000, 6000};

// "1,2,...,n", or "1" for an empty graph (the check then refuses it).
QString Todos(int n)
{
    QStringList v;
    for (int i = 1; i <= std::max(n, 1); ++i)
        v << QString::number(i);
    return v.join(u',');
}

// A value for each option the row asks, from the graph's size and the
// input's last byte, so that mutations reach other roots and ends too.
QString Valor(const OpcionOrden& opcion, int n, std::uint8_t semilla)
{
    const int v = n == 0 ? 1 : 1 + semilla % n;
    switch (opcion.campo) {
    case Campo::Raiz:
    case Campo::Origen:
        return QString::number(v);
    case Campo::Destino:
        return semilla % 5 == 0 && opcion.valor.contains(QStringLiteral("TODOS"))
                   ? QStringLiteral("TODOS")
                   : QString::number(n == 0 ? 1 : n);
    case Campo::Semilla:
        return QString::number(semilla);
    case Campo::Clics:
        // Every vertex in turn, then back to the first: refused clicks only
        // change the prompt, and a walk left halfway must end too.
        return Todos(n) + u',' + QString::number(v);
    case Campo::Orden:
    case Campo::Lista:
    case Campo::Codigo:
        return Todos(n);
    }
    return {};
}

void Correr(const OrdenAlgoritmo& orden, const QString& ruta, int n, std::uint8_t semilla)
{
    QStringList args{QStringLiteral("ejecutar"), orden.cli.first(), ruta};
    for (const OpcionOrden& opcion : orden.opciones)
        args << opcion.nombre << Valor(opcion, n, semilla);
    QString salida, errores;
    QTextStream s(&salida), e(&errores);
    const int estado = EjecutarCli(args, s, e);
    if (estado != 0 && estado != 2) {
        std::fprintf(stderr, "%s -> %d: %s\n", qPrintable(orden.cli.first()), estado, qPrintable(errores));
        Exigir(false, "a graph that loads runs every algorithm to status 0 or 2");
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    IniciarGuiQt(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamaño)
{
    const QByteArray bytes(reinterpret_cast<const char*>(datos), static_cast<qsizetype>(tamaño));
    auto grafo = std::make_unique<Grafo>();
    InteraccionContada io;
    if (LeerBytes(bytes, *grafo, io, Area) != 0)
        return 0;
    const QString ruta = EscribirTemporal(QStringLiteral("g.grf"), datos, tamaño);
    const std::uint8_t semilla = tamaño > 0 ? datos[tamaño - 1] : 0;
    for (const OrdenAlgoritmo& orden : Ordenes())
        if (!orden.cli.isEmpty() && !orden.sinArchivo && Incluye(orden.TiposCli(), grafo->Tipo()))
            Correr(orden, ruta, grafo->dimen(), semilla);
    return 0;
}
