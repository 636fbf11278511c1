#include "drawing/LienzoMemoria.h"

#include <algorithm>
#include <utility>

namespace {

template <class... F> struct Sobrecarga : F... {
    using F::operator()...;
};
template <class... F> Sobrecarga(F...) -> Sobrecarga<F...>;

// Room around a shape for half its width, the smoothing and the half-pixel
// shift of a pixel grid: a screen pixel is 15 twips.
constexpr double TwipsPorPixel = 15;
constexpr double Holgura = 3 * TwipsPorPixel;
// Generous bounds of a number's glyphs: no digit is wider than an em nor
// taller than two lines.
constexpr double TwipsPorPunto = 20;

} // namespace

void LienzoMemoria::Limpiar()
{
    ++version_;
    // A remembered picture keeps the old primitives; the new ones go apart.
    if (trazos_.use_count() == 1)
        trazos_->clear();
    else
        trazos_ = std::make_shared<std::vector<Trazo>>();
    cuenta_ = 0;
    moviles_.clear();
    completa_ = true;
    borrado_ = {};
    cambios_ = QRectF(0, 0, Ancho(), Alto());
    destino_.Limpiar();
}

QRectF LienzoMemoria::Alcance(const Trazo& t)
{
    const double m = t.estado.ancho * TwipsPorPixel + Holgura;
    return std::visit(Sobrecarga{[&](const CirculoT& c) {
                                     const double r = c.radio + m;
                                     return QRectF(c.centro - QPointF(r, r), c.centro + QPointF(r, r));
                                 },
                                 [&](const LineaT& l) {
                                     return QRectF(l.desde, l.hasta).normalized().adjusted(-m, -m, m, m);
                                 },
                                 [&](const TextoT& x) {
                                     const double em = x.puntos * TwipsPorPunto;
                                     return QRectF(x.esquina, QSizeF((x.texto.size() + 1) * em, 2 * em))
                                         .adjusted(-Holgura, -Holgura, Holgura, Holgura);
                                 }},
                      t.forma);
}

void LienzoMemoria::Tratar(Forma forma)
{
    ++version_;
    Trazo trazo{{ColorFrente(), AnchoLinea()}, std::move(forma)};
    Cambio(Alcance(trazo));
    switch (ModoPluma()) {
    case Pluma::Invertir:
        Alternar(trazo);
        return;
    case Pluma::Borrar:
        if (completa_) {
            Quitar(trazo.forma);
            return;
        }
        break;
    case Pluma::Copiar:
        break;
    }
    destino_.PonerModoPluma(ModoPluma());
    Dibujar(trazo, destino_);
    if (ModoPluma() == Pluma::Copiar)
        Guardar(std::move(trazo));
}

void LienzoMemoria::Guardar(Trazo trazo)
{
    if (!completa_)
        return;
    if (cuenta_ >= MaxTrazos) {
        completa_ = false;
        trazos_ = std::make_shared<std::vector<Trazo>>();
        cuenta_ = 0;
        return;
    }
    // Drawing over an earlier picture put back: the later primitives stay
    // with the pictures that have them.
    if (trazos_->size() != cuenta_)
        trazos_ = std::make_shared<std::vector<Trazo>>(trazos_->begin(), trazos_->begin() + cuenta_);
    trazos_->push_back(std::move(trazo));
    ++cuenta_;
}

// Every drawing of the shape goes, whatever its colour and width. Remembered
// pictures keep theirs: the surface takes a list of its own.
void LienzoMemoria::Quitar(const Forma& forma)
{
    auto propios = std::make_shared<std::vector<Trazo>>();
    propios->reserve(cuenta_);
    for (std::size_t i = 0; i < cuenta_; ++i) {
        const Trazo& t = (*trazos_)[i];
        if (t.forma == forma)
            borrado_ = borrado_.united(Alcance(t));
        else
            propios->push_back(t);
    }
    trazos_ = std::move(propios);
    cuenta_ = trazos_->size();
    Cambio(borrado_);
}

void LienzoMemoria::Alternar(const Trazo& trazo)
{
    if (auto it = std::ranges::find(moviles_, trazo); it != moviles_.end())
        moviles_.erase(it);
    else
        moviles_.push_back(trazo);
}

void LienzoMemoria::Circulo(QPointF centro, double radio, std::optional<QColor> relleno)
{
    Tratar(CirculoT{centro, radio, relleno});
}

void LienzoMemoria::Linea(QPointF desde, QPointF hasta)
{
    Tratar(LineaT{desde, hasta});
}

void LienzoMemoria::Texto(QPointF esquina, const QString& texto, double puntos, bool negrita)
{
    Tratar(TextoT{esquina, texto, puntos, negrita});
}

// The pen is the caller's: a remembered shape is always drawn with the copying pen.
void LienzoMemoria::Dibujar(const Trazo& t, Lienzo& s)
{
    s.PonerColorFrente(t.estado.color);
    s.PonerAnchoLinea(t.estado.ancho);
    std::visit(Sobrecarga{[&](const CirculoT& c) { s.Circulo(c.centro, c.radio, c.relleno); },
                          [&](const LineaT& l) { s.Linea(l.desde, l.hasta); },
                          [&](const TextoT& x) { s.Texto(x.esquina, x.texto, x.puntos, x.negrita); }},
               t.forma);
}

void LienzoMemoria::Repetir(Lienzo& otro) const
{
    otro.Limpiar();
    otro.PonerModoPluma(Pluma::Copiar);
    for (std::size_t i = 0; i < cuenta_; ++i)
        Dibujar((*trazos_)[i], otro);
    RepetirMoviles(otro);
}

LienzoMemoria::Instantanea LienzoMemoria::Recordar() const
{
    Instantanea foto;
    foto.trazos = trazos_;
    foto.cuenta = cuenta_;
    foto.completa = completa_;
    return foto;
}

void LienzoMemoria::Restaurar(const Instantanea& foto)
{
    if (!foto.completa)
        return;
    ++version_;
    trazos_ = foto.trazos;
    cuenta_ = foto.cuenta;
    completa_ = true;
    moviles_.clear();
    borrado_ = {};
    cambios_ = QRectF(0, 0, Ancho(), Alto());
    Repetir(destino_);
}

void LienzoMemoria::RepetirMoviles(Lienzo& otro) const
{
    otro.PonerModoPluma(Pluma::Copiar);
    for (const Trazo& t : moviles_)
        Dibujar(t, otro);
}

// Only what reaches the erased rectangle is drawn again, and only inside it.
void LienzoMemoria::Reponer()
{
    if (borrado_.isEmpty())
        return;
    destino_.Recortar(borrado_);
    destino_.PonerModoPluma(Pluma::Copiar);
    destino_.Limpiar();
    for (std::size_t i = 0; i < cuenta_; ++i)
        if (const Trazo& t = (*trazos_)[i]; Alcance(t).intersects(borrado_))
            Dibujar(t, destino_);
    destino_.Recortar(std::nullopt);
    borrado_ = {};
}

QRectF LienzoMemoria::TomarCambios()
{
    return std::exchange(cambios_, QRectF());
}
