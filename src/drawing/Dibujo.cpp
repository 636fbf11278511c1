// Dibujo: the graph as a whole, edges and arcs, and the refresh of highlights.
#include "drawing/Dibujo.h"

#include <cmath>
#include <cstdlib>
#include <utility>

#include "drawing/GeometriaArista.h"
#include "drawing/Lienzo.h"
#include "model/Grafo.h"
#include "model/Seleccion.h"

using namespace GeometriaArista;

namespace {

constexpr double LargoPunta = 300; // of a half arrowhead
constexpr double AnguloPunta = 65; // from the bearing to the arrowhead's side
constexpr double PuntosEtiqueta = 7;
// The two passes of a doubled edge lie this far to each side of its line,
// four pixels at 100 %, and each writes its label beyond its own line, on its
// own side, so that both lines and both numbers read apart.
constexpr int SeparacionParalelas = 60;
// Half a label's box, as 7-point digits take it: per character across, and
// down (twips).
constexpr double MedioAnchoLetra = 39;
constexpr double MedioAltoEtiqueta = 85;
constexpr double HolguraEtiqueta = 60;

// Where the label of one pass of a doubled edge a -> b goes: clear of its
// line, on the side `lado` (-1 or 1, as the pass's line moves) of the edge.
QPointF EsquinaAparte(QPointF a, QPointF b, int lado, qsizetype letras)
{
    const QPointF d = b - a;
    const double largo = std::hypot(d.x(), d.y());
    QPointF normal = largo == 0 ? QPointF(0, -1) : QPointF(-d.y() / largo, d.x() / largo);
    const QPointF hacia = Desplazar({a, b}, lado * SeparacionParalelas).inicio - a;
    if (QPointF::dotProduct(normal, hacia) < 0)
        normal = -normal;
    const QPointF medio(MedioAnchoLetra * letras, MedioAltoEtiqueta);
    const double distancia =
        SeparacionParalelas + HolguraEtiqueta + std::abs(normal.x()) * medio.x() + std::abs(normal.y()) * medio.y();
    return (a + b) / 2 + normal * distancia - medio;
}

} // namespace

Dibujo::Anotado::Anotado(Lienzo& lienzo, Lienzo::Objeto::Clase clase, int a, int b)
    : lienzo_(lienzo), antes_(lienzo.Anotacion())
{
    lienzo.Anotar({clase, static_cast<std::int16_t>(a), static_cast<std::int16_t>(b)});
}

Dibujo::Dibujo(const Grafo& grafo, Lienzo& lienzo, const Seleccion& seleccion, const bool& desdeMenu)
    : grafo_(grafo), lienzo_(lienzo), seleccion_(seleccion), desdeMenu_(desdeMenu)
{
    colores_.InicializarColores();
}

QPointF Dibujo::Centro(int v) const
{
    return QPointF(grafo_.Posic_CoordX(v), grafo_.Posic_CoordY(v));
}

void Dibujo::DibujarGrafo(std::int16_t sinPeso)
{
    marcasVertice_.clear();
    marcasArista_.clear();
    DibujarAristas(sinPeso);
    for (int v = 1; v <= grafo_.dimen(); ++v)
        DibujarVertice(v, Qt::black);
}

void Dibujo::DibujarAristas(std::int16_t sinPeso)
{
    const int n = grafo_.dimen();
    const bool dirigido = grafo_.Dirigido();
    for (int i = 1; i <= n; ++i)
        for (int j = dirigido ? 1 : i + 1; j <= n; ++j)
            if (i != j && grafo_.elem_matriz(i, j) != 0)
                DibujarArista(i, j, Qt::black, 0, sinPeso, 0);
}

void Dibujo::DibujarAristaColor(int u, int v, const QColor& color)
{
    DibujarArista(u, v, color, 0, 0, 0);
}

