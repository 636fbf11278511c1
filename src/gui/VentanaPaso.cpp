#include "gui/VentanaPaso.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTextCursor>
#include <QTextEdit>

#include "gui/ReproduccionVista.h"
#include "run/PasoMostrado.h"
#include "run/Traza.h"

namespace {

// Lengths of the window's layout, in twips, turned into pixels.
constexpr int Px(int twips)
{
    return twips / 15;
}

// The column of the step buttons, wide enough for "Siguiente >" and the
// label of a long run.
constexpr int AnchoColumnaPasos = 1600;
// The handout's column, wide enough for "Guardar pasos en PDF…".
constexpr int AnchoColumnaFolleto = 2500;

} // namespace

VentanaPaso::VentanaPaso(QWidget* principal, QTextDocument& texto)
    : QDialog(principal, Qt::Tool | Qt::FramelessWindowHint)
{
    texto_ = new QTextEdit(this);
    texto_->setReadOnly(true);
    texto_->setAccessibleName(QStringLiteral("Resultados hasta este paso"));
    texto_->setDocument(&texto);
    QFont letra(QStringLiteral("Arial"));
    letra.setPointSizeF(9.75);
    texto_->setFont(letra);
    QPalette paleta = texto_->palette();
    paleta.setColor(QPalette::Base, FondoTraza);
    texto_->setPalette(paleta);
}

std::vector<QPushButton*> VentanaPaso::Colocar(QWidget* principal, int altoTextoPx,
                                               const std::vector<BotonPaso>& botones, PasoMostrado* pasos,
                                               std::function<void()> alMoverse)
{
    pasos_ = pasos;
    const QRect marco = principal ? principal->geometry() : QRect(0, 0, 840, 620);
    const int ancho = marco.width() - Px(200);
    // The step buttons take their room off the text, never off the others.
    const int columnaPasos = pasos ? Px(AnchoColumnaPasos) : 0;
    const int columnaFolleto = folleto_.accion ? Px(AnchoColumnaFolleto) : 0;
    texto_->setGeometry(Px(50), 0, ancho - Px(1385) - columnaPasos - columnaFolleto, altoTextoPx);
    const int alto = altoTextoPx + Px(80);
    setGeometry(marco.left() + Px(60), marco.bottom() - alto - Px(20), ancho, alto);

    const int izquierda = texto_->geometry().left() + texto_->width() + Px(220);
    // The buttons take the room left on the right, with the text's margin
    // beside them too: a fixed width would run past the window's edge.
    const int anchoBoton = ancho - columnaPasos - columnaFolleto - izquierda - texto_->geometry().left();
    const int altoBoton = (altoTextoPx - Px(160)) / 3;
    int arriba = Px(50);
    std::vector<QPushButton*> hechos;
    for (const BotonPaso& b : botones) {
        auto* boton = new QPushButton(b.rotulo, this);
        boton->setGeometry(izquierda, arriba, anchoBoton, altoBoton);
        connect(boton, &QPushButton::clicked, this, b.accion);
        hechos.push_back(boton);
        arriba += altoBoton + Px(30);
    }
    if (pasos)
        ColocarPasos(izquierda + anchoBoton + Px(50), columnaPasos - Px(50), altoBoton, std::move(alMoverse));
    if (folleto_.accion)
        ColocarFolleto(izquierda + anchoBoton + columnaPasos + Px(50), columnaFolleto - Px(50), altoBoton);
    return hechos;
}

void VentanaPaso::ColocarPasos(int izquierda, int anchoColumna, int altoBoton, std::function<void()> alMoverse)
{
    int arriba = Px(50);
    auto boton = [&](const QString& rotulo, void (PasoMostrado::*paso)(), Qt::Key tecla) {
        auto* b = new QPushButton(rotulo, this);
        b->setGeometry(izquierda, arriba, anchoColumna, altoBoton);
        b->setShortcut(QKeySequence(Qt::ALT | tecla));
        connect(b, &QPushButton::clicked, this, [this, paso, alMoverse] {
            (pasos_->*paso)();
            alMoverse();
        });
        arriba += altoBoton + Px(30);
        return b;
    };
    anterior_ = boton(PasoMostrado::TextoAnterior(), &PasoMostrado::Anterior, Qt::Key_Left);
    siguiente_ = boton(PasoMostrado::TextoSiguiente(), &PasoMostrado::Siguiente, Qt::Key_Right);
    etiqueta_ = new QLabel(this);
    etiqueta_->setAlignment(Qt::AlignCenter);
    etiqueta_->setWordWrap(true);
    etiqueta_->setGeometry(izquierda, arriba, anchoColumna, altoBoton);
}

void VentanaPaso::OfrecerFolleto(QString rotulo, std::function<void()> guardar)
{
    folleto_ = {std::move(rotulo), std::move(guardar)};
}

void VentanaPaso::ColocarFolleto(int izquierda, int anchoColumna, int altoBoton)
{
    auto* boton = new QPushButton(folleto_.rotulo, this);
    boton->setGeometry(izquierda, Px(50), anchoColumna, altoBoton);
    connect(boton, &QPushButton::clicked, this, folleto_.accion);
}

// The row takes its room above the window, which grows upwards: the text
// and the buttons stay where they were over the trace pane.
void VentanaPaso::ColocarReproduccion(MandoReproduccion& mando, std::function<void()> trasMover)
{
    constexpr int AltoFila = Px(450);
    reproduccion_ = new ReproduccionVista(mando, this, std::move(trasMover));
    setGeometry(geometry().adjusted(0, -AltoFila, 0, 0));
    for (QWidget* parte : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        parte->move(parte->pos() + QPoint(0, AltoFila));
    reproduccion_->setGeometry(texto_->geometry().left(), Px(40), width() - 2 * texto_->geometry().left(),
                               AltoFila - Px(60));
}

void VentanaPaso::MostrarTexto(QTextDocument& texto, int posicion)
{
    if (texto_->document() != &texto)
        texto_->setDocument(&texto);
    // The pane's letter, as the window gave the first step's copy (an
    // earlier step's is written afresh with the trace's).
    if (texto.defaultFont() != texto_->font())
        texto.setDefaultFont(texto_->font());
    LlevarCursor(posicion);
    if (reproduccion_)
        reproduccion_->Mostrar();
    if (!pasos_)
        return;
    etiqueta_->setText(pasos_->Etiqueta());
    anterior_->setEnabled(pasos_->HayAnterior());
    siguiente_->setEnabled(pasos_->HaySiguiente());
}

void VentanaPaso::LlevarCursor(int posicion)
{
    QTextCursor cursor(texto_->document());
    cursor.setPosition(posicion);
    texto_->setTextCursor(cursor);
    texto_->ensureCursorVisible();
}

// Only laid out and on screen can the text scroll its caret into view.
void VentanaPaso::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    texto_->ensureCursorVisible();
}

void VentanaPaso::changeEvent(QEvent* evento)
{
    // The run waits here: the window must not get lost behind another.
    if (evento->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible())
        raise();
    QDialog::changeEvent(evento);
}

void VentanaPaso::AtajoExportar(std::function<void()> exportar)
{
    auto* atajo = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_E), this);
    connect(atajo, &QShortcut::activated, this, std::move(exportar));
}
