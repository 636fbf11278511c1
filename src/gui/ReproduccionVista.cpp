#include "gui/ReproduccionVista.h"

#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSlider>

#include "run/MandoReproduccion.h"
#include "run/PasoMostrado.h"
#include "run/Reproduccion.h"

namespace {

QSettings Ajustes()
{
    return QSettings(QStringLiteral("Nodeva"), QStringLiteral("Nodeva"));
}

const QString ClaveRitmo = QStringLiteral("pasos/ritmo");

} // namespace

ReproduccionVista::ReproduccionVista(MandoReproduccion& mando, QWidget* ventana, std::function<void()> trasMover)
    : QWidget(ventana), mando_(mando), trasMover_(std::move(trasMover))
{
    auto* fila = new QHBoxLayout(this);
    fila->setContentsMargins(0, 0, 0, 0);
    boton_ = new QPushButton(this);
    connect(boton_, &QPushButton::clicked, this, [this] { Mover([this] { mando_.Alternar(); }); });
    ritmo_ = new QDoubleSpinBox(this);
    ritmo_->setRange(Reproduccion::RitmoMinimo, Reproduccion::RitmoMaximo);
    ritmo_->setSingleStep(0.25);
    ritmo_->setSuffix(QStringLiteral(" s por paso"));
    ritmo_->setAccessibleName(QStringLiteral("Segundos por paso"));
    ritmo_->setValue(mando_.Juego().Ritmo());
    connect(ritmo_, &QDoubleSpinBox::valueChanged, this, [this](double segundos) {
        mando_.Juego().PonerRitmo(segundos);
        reloj_.stop();
        Mostrar();
    });
    linea_ = new QSlider(Qt::Horizontal, this);
    linea_->setPageStep(1);
    linea_->setAccessibleName(QStringLiteral("Línea de tiempo de los pasos"));
    linea_->installEventFilter(this);
    connect(linea_, &QSlider::valueChanged, this, [this](int k) { Mover([this, k] { mando_.IrAlPaso(k); }); });
    fila->addWidget(boton_);
    fila->addWidget(ritmo_);
    fila->addWidget(linea_, 1);

    reloj_.setSingleShot(true);
    connect(&reloj_, &QTimer::timeout, this, [this] { Mover([this] { mando_.Tic(); }); });
    Atajo(Qt::Key_Space, [this] { mando_.Alternar(); });
    Atajo(Qt::Key_Home, [this] { mando_.AlPrimero(); });
    Atajo(Qt::Key_End, [this] { mando_.AlUltimo(); });
}

void ReproduccionVista::Atajo(int tecla, std::function<void()> accion)
{
    auto* atajo = new QShortcut(QKeySequence(tecla), parentWidget());
    connect(atajo, &QShortcut::activated, this, [this, accion = std::move(accion)] { Mover(accion); });
}

void ReproduccionVista::Mover(const std::function<void()>& accion)
{
    accion();
    trasMover_();
}

void ReproduccionVista::Mostrar()
{
    const PasoMostrado& pasos = mando_.Pasos();
    boton_->setText(mando_.Juego().Rotulo());
    {
        const QSignalBlocker quieto(linea_);
        linea_->setRange(1, pasos.Total());
        linea_->setValue(pasos.Mostrado());
    }
    if (!mando_.Juego().Reproduciendo())
        reloj_.stop();
    else if (!reloj_.isActive())
        reloj_.start(mando_.Juego().Milisegundos());
}

// At the timeline's end, one more step forward goes on with the run.
bool ReproduccionVista::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == linea_ && evento->type() == QEvent::KeyPress && linea_->value() == linea_->maximum()) {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if (tecla == Qt::Key_Right || tecla == Qt::Key_Up || tecla == Qt::Key_PageUp) {
            Mover([this] { mando_.IrAlPaso(linea_->maximum() + 1); });
            return true;
        }
    }
    return QWidget::eventFilter(objeto, evento);
}

void RecordarRitmo(Reproduccion& juego)
{
    juego.PonerRitmo(Ajustes().value(ClaveRitmo, Reproduccion::RitmoPorDefecto).toDouble());
    juego.AlCambiarRitmo([](double segundos) { Ajustes().setValue(ClaveRitmo, segundos); });
}
