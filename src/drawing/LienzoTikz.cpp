#include "drawing/LienzoTikz.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <set>
#include <tuple>
#include <utility>

namespace {

using Clase = Lienzo::Objeto::Clase;

constexpr double TwipsPorPunto = 20;
// A line-width pixel is 15 twips: three quarters of a point.
constexpr double PuntosPorPixel = Lienzo::TwipsPorPixel / TwipsPorPunto;
// Arial's ascent and the advance of a space, in ems: the screen writes a
// text's baseline and its first character this far from the corner it is
// given, and so does the picture, whatever font the document takes.
constexpr double AscensoArial = 0.905;
constexpr double EspacioArial = 0.278;
// The bearings the drawing computes stray from the line between two centres
// by under a twip (a horizontal edge leans 0.3 degrees).
constexpr double Holgura = 2;
// What the drawing writes a vertex's number and a weight in, and its vertex
// circle: the styles' defaults, so the common case needs no option.
constexpr double PuntosVertice = 10;
constexpr double PuntosDosCifras = 7;
constexpr double PuntosDosCifrasNegrita = 8; // the colouring's
constexpr double PuntosRotulo = 7;
constexpr double RadioVertice = 110;

QString Decimal(double valor)
{
    const QString texto = QString::number(valor, 'f', 2);
    return texto == QStringLiteral("-0.00") ? QStringLiteral("0.00") : texto;
}

QString Centimetros(double twips)
{
    return Decimal(twips / LienzoTikz::TwipsPorCentimetro) + QStringLiteral("cm");
}

QString Fuente(double puntos, bool negrita)
{
    return QStringLiteral("\\sffamily%1\\fontsize{%2}{%3}\\selectfont")
        .arg(negrita ? QStringLiteral("\\bfseries") : QString(), QString::number(puntos),
             QString::number(puntos * 1.2));
}

QString Grosor(int ancho)
{
    return QStringLiteral("line width=%1pt").arg(ancho * PuntosPorPixel);
}

// Text as LaTeX sets it: its special characters escaped, control characters
// left out.
QString TextoLatex(const QString& texto)
{
    QString escrito;
    for (const QChar c : texto) {
        switch (c.unicode()) {
        case u'\\': escrito += QStringLiteral("\\textbackslash{}"); break;
        case u'~': escrito += QStringLiteral("\\textasciitilde{}"); break;
        case u'^': escrito += QStringLiteral("\\textasciicircum{}"); break;
        case u'{':
        case u'}':
        case u'$':
        case u'&':
        case u'#':
        case u'%':
        case u'_':
            escrito += u'\\';
            escrito += c;
            break;
        default:
            if (c.unicode() >= 0x20 && c.unicode() != 0x7F)
                escrito += c;
        }
    }
    return escrito;
}

// The picture's colours by name, each defined once. The drawing's own black,
// white, red and blue get Spanish names; any other is named by its value.
class Tintas {
public:
    Tintas()
    {
        Nombre(Qt::black);
        Nombre(Qt::white);
    }
    QString Nombre(const QColor& color)
    {
        const QRgb rgb = color.rgb();
        for (const auto& [valor, nombre] : usadas_)
            if (valor == rgb)
                return nombre;
        static const std::map<QRgb, QString> conocidas = {{qRgb(0, 0, 0), QStringLiteral("negro")},
                                                          {qRgb(255, 255, 255), QStringLiteral("blanco")},
                                                          {qRgb(255, 0, 0), QStringLiteral("rojo")},
                                                          {qRgb(0, 0, 255), QStringLiteral("azul")}};
        const auto conocida = conocidas.find(rgb);
        QString nombre = conocida != conocidas.end() ? conocida->second : QStringLiteral("c") + color.name().mid(1);
        usadas_.emplace_back(rgb, nombre);
        return nombre;
    }
    void Definir(QStringList& lineas) const
    {
        for (const auto& [valor, nombre] : usadas_)
            lineas << QStringLiteral("\\definecolor{%1}{RGB}{%2,%3,%4}")
                          .arg(nombre)
                          .arg(qRed(valor))
                          .arg(qGreen(valor))
                          .arg(qBlue(valor));
    }

private:
    std::vector<std::pair<QRgb, QString>> usadas_;
};

} // namespace

