#include "drawing/LienzoMemoria.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "drawing/LienzoMudo.h"

namespace {

template <class... F> struct Sobrecarga : F... {
    using F::operator()...;
};
template <class... F> Sobrecarga(F...) -> Sobrecarga<F...>;

// Room around a shape for half its width, the smoothing and the half-pixel
// shift of a pixel grid.
constexpr double Holgura = 3 * Lienzo::TwipsPorPixel;
// Generous bounds of a number's glyphs: no digit is wider than an em nor
// taller than two lines.
constexpr double TwipsPorPunto = 20;
// A line is taken away in pieces of at most this length; past this many
// pieces, their bounds are painted again at once.
constexpr double LargoPieza = 100 * Lienzo::TwipsPorPixel;
constexpr std::size_t MaxPiezas = 64;

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
    borrado_.clear();
    cambios_ = QRectF(0, 0, Ancho(), Alto());
    destino_.Limpiar();
}

double LienzoMemoria::Margen(const Estado& e)
{
    return e.ancho * TwipsPorPixel + Holgura;
}

QRectF LienzoMemoria::Alcance(const Trazo& t)
{
    const double m = Margen(t.estado);
    return std::visit(
        Sobrecarga{[&](const CirculoT& c) {
                       const double r = c.radio + m;
                       return QRectF(c.centro - QPointF(r, r), c.centro + QPointF(r, r));
                   },
                   [&](const LineaT& l) { return QRectF(l.desde, l.hasta).normalized().adjusted(-m, -m, m, m); },
                   [&](const TextoT& x) {
                       const double em = x.puntos * TwipsPorPunto;
                       return QRectF(x.esquina, QSizeF((x.texto.size() + 1) * em, 2 * em))
                           .adjusted(-Holgura, -Holgura, Holgura, Holgura);
                   }},
        t.forma);
}

void LienzoMemoria::Piezas(const Trazo& t, std::vector<QRectF>& piezas)
{
    const auto* l = std::get_if<LineaT>(&t.forma);
    const QRectF alcance = Alcance(t);
    if (!l) {
        // A vertex is a white disc and its outline: one piece for both.
        if (piezas.empty() || piezas.back() != alcance)
            piezas.push_back(alcance);
        return;
    }
    const double m = Margen(t.estado);
    const QPointF paso = l->hasta - l->desde;
    const int n = std::max(1, int(std::ceil(std::hypot(paso.x(), paso.y()) / LargoPieza)));
    for (int k = 0; k < n; ++k)
        piezas.push_back(
            QRectF(l->desde + paso * k / n, l->desde + paso * (k + 1) / n).normalized().adjusted(-m, -m, m, m));
}

// Whether a line passes near enough to a piece to touch it, counting its
// width and smoothing; other shapes always may.
bool LienzoMemoria::Cerca(const Trazo& t, const QRectF& pieza)
{
    const auto* l = std::get_if<LineaT>(&t.forma);
    if (!l)
        return true;
    const QPointF d = l->hasta - l->desde;
    const double largo = std::hypot(d.x(), d.y());
    const QPointF c = pieza.center() - l->desde;
    return largo == 0 || std::abs(d.x() * c.y() - d.y() * c.x()) / largo <=
                             std::hypot(pieza.width(), pieza.height()) / 2 + Margen(t.estado);
}

void LienzoMemoria::Borrado(const Trazo& t)
{
    Piezas(t, borrado_);
    Cambio(Alcance(t));
}

