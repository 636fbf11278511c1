// libFuzzer target for the numbers and lists of nodeva-cli's arguments: the
// sizes of a drawing, the options of the algorithms and the numbers of the
// graph families. Whatever is typed, a value is refused or lies within its
// bounds, and a drawing that passes the checks fits in memory.
#include <QStringList>
#include <cmath>

#include "Comun.h"
#include "cli/CargaCli.h"
#include "cli/DestinoDibujo.h"
#include "cli/NumerosGenerar.h"
#include "cli/OpcionesOrden.h"
#include "model/Grafo.h"

namespace {

bool Vertice(int v, int n)
{
    return v >= 1 && v <= n;
}

void Medidas(const QStringList& t)
{
    const std::optional<int> ancho = MedidaTwips(t.value(0)), alto = MedidaTwips(t.value(1));
    const std::optional<double> escala = DestinoDibujo::Escala(t.value(2));
    Exigir(!ancho || (*ancho >= 1 && *ancho <= 1'000'000), "a width is 1..1000000 twips");
    Exigir(!escala || (*escala >= 0.25 && *escala <= 16), "a scale is 0.25..16");
    if (!ancho || !alto || !escala)
        return;
    if (!DestinoDibujo::Rechazo(QStringLiteral("d.png"), {}, QSize(*ancho, *alto), *escala).isEmpty())
        return;
    const double x = std::ceil(*ancho / 15.0 * *escala), y = std::ceil(*alto / 15.0 * *escala);
    Exigir(x <= DestinoDibujo::LadoMaximo && y <= DestinoDibujo::LadoMaximo, "an accepted side fits");
    Exigir(x * y <= double(DestinoDibujo::PixelesMaximos), "an accepted drawing fits in memory");
}

// An option of an algorithm read into its answers, then checked against a
// graph of n vertices: what passes names only vertices the graph has.
void OpcionDeOrden(std::uint8_t fila, std::uint8_t cual, std::uint8_t n, const QString& valor)
{
    const OrdenAlgoritmo& orden = Ordenes()[fila % Ordenes().size()];
    if (orden.opciones.empty())
        return;
    const OpcionOrden& opcion = orden.opciones[cual % orden.opciones.size()];
    Parametros p;
    if (!LeerOpcionOrden(orden, opcion.nombre, valor, p).isEmpty())
        return;
    Exigir(p.lista.size() <= std::size_t(Grafo::Limite * Grafo::Limite), "a list has at most 2500 numbers");
    for (const int v : p.lista)
        Exigir(Vertice(v, Grafo::Limite), "a listed number is 1..50");
    for (const int v : {p.raiz, p.origen, p.destino})
        Exigir(v == 0 || Vertice(v, Grafo::Limite), "a vertex is 1..50");
    Grafo grafo;
    grafo.Insertar_Dimension(std::int16_t(n % (Grafo::Limite + 1)), false);
    if (opcion.campo == Campo::Codigo || !ComprobarParametros(orden, p, grafo).isEmpty())
        return;
    for (const int v : p.lista)
        Exigir(Vertice(v, grafo.dimen()), "a checked list names vertices of the graph");
    for (const int v : {p.raiz, p.origen, p.destino})
        Exigir(v == 0 || Vertice(v, grafo.dimen()), "a checked vertex is in the graph");
}

void NumerosDeFamilia(std::uint8_t cual, const QStringList& textos)
{
    const Generador& g = Generadores()[cual % Generadores().size()];
    Numeros numeros;
    if (!LeerNumeros(g, textos, numeros).isEmpty())
        return;
    Exigir(numeros.size() == g.preguntas.size(), "one number per question");
    Numeros anteriores;
    for (std::size_t i = 0; i < numeros.size(); ++i) {
        const int maximo = MaximoPregunta(g.preguntas[i], anteriores);
        Exigir(numeros[i] >= 1 && numeros[i] <= maximo && maximo <= Grafo::Limite,
               "a family's number is within its bound, at most 50");
        anteriores.push_back(numeros[i]);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    IniciarQt(argc, argv);
    return 0;
}

// Four bytes choose what is read (and the row, option and graph size it is
// read for); the rest is the text, one argument per line.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamaño)
{
    if (tamaño < 4)
        return 0;
    const QString texto = QString::fromUtf8(reinterpret_cast<const char*>(datos + 4), qsizetype(tamaño - 4));
    const QStringList argumentos = texto.split(u'\n');
    switch (datos[0] % 3) {
    case 0:
        Medidas(argumentos);
        break;
    case 1:
        OpcionDeOrden(datos[1], datos[2], datos[3], texto);
        break;
    default:
        NumerosDeFamilia(datos[1], argumentos);
        break;
    }
    return 0;
}