bool LienzoTikz::Trazo::MismaForma(const Trazo& otro) const
{
    return tipo == otro.tipo && a == otro.a && b == otro.b && medida == otro.medida && relleno == otro.relleno &&
           texto == otro.texto && negrita == otro.negrita;
}

void LienzoTikz::Tratar(Trazo trazo)
{
    trazo.color = ColorFrente();
    trazo.ancho = AnchoLinea();
    trazo.objeto = Anotacion();
    switch (ModoPluma()) {
    case Pluma::Invertir: {
        const auto igual = std::ranges::find_if(moviles_, [&](const Trazo& t) {
            return t.MismaForma(trazo) && t.color == trazo.color && t.ancho == trazo.ancho;
        });
        if (igual != moviles_.end())
            moviles_.erase(igual);
        else
            moviles_.push_back(std::move(trazo));
        return;
    }
    case Pluma::Borrar: std::erase_if(trazos_, [&](const Trazo& t) { return t.MismaForma(trazo); }); return;
    case Pluma::Copiar: trazos_.push_back(std::move(trazo)); return;
    }
}

void LienzoTikz::Limpiar()
{
    if (recortado_)
        return;
    trazos_.clear();
    moviles_.clear();
}

void LienzoTikz::Circulo(QPointF centro, double radio, std::optional<QColor> relleno)
{
    Tratar({.tipo = Trazo::Tipo::Circulo, .a = centro, .medida = radio, .relleno = relleno});
}

void LienzoTikz::Linea(QPointF desde, QPointF hasta)
{
    Tratar({.tipo = Trazo::Tipo::Linea, .a = desde, .b = hasta});
}

void LienzoTikz::Texto(QPointF esquina, const QString& texto, double puntos, bool negrita)
{
    Tratar({.tipo = Trazo::Tipo::Texto, .a = esquina, .medida = puntos, .texto = texto, .negrita = negrita});
}

class LienzoTikz::Redaccion {
public:
    explicit Redaccion(const LienzoTikz& lienzo) : lienzo_(lienzo) {}
    QString Figura();

private:
    // A vertex as it shows at the end: its circle's last outline and fill,
    // and its number unless a filled circle covered it since.
    struct Nodo {
        QPointF centro{};
        double radio = 0;
        QColor contorno{};
        int ancho = 1;
        std::optional<QColor> relleno{};
        const Trazo* numero = nullptr;
    };

    std::vector<const Trazo*> Visibles() const;
    QString Punto(QPointF twips) const;
    QString Opciones(QStringList opciones, const QColor& color, const QString& clave, int ancho = 1);
    QString Vertice(int v, const Nodo& nodo);
    // The command, and what it draws whichever way it runs.
    std::pair<QString, QString> Arista(const Trazo& t);
    QString Rotulo(const Trazo& t);
    QString Suelto(const Trazo& t);

    const LienzoTikz& lienzo_;
    Tintas tintas_;
    std::map<int, Nodo> nodos_;
    double radio_ = RadioVertice; // the style's
};

// What shows at the end: a shape drawn again over itself hides what it
// covers of the earlier drawing, so that one goes. A filled circle hides any
// circle of its size with no wider outline, an outline only outlines, a line
// the same line no wider, a text the same text.
std::vector<const LienzoTikz::Trazo*> LienzoTikz::Redaccion::Visibles() const
{
    using Clave = std::tuple<Trazo::Tipo, double, double, double, double, double, QString, bool>;
    std::map<Clave, int> cualquiera, lleno; // the widest later drawing of each shape
    std::vector<const Trazo*> todos, quedan;
    for (const auto* lista : {&lienzo_.trazos_, &lienzo_.moviles_})
        for (const Trazo& t : *lista)
            todos.push_back(&t);
    for (auto it = todos.rbegin(); it != todos.rend(); ++it) {
        const Trazo* t = *it;
        const bool circulo = t->tipo == Trazo::Tipo::Circulo;
        const Clave clave{t->tipo, t->a.x(), t->a.y(), t->b.x(), t->b.y(), t->medida, t->texto, t->negrita};
        const int ancho = t->tipo == Trazo::Tipo::Texto ? 0 : t->ancho;
        const auto& tapan = circulo && t->relleno ? lleno : cualquiera;
        if (const auto tapa = tapan.find(clave); tapa == tapan.end() || tapa->second < ancho)
            quedan.push_back(t);
        int& mayor = cualquiera.try_emplace(clave, ancho).first->second;
        mayor = std::max(mayor, ancho);
        if (circulo && t->relleno) {
            int& mayorLleno = lleno.try_emplace(clave, ancho).first->second;
            mayorLleno = std::max(mayorLleno, ancho);
        }
    }
    std::reverse(quedan.begin(), quedan.end());
    return quedan;
}

