// What the drawing remembers of each element's last colour, and how it puts
// that into words for the work area's screen-reader description.
#include <QStringList>
#include <array>

#include "drawing/Dibujo.h"
#include "model/Grafo.h"

namespace {

// The fifteen drawing colours by name, in the order of Colores.
const std::array<const char*, Colores::Cantidad> NombresColores = {
    "granate", "verde", "azul marino",  "morado", "verde azulado", "marrón rojizo", "naranja", "marrón rojizo",
    "fucsia",  "rojo",  "verde oscuro", "azul",   "marrón",        "gris",          "blanco"};

} // namespace

void Dibujo::Marcar(int v, const QColor& color, int coloracion)
{
    if (v < 1 || v > Grafo::Limite)
        return;
    if (marcasVertice_.size() <= std::size_t(v))
        marcasVertice_.resize(std::size_t(Grafo::Limite) + 1);
    marcasVertice_[std::size_t(v)] = color == QColor(Qt::black) ? Marca{} : Marca{color, coloracion};
}

int Dibujo::ClaveArista(int a, int b) const
{
    if (!grafo_.Dirigido() && b < a)
        std::swap(a, b);
    return a * (Grafo::Limite + 1) + b;
}

void Dibujo::Colorear(int v, int color, int k)
{
    const int p = Indice_Paleta(color, k);
    PintarVertice(v, p);
    if (const EntradaPaleta* entrada = Paleta_Colores(p))
        Marcar(v, entrada->color, color);
}

QString Dibujo::EnPalabras(const Marca& marca, bool deVertice) const
{
    if (!marca.color.isValid())
        return {};
    if (marca.coloracion > 0)
        return QStringLiteral("color %1").arg(marca.coloracion);
    for (int k = 1; k <= Colores::Cantidad; ++k) {
        if (colores_.Color(k) != marca.color)
            continue;
        if (leyenda_)
            for (const SignificadoColor& s : *leyenda_)
                if (s.color == k && !(deVertice ? s.vertice : s.arista).isEmpty())
                    return deVertice ? s.vertice : s.arista;
        return QStringLiteral("resaltado en ") + QString::fromUtf8(NombresColores[std::size_t(k - 1)]);
    }
    return QStringLiteral("resaltado");
}

QString Dibujo::ResalteVertice(int v) const
{
    return v >= 1 && std::size_t(v) < marcasVertice_.size() ? EnPalabras(marcasVertice_[std::size_t(v)], true)
                                                            : QString();
}

QString Dibujo::ResalteArista(int a, int b) const
{
    const auto marca = marcasArista_.constFind(ClaveArista(a, b));
    return marca == marcasArista_.constEnd() ? QString() : EnPalabras(Marca{*marca, 0}, false);
}
