#include "drawing/LienzoMemoria.h"

namespace {

template <class... F> struct Sobrecarga : F... {
    using F::operator()...;
};
template <class... F> Sobrecarga(F...) -> Sobrecarga<F...>;

} // namespace

void LienzoMemoria::PasarEstado(Lienzo& s) const
{
    s.PonerColorFrente(ColorFrente());
    s.PonerAnchoLinea(AnchoLinea());
    s.PonerModoPluma(ModoPluma());
}

void LienzoMemoria::Limpiar()
{
    // A remembered picture keeps the old primitives; the new ones go apart.
    if (trazos_.use_count() == 1)
        trazos_->clear();
    else
        trazos_ = std::make_shared<std::vector<Trazo>>();
    cuenta_ = 0;
    completa_ = true;
    destino_.Limpiar();
}

void LienzoMemoria::Guardar(std::variant<CirculoT, LineaT, TextoT> forma)
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
    trazos_->push_back({{ColorFrente(), AnchoLinea(), ModoPluma()}, std::move(forma)});
    ++cuenta_;
}

void LienzoMemoria::Circulo(QPointF centro, double radio, std::optional<QColor> relleno)
{
    PasarEstado(destino_);
    destino_.Circulo(centro, radio, relleno);
    Guardar(CirculoT{centro, radio, relleno});
}

void LienzoMemoria::Linea(QPointF desde, QPointF hasta)
{
    PasarEstado(destino_);
    destino_.Linea(desde, hasta);
    Guardar(LineaT{desde, hasta});
}

void LienzoMemoria::Texto(QPointF esquina, const QString& texto, double puntos, bool negrita)
{
    PasarEstado(destino_);
    destino_.Texto(esquina, texto, puntos, negrita);
    Guardar(TextoT{esquina, texto, puntos, negrita});
}

void LienzoMemoria::Dibujar(const Trazo& t, Lienzo& s)
{
    s.PonerColorFrente(t.estado.color);
    s.PonerAnchoLinea(t.estado.ancho);
    s.PonerModoPluma(t.estado.pluma);
    std::visit(Sobrecarga{[&](const CirculoT& c) { s.Circulo(c.centro, c.radio, c.relleno); },
                          [&](const LineaT& l) { s.Linea(l.desde, l.hasta); },
                          [&](const TextoT& x) { s.Texto(x.esquina, x.texto, x.puntos, x.negrita); }},
               t.forma);
}

void LienzoMemoria::Repetir(Lienzo& otro) const
{
    otro.Limpiar();
    for (std::size_t i = 0; i < cuenta_; ++i)
        Dibujar((*trazos_)[i], otro);
    otro.PonerModoPluma(Pluma::Copiar);
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
    trazos_ = foto.trazos;
    cuenta_ = foto.cuenta;
    completa_ = true;
    Repetir(destino_);
}