// y is turned within the surface's height, but no more than a position of
// the record reaches: a taller area would only lift the figure, past the
// 575 cm TeX can measure.
QString LienzoTikz::Redaccion::Punto(QPointF twips) const
{
    const double cm = TwipsPorCentimetro;
    const double alto = std::min(lienzo_.alto_, int(std::numeric_limits<std::int16_t>::max()));
    return QStringLiteral("(%1,%2)").arg(Decimal(twips.x() / cm), Decimal((alto - twips.y()) / cm));
}

// The style's options, then the colour under `clave` and the width where
// they are not the style's black and one pixel.
QString LienzoTikz::Redaccion::Opciones(QStringList opciones, const QColor& color, const QString& clave, int ancho)
{
    if (color.rgb() != QColor(Qt::black).rgb())
        opciones << (clave.isEmpty() ? QString() : clave + QStringLiteral("=")) + tintas_.Nombre(color);
    if (ancho == 2)
        opciones << QStringLiteral("gruesa");
    else if (ancho != 1)
        opciones << Grosor(ancho);
    return QStringLiteral("[%1]").arg(opciones.join(QStringLiteral(", ")));
}

QString LienzoTikz::Redaccion::Vertice(int v, const Nodo& nodo)
{
    QStringList opciones{QStringLiteral("vertice")};
    // The number's font, by the name of its style when it has one.
    static const std::map<std::pair<double, bool>, QString> fuentes = {
        {{PuntosVertice, false}, {}},
        {{PuntosDosCifras, false}, QStringLiteral("dos cifras")},
        {{PuntosVertice, true}, QStringLiteral("negrita")},
        {{PuntosDosCifrasNegrita, true}, QStringLiteral("dos cifras negrita")}};
    if (const Trazo* n = nodo.numero) {
        const auto fuente = fuentes.find({n->medida, n->negrita});
        if (fuente == fuentes.end())
            opciones << QStringLiteral("font=") + Fuente(n->medida, n->negrita);
        else if (!fuente->second.isEmpty())
            opciones << fuente->second;
    }
    if (nodo.radio != radio_)
        opciones << QStringLiteral("minimum size=") + Centimetros(2 * nodo.radio);
    if (!nodo.relleno)
        opciones << QStringLiteral("fill=none");
    else if (nodo.relleno->rgb() != QColor(Qt::white).rgb())
        opciones << QStringLiteral("fill=") + tintas_.Nombre(*nodo.relleno);
    if (nodo.numero && nodo.numero->color.rgb() != QColor(Qt::black).rgb())
        opciones << QStringLiteral("text=") + tintas_.Nombre(nodo.numero->color);
    return QStringLiteral("\\node%1 (v%2) at %3 {%4};")
        .arg(Opciones(opciones, nodo.contorno, QStringLiteral("draw"), nodo.ancho))
        .arg(v)
        .arg(Punto(nodo.centro), nodo.numero ? TextoLatex(nodo.numero->texto.trimmed()) : QString());
}

