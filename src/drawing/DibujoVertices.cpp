// Dibujo: vertex circles and their numbers, plain, highlighted, filled and
// in the colouring palette.
#include <QPointF>

#include "drawing/Dibujo.h"
#include "drawing/GeometriaArista.h"
#include "drawing/Lienzo.h"
#include "model/Grafo.h"
#include "model/Seleccion.h"

namespace {

// Where a vertex number starts, from the centre, so that it sits inside the
// circle: one digit larger, two digits smaller and further left.
struct FormaNumero {
    double puntos;
    QPointF desplazamiento;
};
constexpr FormaNumero UnaCifra{10, {-95, -110}};
constexpr FormaNumero DosCifras{7, {-110, -80}};
// The palette's numbers are bold, so two digits get a point more room.
constexpr FormaNumero DosCifrasNegrita{8, {-117, -100}};

} // namespace

void Dibujo::Disco(int v, const QColor& contorno, std::optional<QColor> relleno)
{
    const Anotado vertice(lienzo_, Lienzo::Objeto::Clase::Vertice, v);
    // The white disc first wipes out whatever line or number lay under it.
    lienzo_.PonerColorFrente(Qt::white);
    lienzo_.Circulo(Centro(v), Radio, QColor(Qt::white));
    lienzo_.PonerColorFrente(contorno);
    lienzo_.Circulo(Centro(v), Radio, relleno);
}

void Dibujo::DibujarVertice(int v, const QColor& color)
{
    Marcar(v, color);
    const bool seleccionado = v == seleccion_.VerticeSeleccionado;
    const bool arrastrado = seleccionado && seleccion_.Moviendo;
    if (seleccionado)
        Disco(v, Qt::blue, arrastrado ? std::nullopt : std::optional<QColor>(Qt::blue));
    else
        Disco(v, v == seleccion_.VerticeBajoCursor ? QColor(Qt::red) : color, std::nullopt);
    if (!arrastrado)
        DibujarNumero(v, color);
}

void Dibujo::DibujarNumero(int v, const QColor& color)
{
    QColor tinta = color;
    if (v == seleccion_.VerticeSeleccionado)
        tinta = Qt::white;
    else if (v == seleccion_.VerticeBajoCursor)
        tinta = Qt::red;
    const FormaNumero& forma = v <= 9 ? UnaCifra : DosCifras;
    Numero(v, tinta, forma.puntos, forma.desplazamiento, false);
}

void Dibujo::DibujarVerticeRelleno(int v, const QColor& color)
{
    Marcar(v, color);
    Disco(v, color, color);
    DibujarNumero(v, Qt::white);
}

void Dibujo::PintarVertice(int v, int p)
{
    const EntradaPaleta* entrada = Paleta_Colores(p);
    if (!entrada)
        return;
    Marcar(v, entrada->color);
    Disco(v, entrada->color, entrada->color);
    const FormaNumero& forma = v <= 9 ? UnaCifra : DosCifrasNegrita;
    Numero(v, entrada->Texto_Blanco ? QColor(Qt::white) : QColor(Qt::black), forma.puntos, forma.desplazamiento, true);
}

void Dibujo::Numero(int v, const QColor& color, double puntos, QPointF desplazamiento, bool negrita)
{
    const Anotado vertice(lienzo_, Lienzo::Objeto::Clase::Vertice, v);
    lienzo_.PonerColorFrente(color);
    lienzo_.Texto(Centro(v) + desplazamiento, GeometriaArista::TextoNumero(v), puntos, negrita);
}
