#include "drawing/LienzoBandas.h"

#include <QThread>
#include <QThreadPool>
#include <algorithm>
#include <atomic>
#include <latch>

#include "drawing/Mezcla.h"
#include "drawing/TrazoGrueso.h"

namespace {

// Below this many primitives, starting the other painters costs more than
// they save.
constexpr std::size_t MinimoBandas = 200;

// Threads that stay for the whole session: a new thread would first have to
// load its own fonts.
QThreadPool& Ayudantes()
{
    static QThreadPool ayudantes;
    static const bool listos = [] {
        ayudantes.setExpiryTimeout(-1);
        ayudantes.setMaxThreadCount(std::max(1, LienzoBandas::Nucleos() - 1));
        return true;
    }();
    (void)listos;
    return ayudantes;
}

} // namespace

LienzoBandas::LienzoBandas(QImage& imagen, int bandas) : imagen_(imagen), bandas_(std::max(1, bandas)), directo_(imagen)
{
    for (int k = 0; k < bandas_; ++k) {
        letras_.push_back(std::make_shared<LienzoImagen::Letras>());
        lineas_.push_back(std::make_shared<MemoriaLineas>());
    }
}

LienzoBandas::~LienzoBandas()
{
    AcabarAnticipo(false);
    directo_.Terminar();
}

int LienzoBandas::Nucleos()
{
    return std::clamp(QThread::idealThreadCount(), 1, 8);
}

void LienzoBandas::Paso::Aplicar(Lienzo& s) const
{
    s.PonerColorFrente(color);
    s.PonerAnchoLinea(ancho);
    s.PonerModoPluma(pluma);
    switch (tipo) {
    case Tipo::Limpiar: s.Limpiar(); break;
    case Tipo::Circulo: s.Circulo(a, numero, opcion ? std::optional(relleno) : std::nullopt); break;
    case Tipo::Linea: s.Linea(a, b); break;
    case Tipo::Texto: s.Texto(a, texto, numero, opcion); break;
    case Tipo::Recortar: s.Recortar(opcion ? std::optional(zona) : std::nullopt); break;
    }
}

void LienzoBandas::Anotar(Paso paso)
{
    paso.color = ColorFrente();
    paso.ancho = AnchoLinea();
    paso.pluma = ModoPluma();
    pasos_.push_back(std::move(paso));
}

void LienzoBandas::Limpiar()
{
    // What was pending would be cleared away anyway, unless the clearing is
    // confined to a part of the image.
    if (!confinado_)
        pasos_.clear();
    Anotar({.tipo = Paso::Tipo::Limpiar});
}

void LienzoBandas::Circulo(QPointF centro, double radio, std::optional<QColor> relleno)
{
    Anotar({.tipo = Paso::Tipo::Circulo,
            .a = centro,
            .numero = radio,
            .opcion = relleno.has_value(),
            .relleno = relleno.value_or(QColor())});
}

void LienzoBandas::Linea(QPointF desde, QPointF hasta)
{
    Anotar({.tipo = Paso::Tipo::Linea, .a = desde, .b = hasta});
}

void LienzoBandas::Texto(QPointF esquina, const QString& texto, double puntos, bool negrita)
{
    Anotar({.tipo = Paso::Tipo::Texto, .a = esquina, .numero = puntos, .opcion = negrita, .texto = texto});
}

void LienzoBandas::Recortar(std::optional<QRectF> zona)
{
    confinado_ = zona.has_value();
    Anotar({.tipo = Paso::Tipo::Recortar, .opcion = zona.has_value(), .zona = zona.value_or(QRectF())});
}

void LienzoBandas::Terminar()
{
    if (bandas_ > 1 && pasos_.size() >= MinimoBandas) {
        PintarBandas();
    } else {
        for (const Paso& paso : pasos_)
            paso.Aplicar(directo_);
    }
    pasos_.clear();
    directo_.Terminar();
    if (!anticipar_.empty() && !anticipo_)
        EmpezarAnticipo();
}

