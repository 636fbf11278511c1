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
    indice_.clear();
    indexado_ = true;
    huecos_ = 0;
    moviles_.clear();
    completa_ = true;
    // The surface below is cleared when the picture is next wanted
    // (Reponer), and all drawn meanwhile is painted then, once: a run that
    // redraws the graph and then marks every edge paints each line once.
    cambios_ = QRectF(0, 0, Ancho(), Alto());
    borrado_ = {cambios_};
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
                   },
                   [](const Hueco&) { return QRectF(); }},
        t.forma);
}

void LienzoMemoria::Piezas(const Trazo& t, std::vector<QRectF>& piezas)
{
    const auto* l = std::get_if<LineaT>(&t.forma);
    const QRectF alcance = Alcance(t);
    if (!l) {
        // A vertex is a white disc and its outline: one piece for both.
        if (!alcance.isEmpty() && (piezas.empty() || piezas.back() != alcance))
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
    if (borrado_.size() > MaxPiezas) {
        QRectF limites;
        for (const QRectF& pieza : borrado_)
            limites = limites.united(pieza);
        borrado_ = {limites};
    }
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
    // A shape that lies wholly where the picture is to be painted again from
    // memory is drawn then, in its turn: drawing it now as well would be
    // painted over. A run that takes edges away and draws them again in its
    // colours so paints each once.
    const bool seGuarda = ModoPluma() == Pluma::Copiar && completa_;
    // The memory is about to give up: what it owes the surface goes first.
    if (seGuarda && cuenta_ + 1 >= MaxTrazos)
        Reponer();
    if (!seGuarda || !PorReponer(Alcance(trazo)))
        Dibujar(trazo, destino_);
    if (ModoPluma() == Pluma::Copiar)
        Guardar(std::move(trazo));
}

bool LienzoMemoria::PorReponer(const QRectF& alcance) const
{
    const QRectF visible = alcance & QRectF(0, 0, Ancho(), Alto());
    return std::ranges::any_of(borrado_, [&](const QRectF& pieza) { return pieza.contains(visible); });
}

void LienzoMemoria::Guardar(Trazo trazo)
{
    if (!completa_)
        return;
    if (cuenta_ >= MaxTrazos) {
        completa_ = false;
        trazos_ = std::make_shared<std::vector<Trazo>>();
        cuenta_ = 0;
        indice_.clear();
        huecos_ = 0;
        return;
    }
    // Drawing over an earlier picture put back: the later primitives stay
    // with the pictures that have them.
    if (trazos_->size() != cuenta_)
        trazos_ = std::make_shared<std::vector<Trazo>>(trazos_->begin(), trazos_->begin() + cuenta_);
    if (indexado_)
        indice_.emplace(Clave(trazo.forma), cuenta_);
    trazos_->push_back(std::move(trazo));
    ++cuenta_;
}

std::size_t LienzoMemoria::Clave(const Forma& forma)
{
    // + 0.0 makes -0 a plain 0, which compares equal to it.
    const auto h = [](double x) { return std::hash<double>{}(x + 0.0); };
    const auto punto = [&h](QPointF p) { return h(p.x()) * 31 + h(p.y()); };
    return std::visit(Sobrecarga{[&](const CirculoT& c) { return punto(c.centro) * 31 + h(c.radio); },
                                 [&](const LineaT& l) { return punto(l.desde) * 31 + punto(l.hasta); },
                                 [&](const TextoT& x) { return punto(x.esquina) * 31 + qHash(x.texto); },
                                 [](const Hueco&) { return std::size_t(0); }},
                      forma) *
               4 +
           forma.index();
}

void LienzoMemoria::Indexar()
{
    indice_.clear();
    indexado_ = true;
    huecos_ = 0;
    for (std::size_t i = 0; i < cuenta_; ++i) {
        const Forma& forma = (*trazos_)[i].forma;
        if (std::holds_alternative<Hueco>(forma))
            ++huecos_;
        else
            indice_.emplace(Clave(forma), i);
    }
}

void LienzoMemoria::Propia()
{
    auto propia = std::make_shared<std::vector<Trazo>>();
    propia->reserve(cuenta_ - huecos_);
    std::copy_if(trazos_->begin(), trazos_->begin() + std::ptrdiff_t(cuenta_), std::back_inserter(*propia),
                 [](const Trazo& t) { return !std::holds_alternative<Hueco>(t.forma); });
    trazos_ = std::move(propia);
    cuenta_ = trazos_->size();
    Indexar();
}

// Every drawing of the shape goes, whatever its colour and width. Remembered
// pictures keep theirs: the surface then takes a list of its own.
void LienzoMemoria::Quitar(const Forma& forma)
{
    if (!indexado_)
        Indexar();
    const std::size_t clave = Clave(forma);
    const auto presente = [&] {
        const auto [desde, hasta] = indice_.equal_range(clave);
        return std::any_of(desde, hasta, [&](const auto& par) { return (*trazos_)[par.second].forma == forma; });
    };
    if (!presente())
        return;
    if (trazos_.use_count() > 1 || trazos_->size() != cuenta_)
        Propia();
    auto [desde, hasta] = indice_.equal_range(clave);
    while (desde != hasta) {
        Trazo& t = (*trazos_)[desde->second];
        if (!(t.forma == forma)) {
            ++desde;
            continue;
        }
        Borrado(t);
        t.forma = Hueco{};
        ++huecos_;
        desde = indice_.erase(desde);
    }
    // Holes cost a step in every walk of the list: past half of it, tidy.
    if (2 * huecos_ > cuenta_)
        Propia();
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
                          [&](const TextoT& x) { s.Texto(x.esquina, x.texto, x.puntos, x.negrita); },
                          [](const Hueco&) {}},
               t.forma);
}

void LienzoMemoria::Repetir(Lienzo& otro) const
{
    Trazar(*trazos_, cuenta_, otro);
    RepetirMoviles(otro);
}

void LienzoMemoria::Repetir(const Instantanea& foto, Lienzo& otro)
{
    if (foto.completa)
        Trazar(*foto.trazos, foto.cuenta, otro);
}

void LienzoMemoria::Trazar(const std::vector<Trazo>& trazos, std::size_t cuenta, Lienzo& otro)
{
    otro.Limpiar();
    otro.PonerModoPluma(Pluma::Copiar);
    for (std::size_t i = 0; i < cuenta; ++i)
        Dibujar(trazos[i], otro);
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
    // Indexed when a shape is first taken away: a picture put back to be
    // looked at (the timeline) never needs it.
    indexado_ = false;
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
