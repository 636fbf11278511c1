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
    trazos_.clear();
    completa_ = true;
    destino_.Limpiar();
}

void LienzoMemoria::Recordar(std::variant<CirculoT, LineaT, TextoT> forma)
{
    if (!completa_)
        return;
    if (trazos_.size() >= MaxTrazos) {
        completa_ = false;
        trazos_ = {};
        return;
    }
    trazos_.push_back({{ColorFrente(), AnchoLinea(), ModoPluma()}, std::move(forma)});
}

void LienzoMemoria::Circulo(QPointF centro, double radio, std::optional<QColor> relleno)
{
    PasarEstado(destino_);
    destino_.Circulo(centro, radio, relleno);
    Recordar(CirculoT{centro, radio, relleno});
}

void LienzoMemoria::Linea(QPointF desde, QPointF hasta)
{
    PasarEstado(destino_);
    destino_.Linea(desde, hasta);
    Recordar(LineaT{desde, hasta});
}

void LienzoMemoria::Texto(QPointF esquina, const QString& texto, double puntos, bool negrita)
{
    PasarEstado(destino_);
    destino_.Texto(esquina, texto, puntos, negrita);
    Recordar(TextoT{esquina, texto, puntos, negrita});
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
    for (const Trazo& t : trazos_)
        Dibujar(t, otro);
    otro.PonerModoPluma(Pluma::Copiar);
}