void LienzoMemoria::Tratar(Forma forma)
{
    ++version_;
    Trazo trazo{{ColorFrente(), AnchoLinea()}, std::move(forma), Anotacion()};
    Cambio(Alcance(trazo));
    switch (ModoPluma()) {
    case Pluma::Invertir: Alternar(trazo); return;
    case Pluma::Borrar:
        if (completa_) {
            Quitar(trazo.forma);
            return;
        }
        break;
    case Pluma::Copiar: break;
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
// pictures keep theirs: the surface then takes a list of its own.
void LienzoMemoria::Quitar(const Forma& forma)
{
    const auto igual = [&forma](const Trazo& t) { return t.forma == forma; };
    const auto primero = std::find_if(trazos_->begin(), trazos_->begin() + std::ptrdiff_t(cuenta_), igual);
    const auto desde = primero - trazos_->begin();
    if (desde == std::ptrdiff_t(cuenta_))
        return;
    if (trazos_.use_count() > 1 || trazos_->size() != cuenta_)
        trazos_ = std::make_shared<std::vector<Trazo>>(trazos_->begin(), trazos_->begin() + std::ptrdiff_t(cuenta_));
    const auto quedan = std::remove_if(trazos_->begin() + desde, trazos_->end(), [&](const Trazo& t) {
        if (!igual(t))
            return false;
        Borrado(t);
        return true;
    });
    trazos_->erase(quedan, trazos_->end());
    cuenta_ = trazos_->size();
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
    s.Anotar(t.objeto);
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
    for (const Trazo& t : moviles_)
        Cambio(Alcance(t));
    moviles_.clear();
    // A picture not all remembered may differ anywhere from any other.
    const bool todo = !completa_;
    if (!todo)
        BorrarDiferencias(foto);
    trazos_ = foto.trazos;
    cuenta_ = foto.cuenta;
    completa_ = true;
    if (!todo) {
        Reponer();
        return;
    }
    borrado_.clear();
    cambios_ = QRectF(0, 0, Ancho(), Alto());
    Repetir(destino_);
}

// Outside the shapes drawn in one picture and not at the same place of the
// other, both pictures had the same shapes drawn over each pixel in the same
// order: their pixels are the same.
void LienzoMemoria::BorrarDiferencias(const Instantanea& foto)
{
    const std::vector<Trazo>& actual = *trazos_;
    const std::vector<Trazo>& otra = *foto.trazos;
    // Lists are only added to while shared, so a shared one begins alike.
    const bool compartida = trazos_ == foto.trazos;
    const std::size_t comunes = std::min(cuenta_, foto.cuenta);
    for (std::size_t i = 0; i < comunes && !compartida; ++i)
        if (!(actual[i] == otra[i])) {
            Borrado(actual[i]);
            Borrado(otra[i]);
        }
    for (std::size_t i = comunes; i < cuenta_; ++i)
        Borrado(actual[i]);
    for (std::size_t i = comunes; i < foto.cuenta; ++i)
        Borrado(otra[i]);
}

LienzoMemoria::Instantanea LienzoMemoria::Grabar(const std::function<void(Lienzo&)>& dibujar) const
{
    LienzoMudo mudo(Ancho(), Alto());
    LienzoMemoria grabacion(mudo);
    grabacion.Limpiar();
    grabacion.trazos_->reserve(cuenta_);
    grabacion.PonerColorFrente(ColorFrente());
    grabacion.PonerAnchoLinea(AnchoLinea());
    dibujar(grabacion);
    return grabacion.Recordar();
}

void LienzoMemoria::RepetirMoviles(Lienzo& otro) const
{
    otro.PonerModoPluma(Pluma::Copiar);
    for (const Trazo& t : moviles_)
        Dibujar(t, otro);
}

// Only what reaches an erased piece is drawn again, and only inside it.
void LienzoMemoria::Reponer()
{
    if (borrado_.empty())
        return;
    QRectF limites;
    for (const QRectF& pieza : borrado_)
        limites = limites.united(pieza);
    if (borrado_.size() > MaxPiezas)
        borrado_ = {limites};
    std::vector<std::pair<const Trazo*, QRectF>> cerca;
    for (std::size_t i = 0; i < cuenta_; ++i) {
        const Trazo& t = (*trazos_)[i];
        if (const QRectF alcance = Alcance(t); alcance.intersects(limites))
            cerca.emplace_back(&t, alcance);
    }
    destino_.PonerModoPluma(Pluma::Copiar);
    for (const QRectF& pieza : borrado_) {
        destino_.Recortar(pieza);
        destino_.Limpiar();
        for (const auto& [t, alcance] : cerca)
            if (alcance.intersects(pieza) && Cerca(*t, pieza))
                Dibujar(*t, destino_);
    }
    destino_.Recortar(std::nullopt);
    borrado_.clear();
}

QRectF LienzoMemoria::TomarCambios()
{
    return std::exchange(cambios_, QRectF());
}