// Between the names of its vertices when it runs from one's circle to the
// other's along the line between their centres, as TikZ would draw it.
std::pair<QString, QString> LienzoTikz::Redaccion::Arista(const Trazo& t)
{
    const auto borde = [](QPointF p, const Nodo& desde, const Nodo& hacia) {
        const QPointF d = hacia.centro - desde.centro;
        const double largo = std::hypot(d.x(), d.y());
        const QPointF salida = desde.centro + d * (desde.radio / largo) - p;
        return largo > desde.radio + hacia.radio && std::hypot(salida.x(), salida.y()) <= Holgura;
    };
    QString desde = Punto(t.a), hasta = Punto(t.b);
    const auto a = nodos_.find(t.objeto.a), b = nodos_.find(t.objeto.b);
    if (a != nodos_.end() && b != nodos_.end()) {
        const QString va = QStringLiteral("(v%1)").arg(a->first), vb = QStringLiteral("(v%1)").arg(b->first);
        if (borde(t.a, a->second, b->second) && borde(t.b, b->second, a->second))
            std::tie(desde, hasta) = std::pair(va, vb);
        else if (borde(t.a, b->second, a->second) && borde(t.b, a->second, b->second))
            std::tie(desde, hasta) = std::pair(vb, va);
    }
    const QString opciones = Opciones({QStringLiteral("arista")}, t.color, {}, t.ancho);
    return {QStringLiteral("\\draw%1 %2 -- %3;").arg(opciones, desde, hasta),
            opciones + std::min(desde, hasta) + std::max(desde, hasta)};
}

// Where the screen puts the text: its first character after the leading
// spaces, on the baseline.
QString LienzoTikz::Redaccion::Rotulo(const Trazo& t)
{
    qsizetype espacios = 0;
    while (espacios < t.texto.size() && t.texto[espacios] == u' ')
        ++espacios;
    const double em = t.medida * TwipsPorPunto;
    const QPointF base = t.a + QPointF(double(espacios) * EspacioArial * em, AscensoArial * em);
    QStringList opciones;
    if (t.objeto.clase == Clase::Peso || t.objeto.clase == Clase::Etiqueta) {
        opciones << (t.objeto.clase == Clase::Peso ? QStringLiteral("peso") : QStringLiteral("etiqueta"));
        if (t.medida != PuntosRotulo || t.negrita)
            opciones << QStringLiteral("font=") + Fuente(t.medida, t.negrita);
    } else
        opciones << QStringLiteral("anchor=base west, inner sep=0pt, font=") + Fuente(t.medida, t.negrita);
    return QStringLiteral("\\node%1 at %2 {%3};")
        .arg(Opciones(opciones, t.color, QStringLiteral("text")), Punto(base), TextoLatex(t.texto.mid(espacios)));
}

// A shape that is no vertex, edge or label the picture knows of.
QString LienzoTikz::Redaccion::Suelto(const Trazo& t)
{
    if (t.tipo == Trazo::Tipo::Texto)
        return Rotulo(t);
    QStringList opciones{QStringLiteral("draw=") + tintas_.Nombre(t.color), Grosor(t.ancho)};
    if (t.tipo == Trazo::Tipo::Linea)
        return QStringLiteral("\\draw[%1] %2 -- %3;").arg(opciones.join(QStringLiteral(", ")), Punto(t.a), Punto(t.b));
    if (t.relleno)
        opciones << QStringLiteral("fill=") + tintas_.Nombre(*t.relleno);
    return QStringLiteral("\\draw[%1] %2 circle[radius=%3];")
        .arg(opciones.join(QStringLiteral(", ")), Punto(t.a), Centimetros(t.medida));
}