QRect LienzoBandas::Banda(int k) const
{
    const int arriba = imagen_.height() * k / bandas_;
    const int abajo = imagen_.height() * (k + 1) / bandas_;
    return QRect(0, arriba, imagen_.width(), abajo - arriba);
}

void LienzoBandas::PintarBandas()
{
    // The helpers and the bands' memories are wanted here.
    AcabarAnticipo(false);
    directo_.Terminar();
    uchar* const bits = imagen_.bits();
    const auto pintar = [&](int k) {
        QImage vista(bits, imagen_.width(), imagen_.height(), imagen_.bytesPerLine(), imagen_.format());
        vista.setDevicePixelRatio(imagen_.devicePixelRatio());
        vista.setDotsPerMeterX(imagen_.dotsPerMeterX());
        vista.setDotsPerMeterY(imagen_.dotsPerMeterY());
        LienzoImagen banda(vista, letras_[std::size_t(k)], lineas_[std::size_t(k)]);
        banda.Confinar(Banda(k));
        for (const Paso& paso : pasos_)
            paso.Aplicar(banda);
    };
    std::latch hechas(bandas_ - 1);
    for (int k = 1; k < bandas_; ++k)
        Ayudantes().start([&, k] {
            pintar(k);
            hechas.count_down();
        });
    pintar(0);
    hechas.wait();
}

struct LienzoBandas::Anticipo {
    explicit Anticipo(int tareas) : hechas(tareas) {}
    std::atomic<bool> parar{false};
    std::atomic<bool> cortado{false};
    std::latch hechas;
};

void LienzoBandas::Anticipar(const std::vector<LineaAncha>& lineas)
{
    AcabarAnticipo(false);
    anticipar_.clear();
    // Where the bands paint a wide line by hand; elsewhere nothing is kept.
    if (bandas_ < 2 || imagen_.devicePixelRatio() != 1 || !SeMezclaAMano(imagen_, qRgb(0, 0, 0)))
        return;
    for (const LineaAncha& linea : lineas)
        if (const double ancho = directo_.AnchoEnPixeles(linea.ancho); ancho > 1)
            anticipar_.emplace_back(directo_.EnPixeles(linea.desde, linea.hasta), ancho);
}

void LienzoBandas::EmpezarAnticipo()
{
    anticipo_ = std::make_shared<Anticipo>(bandas_);
    const QRect imagen = imagen_.rect();
    for (int k = 0; k < bandas_; ++k)
        Ayudantes().start(
            [trabajo = anticipo_, &lineas = anticipar_, memoria = lineas_[std::size_t(k)], vista = Banda(k), imagen] {
                for (const auto& [linea, ancho] : lineas) {
                    if (trabajo->parar.load(std::memory_order_relaxed)) {
                        trabajo->cortado = true;
                        break;
                    }
                    const MemoriaLineas::Clave clave(linea, ancho, vista);
                    if (memoria->Buscar(clave))
                        continue;
                    MemoriaLineas::Recordada nueva;
                    nueva.aMano = CubrirLineaGruesa(imagen, vista, linea, ancho, nueva.cobertura);
                    memoria->Guardar(clave, std::move(nueva));
                }
                trabajo->hechas.count_down();
            },
            -1); // a band being painted goes first
}

void LienzoBandas::AcabarAnticipo(bool esperar)
{
    if (!anticipo_)
        return;
    if (!esperar)
        anticipo_->parar = true;
    anticipo_->hechas.wait();
    if (!anticipo_->cortado)
        anticipar_.clear();
    anticipo_.reset();
}

void LienzoBandas::EsperarAnticipo()
{
    if (!anticipar_.empty() && !anticipo_)
        EmpezarAnticipo();
    AcabarAnticipo(true);
}

std::size_t LienzoBandas::Recordado() const
{
    std::size_t bytes = 0;
    for (const auto& memoria : lineas_)
        bytes += memoria->Bytes();
    return bytes;
}
