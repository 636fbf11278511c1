#include "gui/ImprimirVista.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/IconosBarra.h"
#include "ui/Imprimir.h"

namespace {

// A picture that chooses its orientation when clicked, like its option button.
class DibujoPulsable : public QLabel {
public:
    DibujoPulsable(const QString& recurso, QSize tamaño, std::function<void()> alPulsar, QWidget* padre)
        : QLabel(padre), alPulsar_(std::move(alPulsar))
    {
        setPixmap(DibujoSvg(recurso, tamaño, devicePixelRatioF()));
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void mousePressEvent(QMouseEvent*) override { alPulsar_(); }

private:
    std::function<void()> alPulsar_;
};

} // namespace

ImprimirVista::ImprimirVista(Imprimir& modelo, QWidget* padre) : QDialog(padre), modelo_(modelo)
{
    setWindowTitle(Imprimir::Titulo());
    auto* izquierda = new QVBoxLayout;
    izquierda->addWidget(CrearMarcoImprimir());
    izquierda->addWidget(CrearMarcoOrientacion());
    izquierda->addWidget(CrearCopias());

    aceptar_ = new QPushButton(Imprimir::TextoAceptar(), this);
    aceptar_->setDefault(true);
    auto* cancelar = new QPushButton(Imprimir::TextoCancelar(), this);
    pdf_ = new QPushButton(Imprimir::TextoPdf(), this);
    connect(aceptar_, &QPushButton::clicked, this, [this] { modelo_.Aceptar(); });
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
    connect(pdf_, &QPushButton::clicked, this, [this] { modelo_.GuardarPdf(); });
    auto* botones = new QVBoxLayout;
    botones->addWidget(aceptar_);
    botones->addWidget(cancelar);
    botones->addSpacing(12);
    botones->addWidget(pdf_);
    botones->addStretch();

    auto* todo = new QHBoxLayout(this);
    todo->addLayout(izquierda);
    todo->addLayout(botones);
    todo->setSizeConstraint(QLayout::SetFixedSize);

    modelo_.alCambiar = [this] { Refrescar(); };
    Refrescar();
}

ImprimirVista::~ImprimirVista()
{
    modelo_.alCambiar = nullptr;
}

QWidget* ImprimirVista::CrearMarcoImprimir()
{
    auto* marco = new QGroupBox(Imprimir::TextoFrame1(), this);
    check1_ = new QCheckBox(Imprimir::TextoCheck1(), marco);
    check2_ = new QCheckBox(Imprimir::TextoCheck2(), marco);
    connect(check1_, &QCheckBox::clicked, this, [this](bool marcado) { modelo_.Check1_Click(marcado); });
    connect(check2_, &QCheckBox::clicked, this, [this](bool marcado) { modelo_.Check2_Click(marcado); });
    auto* columna = new QVBoxLayout(marco);
    columna->addWidget(check1_);
    columna->addWidget(check2_);
    return marco;
}

QWidget* ImprimirVista::CrearMarcoOrientacion()
{
    auto* marco = new QGroupBox(Imprimir::TextoFrame2(), this);
    orientaciones_ = new QButtonGroup(this);
    auto* rejilla = new QGridLayout(marco);
    auto* vertical = new DibujoPulsable(
        QStringLiteral(":/iconos/hoja_vertical.svg"), QSize(32, 40), [this] { modelo_.Picture1_Click(); }, marco);
    auto* horizontal = new DibujoPulsable(
        QStringLiteral(":/iconos/hoja_horizontal.svg"), QSize(40, 32), [this] { modelo_.Picture2_Click(); }, marco);
    for (int i = 0; i < 2; ++i) {
        auto* opcion = new QRadioButton(marco);
        opcion->setAccessibleName(i == 0 ? QStringLiteral("Vertical") : QStringLiteral("Horizontal"));
        orientaciones_->addButton(opcion, i);
        rejilla->addWidget(opcion, 0, 2 * i);
        rejilla->addWidget(i == 0 ? static_cast<QWidget*>(vertical) : horizontal, 0, 2 * i + 1);
    }
    connect(orientaciones_, &QButtonGroup::idClicked, this, [this](int i) { modelo_.Option1_Click(i); });
    return marco;
}

QWidget* ImprimirVista::CrearCopias()
{
    auto* fila = new QWidget(this);
    auto* disposicion = new QHBoxLayout(fila);
    disposicion->setContentsMargins(0, 0, 0, 0);
    text1_ = new QLineEdit(fila);
    text1_->setReadOnly(true);
    text1_->setAlignment(Qt::AlignRight);
    text1_->setFixedWidth(48);
    up_ = new QToolButton(fila);
    up_->setArrowType(Qt::UpArrow);
    down_ = new QToolButton(fila);
    down_->setArrowType(Qt::DownArrow);
    connect(up_, &QToolButton::clicked, this, [this] { modelo_.Up(); });
    connect(down_, &QToolButton::clicked, this, [this] { modelo_.Down(); });
    auto* copias = new QLabel(Imprimir::TextoCopias(), fila);
    copias->setBuddy(text1_);
    up_->setAccessibleName(QStringLiteral("Una copia más"));
    down_->setAccessibleName(QStringLiteral("Una copia menos"));
    disposicion->addWidget(copias);
    disposicion->addWidget(text1_);
    auto* flechas = new QVBoxLayout;
    flechas->setSpacing(0);
    flechas->addWidget(up_);
    flechas->addWidget(down_);
    disposicion->addLayout(flechas);
    disposicion->addStretch();
    return fila;
}

void ImprimirVista::Refrescar()
{
    check1_->setChecked(modelo_.Check1());
    check2_->setChecked(modelo_.Check2());
    check2_->setEnabled(modelo_.Check2Habilitado());
    orientaciones_->button(modelo_.Orientacion() - 1)->setChecked(true);
    text1_->setText(modelo_.Text1());
    up_->setEnabled(modelo_.UpHabilitado());
    down_->setEnabled(modelo_.DownHabilitado());
    aceptar_->setEnabled(modelo_.AceptarHabilitado());
    pdf_->setEnabled(modelo_.AceptarHabilitado());
    // The model's closing is what ends the window, however it was asked for.
    if (modelo_.Cerrado() && isVisible())
        QDialog::done(Accepted);
}

void ImprimirVista::done(int resultado)
{
    if (modelo_.Cerrado())
        QDialog::done(resultado);
    else
        modelo_.Cancelar();
}