QString LienzoTikz::Redaccion::Figura()
{
    const std::vector<const Trazo*> visibles = Visibles();
    // A vertex is where its circle was drawn last; a circle of it elsewhere
    // is a shape of its own.
    std::map<int, QPointF> centros;
    for (const Trazo* t : visibles)
        if (t->objeto.clase == Clase::Vertice && t->tipo == Trazo::Tipo::Circulo)
            centros[t->objeto.a] = t->a;
    std::vector<const Trazo*> aristas, rotulos, sueltos;
    for (const Trazo* t : visibles) {
        const Clase clase = t->objeto.clase;
        const auto centro = centros.find(t->objeto.a);
        if (clase == Clase::Vertice && centro != centros.end() &&
            (t->tipo == Trazo::Tipo::Texto || t->a == centro->second)) {
            Nodo& nodo = nodos_.try_emplace(t->objeto.a, Nodo{.centro = centro->second}).first->second;
            if (t->tipo == Trazo::Tipo::Texto) {
                nodo.numero = t;
                continue;
            }
            nodo.radio = t->medida;
            nodo.contorno = t->color;
            nodo.ancho = t->ancho;
            if (t->relleno) {
                nodo.relleno = t->relleno;
                nodo.numero = nullptr;
            }
        } else if (clase == Clase::Arista && t->tipo == Trazo::Tipo::Linea)
            aristas.push_back(t);
        else if ((clase == Clase::Peso || clase == Clase::Etiqueta) && t->tipo == Trazo::Tipo::Texto)
            rotulos.push_back(t);
        else
            sueltos.push_back(t);
    }
    if (!nodos_.empty())
        radio_ = nodos_.begin()->second.radio;

    // The body first, so that the colours it uses are known.
    QStringList cuerpo;
    if (!nodos_.empty())
        cuerpo << QStringLiteral("% Vértices");
    for (const auto& [v, nodo] : nodos_)
        cuerpo << Vertice(v, nodo);
    if (!aristas.empty()) {
        cuerpo << QStringLiteral("% Aristas") << QStringLiteral("\\begin{pgfonlayer}{aristas}");
        // The two arcs of a pair each draw their shared line and both heads:
        // the same line, either way and to the hundredth, is written once,
        // where it was drawn last.
        QStringList lineas;
        std::set<QString> dibujadas;
        for (auto t = aristas.rbegin(); t != aristas.rend(); ++t)
            if (auto [linea, trazado] = Arista(**t); dibujadas.insert(trazado).second)
                lineas.prepend(linea);
        cuerpo << lineas << QStringLiteral("\\end{pgfonlayer}");
    }
    if (!rotulos.empty())
        cuerpo << QStringLiteral("% Pesos y etiquetas");
    for (const Trazo* t : rotulos)
        cuerpo << Rotulo(*t);
    if (!sueltos.empty())
        cuerpo << QStringLiteral("% Otros trazos");
    for (const Trazo* t : sueltos)
        cuerpo << Suelto(*t);

    const QString texto = Fuente(PuntosRotulo, false);
    QStringList lineas{QStringLiteral("\\begin{tikzpicture}"), QStringLiteral("% Colores")};
    tintas_.Definir(lineas);
    lineas << QStringLiteral("% Estilos: cambiar uno cambia todo lo que lo usa") << QStringLiteral("\\tikzset{")
           << QStringLiteral("  vertice/.style={circle, draw=negro, fill=blanco, text=negro, %1, minimum size=%2, "
                             "inner sep=0pt, font=%3},")
                  .arg(Grosor(1), Centimetros(2 * radio_), Fuente(PuntosVertice, false))
           << QStringLiteral("  dos cifras/.style={font=%1},").arg(Fuente(PuntosDosCifras, false))
           << QStringLiteral("  negrita/.style={font=%1},").arg(Fuente(PuntosVertice, true))
           << QStringLiteral("  dos cifras negrita/.style={font=%1},").arg(Fuente(PuntosDosCifrasNegrita, true))
           << QStringLiteral("  arista/.style={draw=negro, %1},").arg(Grosor(1))
           << QStringLiteral("  gruesa/.style={%1},").arg(Grosor(2))
           << QStringLiteral("  peso/.style={anchor=base west, inner sep=0pt, text=negro, font=%1},").arg(texto)
           << QStringLiteral("  etiqueta/.style={anchor=base west, inner sep=0pt, text=negro, font=%1},").arg(texto)
           << QStringLiteral("}") << QStringLiteral("% Las aristas van en una capa bajo los vértices")
           << QStringLiteral("\\pgfdeclarelayer{aristas}") << QStringLiteral("\\pgfsetlayers{aristas,main}") << cuerpo
           << QStringLiteral("\\end{tikzpicture}");
    return lineas.join(u'\n') + u'\n';
}

QString LienzoTikz::Figura() const
{
    return Redaccion(*this).Figura();
}

QString LienzoTikz::Documento() const
{
    return QStringLiteral("% Dibujo de Nodeva, para pdflatex. La figura, de \\begin{tikzpicture} a\n"
                          "% \\end{tikzpicture}, puede copiarse en cualquier documento que cargue tikz.\n"
                          "\\documentclass[tikz,border=2mm]{standalone}\n"
                          "\\begin{document}\n") +
           Figura() + QStringLiteral("\\end{document}\n");
}