void Dibujo::DibujarArista(int u, int v, const QColor& color, std::int16_t etiqueta, std::int16_t sinPeso, int paralelo)
{
    if (u == v)
        return;
    const bool dirigido = grafo_.Dirigido();
    // An undirected edge is always drawn from its smaller end, so it looks the
    // same whichever way it is named; mode 2 keeps the order on purpose.
    if (!dirigido && paralelo != 2 && v < u)
        std::swap(u, v);
    const QPointF a = Centro(u);
    const QPointF b = Centro(v);
    // A highlight draws the label again where it already is: taken away
    // first, it is not darkened by a second coat.
    if (etiqueta != 0 || (grafo_.Ponderado() && !seleccion_.Moviendo))
        Etiqueta(u, v, etiqueta, sinPeso, paralelo == 0 ? 0 : paralelo == 1 ? -1 : 1, color != QColor(Qt::black));

    if (color == QColor(Qt::black))
        marcasArista_.remove(ClaveArista(u, v));
    else
        marcasArista_.insert(ClaveArista(u, v), color);
    const Anotado arista(lienzo_, Lienzo::Objeto::Clase::Arista, u, v);
    const QColor colorLinea = ColorDeArista(u, v, color);
    const double rumbo = Rumbo(a.x(), a.y(), b.x(), b.y());
    const QPointF d = Direccion(rumbo);
    if (dirigido)
        Trazo(Polar(b, LargoPunta, rumbo + AnguloPunta), b - Radio * d, colorLinea);

    Tramo tramo{a + Radio * d, b - Radio * d};
    if (paralelo != 0)
        tramo = Desplazar(tramo, paralelo == 1 ? -SeparacionParalelas : SeparacionParalelas);
    Trazo(tramo.inicio, tramo.fin, colorLinea);

    if (dirigido && grafo_.elem_matriz(v, u) != 0)
        PuntaInversa(u, v, rumbo, tramo.inicio, color);
}

void Dibujo::Etiqueta(int u, int v, std::int16_t etiqueta, std::int16_t sinPeso, int lado, bool deNuevo)
{
    if (etiqueta == 0 && sinPeso != 0)
        return;
    const int x1 = grafo_.Posic_CoordX(u), y1 = grafo_.Posic_CoordY(u);
    const int x2 = grafo_.Posic_CoordX(v), y2 = grafo_.Posic_CoordY(v);
    const int peso = grafo_.elem_matriz(u, v);
    const bool grande = etiqueta == 0 && std::abs(peso) > 99;
    const QPointF medio((x1 + x2) / 2.0, (y1 + y2) / 2.0);
    const QString texto = TextoNumero(etiqueta != 0 ? etiqueta : peso);
    const Anotado rotulo(lienzo_, etiqueta != 0 ? Lienzo::Objeto::Clase::Etiqueta : Lienzo::Objeto::Clase::Peso, u, v);
    const QPointF esquina = lado == 0 ? medio + DesplazamientoEtiqueta(x1, y1, x2, y2, grande)
                                      : EsquinaAparte(Centro(u), Centro(v), lado, texto.size());
    lienzo_.PonerColorFrente(Qt::black);
    const Lienzo::Pluma pluma = lienzo_.ModoPluma();
    if (deNuevo && pluma == Lienzo::Pluma::Copiar) {
        lienzo_.PonerModoPluma(Lienzo::Pluma::Borrar);
        lienzo_.Texto(esquina, texto, PuntosEtiqueta, false);
        lienzo_.PonerModoPluma(pluma);
    }
    lienzo_.Texto(esquina, texto, PuntosEtiqueta, false);
}

QColor Dibujo::ColorDeArista(int a, int b, const QColor& normal) const
{
    const std::int16_t codigo = CodigoArista(a, b);
    if (seleccion_.AristaSeleccionada == codigo)
        return Qt::blue;
    if (seleccion_.AristaBajoCursor == codigo)
        return Qt::red;
    return normal;
}

// The arc v -> u shares the line just drawn, so only its head is added, at u
// and thin. Its highlight colour shows only in runs started from the menu.
void Dibujo::PuntaInversa(int u, int v, double rumbo, QPointF inicio, const QColor& color)
{
    const Anotado arco(lienzo_, Lienzo::Objeto::Clase::Arista, v, u);
    const QColor colorPunta = desdeMenu_ ? ColorDeArista(v, u, color) : QColor(Qt::black);
    const double girado = SumarAngulo(SumarAngulo(rumbo, 180), AnguloPunta);
    const int ancho = lienzo_.AnchoLinea();
    lienzo_.PonerAnchoLinea(1);
    Trazo(Polar(Centro(u), LargoPunta, girado), inicio, colorPunta);
    lienzo_.PonerAnchoLinea(ancho);
}

void Dibujo::Trazo(QPointF desde, QPointF hasta, const QColor& color)
{
    lienzo_.PonerColorFrente(color);
    lienzo_.Linea(desde, hasta);
}
