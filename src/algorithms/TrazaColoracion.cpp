#include "algorithms/TrazaColoracion.h"

#include "run/Traza.h"

namespace {

constexpr int PorLinea = 25;
const QString EtiquetaOrden = QStringLiteral("Orden de Coloración : ");
const QColor AzulOrden(0, 0, 192);

const EstiloLetra Normal{};
const EstiloLetra Invisible{false, FondoTraza};
const EstiloLetra Negrita{true, Qt::black};
const EstiloLetra NumeroOrden{true, AzulOrden};
const EstiloLetra RellenoOrden{true, FondoTraza};

// What a colour's line takes with m vertices: a line break, "Color nn : "
// and four characters a vertex, plus "," and an indented line break at the
// 26th.
int LongitudLinea(int m)
{
    return m == 0 ? 0 : m <= PorLinea ? 10 + 4 * m : 21 + 4 * m;
}

} // namespace

TrazaColoracion::TrazaColoracion(const QString& nombre, const Coloracion& coloracion) : cuenta_(coloracion.k + 1, 0)
{
    int posicion = 0;
    Insertar(posicion, nombre + u'\n', Negrita);
    finTitulo_ = base_ = posicion;
    if (nombre != TituloBrelaz)
        LineaOrden(coloracion.orden);
}

void TrazaColoracion::Insertar(int& posicion, const QString& texto, const EstiloLetra& estilo)
{
    texto_.insert(posicion, texto);
    estilos_.insert(estilos_.begin() + posicion, texto.size(), estilo);
    posicion += int(texto.size());
}

int TrazaColoracion::Numero(int& posicion, int numero, const EstiloLetra& estilo, const EstiloLetra& relleno)
{
    if (numero < 10)
        Insertar(posicion, QStringLiteral("_"), relleno);
    const int inicio = posicion;
    Insertar(posicion, QString::number(numero), estilo);
    return inicio;
}

void TrazaColoracion::LineaOrden(const ListaVertices& orden)
{
    int posicion = base_;
    Insertar(posicion, u'\n' + EtiquetaOrden, Normal);
    for (int i = 1; i < int(orden.size()); ++i) {
        if (i == PorLinea + 1) {
            // The second line starts under the first one's numbers.
            Insertar(posicion, QStringLiteral(",\n"), NumeroOrden);
            Insertar(posicion, EtiquetaOrden, Invisible);
            Insertar(posicion, QString::number(orden[i]), NumeroOrden);
            continue;
        }
        if (i > 1)
            Insertar(posicion, QStringLiteral(", "), NumeroOrden);
        Numero(posicion, orden[i], NumeroOrden, RellenoOrden);
    }
    Insertar(posicion, QStringLiteral("\n"), NumeroOrden);
    base_ = posicion;
}

int TrazaColoracion::Asigna(int v, int c, bool negrita)
{
    int posicion = base_;
    for (int i = 1; i <= c; ++i)
        posicion += LongitudLinea(cuenta_[i]);
    if (cuenta_[c] == 0) {
        // The colour's number is padded after it, the vertex's before it.
        Insertar(posicion, QStringLiteral("\nColor ") + QString::number(c), Normal);
        if (c < 10)
            Insertar(posicion, QStringLiteral("_"), Invisible);
        Insertar(posicion, QStringLiteral(" : "), Normal);
    } else if (cuenta_[c] == PorLinea) {
        Insertar(posicion, QStringLiteral(",\n"), Normal);
        Insertar(posicion, QStringLiteral("Color __ : "), Invisible);
    } else {
        Insertar(posicion, QStringLiteral(", "), Normal);
    }
    ++cuenta_[c];
    return Numero(posicion, v, {negrita, Qt::black}, Invisible);
}

void TrazaColoracion::QuitarNegrita(int posicion, int v)
{
    for (int i = posicion; i < posicion + (v < 10 ? 1 : 2); ++i)
        estilos_[i].negrita = false;
}

void TrazaColoracion::EscribirEn(Traza& traza) const
{
    traza.PonerAlineacion(Qt::AlignHCenter);
    EscribirTramo(traza, 0, finTitulo_);
    traza.PonerAlineacion(Qt::AlignLeft);
    EscribirTramo(traza, finTitulo_, int(texto_.size()));
}

void TrazaColoracion::EscribirTramo(Traza& traza, int desde, int hasta) const
{
    for (int inicio = desde; inicio < hasta;) {
        int fin = inicio + 1;
        while (fin < hasta && estilos_[fin] == estilos_[inicio])
            ++fin;
        QString tramo = texto_.mid(inicio, fin - inicio);
        tramo.replace(u'\n', QStringLiteral("\r\n"));
        traza.AñadirTraza(tramo, estilos_[inicio].negrita, estilos_[inicio].color);
        inicio = fin;
    }
}
