#include "gui/PrincipalVista.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "files/NombreFichero.h"
#include "gui/AcercaNodevaVista.h"
#include "gui/AreaTrabajoAccesible.h"
#include "gui/AreaTrabajoVista.h"
#include "gui/InteraccionQt.h"
#include "gui/Presentacion.h"
#include "gui/ReproduccionVista.h"
#include "run/BotonesInterrupcion.h"
#include "ui/MenuPrincipal.h"

namespace {

constexpr double Twips = AreaTrabajoVista::TwipsPorPixel;

int Pixeles(int twips)
{
    return static_cast<int>(std::lround(twips / Twips));
}

QRect Pixeles(const Rectangulo& r)
{
    return {Pixeles(r.izquierda), Pixeles(r.arriba), Pixeles(r.ancho), Pixeles(r.alto)};
}

// The band above the work area (600 twips) holds the toolbars on the left
// and, on the right, two rows: titles and x above, the list and y below.
constexpr int AltoBanda = 40;
constexpr int FilaArriba = 2;
constexpr int FilaAbajo = 19;
constexpr int AltoFila = 17;

} // namespace

PrincipalVista::PrincipalVista(Interaccion& interaccion, QWidget* padre) : QMainWindow(padre), principal_(interaccion)
{
    InstalarAccesibilidadArea();
    centro_ = new QWidget(this);
    centro_->setObjectName(QStringLiteral("Principal"));
    centro_->setMinimumSize(static_cast<int>(std::ceil(AnchoMinimoVentana / Twips)),
                            static_cast<int>(std::ceil((AltoMinimoVentana - AltoMarcoVentana) / Twips)));
    setCentralWidget(centro_);
    controles_.CrearMenus(menuBar(), [this](const QString& control) { Orden(control); });
    CrearBarras();
    CrearPartesInferiores();
    CrearFilaSuperior();
    principal_.Comandos().AlCambiar(
        [this](const QString& control, const EstadoControl& estado) { controles_.Aplicar(control, estado); });
    controles_.AplicarTodo(principal_.Comandos());
    centro_->installEventFilter(this);
    const Disposicion& d = principal_.Geometria();
    resize(Pixeles(d.ancho), Pixeles(d.alto - AltoMarcoVentana) + menuBar()->sizeHint().height());
    Refrescar();
    // The recovery copy's schedule; the interval itself is the logic's.
    auto* reloj = new QTimer(this);
    connect(reloj, &QTimer::timeout, this, [this] { principal_.RevisarCopia(); });
    reloj->start(1000);
}

// The parts show state the logic owns (the trace pane shows its document),
// so they go before it rather than with the window after it.
PrincipalVista::~PrincipalVista()
{
    principal_.Comandos().AlCambiar(nullptr);
    delete centro_;
}

void PrincipalVista::CrearBarras()
{
    auto alPulsar = [this](const BotonBarra& b) { Boton(b); };
    barra1_ = controles_.CrearBarra(QStringLiteral("Toolbar1"), centro_, alPulsar);
    barra2_ = controles_.CrearBarra(QStringLiteral("Toolbar2"), centro_, alPulsar);
}

QLabel* PrincipalVista::Etiqueta(const QString& nombre, const QString& texto)
{
    auto* etiqueta = new QLabel(texto, centro_);
    etiqueta->setObjectName(nombre);
    return etiqueta;
}

void PrincipalVista::CrearFilaSuperior()
{
    check1_ = new QCheckBox(QStringLiteral("Pesos Aleatorios"), centro_);
    check1_->setObjectName(QStringLiteral("Check1"));
    connect(check1_, &QCheckBox::clicked, this, [this](bool marcado) { AlMarcarPesos(marcado); });
    etiX_ = Etiqueta(QStringLiteral("eti_x"), QStringLiteral("x:"));
    etiY_ = Etiqueta(QStringLiteral("eti_y"), QStringLiteral("y:"));
    coordX_ = Etiqueta(QStringLiteral("coord_x"), QString());
    coordY_ = Etiqueta(QStringLiteral("coord_y"), QString());
    titTipo_ = Etiqueta(QStringLiteral("Tit_Tipo"), QStringLiteral("TIPO DE GRAFO"));
    combo1_ = new QComboBox(centro_);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    combo1_->setAccessibleName(QStringLiteral("Tipo de grafo"));
    // A weighted graph's list is too narrow for "Digrafo Ponderado" with the
    // style's own left margin.
    combo1_->setStyleSheet(QStringLiteral("QComboBox { padding-left: 3px; }"));
    for (const QString& elemento : ElementosCombo1)
        combo1_->addItem(elemento);
    // Only a person's choice counts; the list is set back from the logic.
    connect(combo1_, &QComboBox::activated, this, [this](int indice) { AlCambiarTipo(indice); });
    controles_.Registrar(QStringLiteral("Combo1"), combo1_);

    // The menus' own font: the band reads as part of the same window.
    QFont letra = menuBar()->font();
    for (QWidget* w : std::initializer_list<QWidget*>{check1_, etiX_, etiY_, coordX_, coordY_, combo1_})
        w->setFont(letra);
    letra.setBold(true);
    titTipo_->setFont(letra);
}

void PrincipalVista::CrearPartesInferiores()
{
    frame1_ = new QFrame(centro_);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->setStyleSheet(
        QStringLiteral("QFrame#Frame1 { background: #f5f8fc; border: 1px solid #c8d3df; border-radius: 6px; }"));
    auto* marco = new QVBoxLayout(frame1_);
    marco->setContentsMargins(32, 24, 32, 24);
    marco->addWidget(CrearPresentacion(frame1_), 0, Qt::AlignCenter);

    area_ = new AreaTrabajoVista(
        principal_, [this] { Refrescar(); }, centro_);
    textPeq_ = new QTextEdit(centro_);
    textPeq_->setObjectName(QStringLiteral("text_peq"));
    textPeq_->setAccessibleName(QStringLiteral("Resultados del algoritmo"));
    textPeq_->setDocument(&principal_.text_peq());
    textPeq_->setReadOnly(true);
    textPeq_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Its padding is written in this colour to be invisible, enabled or not.
    QPalette paleta = textPeq_->palette();
    paleta.setColor(QPalette::Base, FondoTraza);
    textPeq_->setPalette(paleta);
    textPeq_->installEventFilter(this);
    aceptar_ = new QPushButton(QStringLiteral("Aceptar"), centro_);
    aceptar_->setObjectName(QStringLiteral("Aceptar"));
    connect(aceptar_, &QPushButton::clicked, this, [this] {
        principal_.Aceptar_Click();
        Refrescar();
    });
    folleto_ = new QPushButton(BotonesInterrupcion::TextoGuardarPasos(), centro_);
    connect(folleto_, &QPushButton::clicked, this, [this] {
        principal_.GuardarPasosPdf();
        Refrescar();
    });
}

// --- showing the logic's state ----------------------------------------------------

void PrincipalVista::Refrescar()
{
    const VistaPrincipal& v = principal_.Vista();
    setWindowTitle(principal_.Titulo());
    // The work area follows the new size as it does on maximizing.
    if (v.pantallaCompleta != isFullScreen())
        v.pantallaCompleta ? showFullScreen() : showMaximized();
    // The start-up panel lies under the work area: a rejected file that hides
    // the area uncovers it again.
    frame1_->setVisible(v.panelInicio || !v.areaVisible);
    area_->setVisible(v.areaVisible);
    area_->setEnabled(v.areaHabilitada);
    area_->setCursor(v.cursorCruz ? Qt::CrossCursor : Qt::ArrowCursor);
    for (QWidget* w : std::initializer_list<QWidget*>{etiX_, etiY_, coordX_, coordY_, titTipo_, combo1_})
        w->setVisible(v.etiquetas);
    combo1_->setCurrentIndex(v.combo1);
    check1_->setVisible(v.check1Visible);
    check1_->setEnabled(v.check1Habilitado);
    check1_->setChecked(v.check1Marcado);
    aceptar_->setVisible(v.aceptarVisible);
    aceptar_->setEnabled(v.aceptarHabilitado);
    folleto_->setVisible(v.folletoVisible);
    principal_.trazaPanel().Volcar(); // what the run has written so far
    textPeq_->setVisible(v.textoVisible);
    textPeq_->setEnabled(v.textoHabilitado);
    coordX_->setText(v.coordX);
    coordY_->setText(v.coordY);
    Colocar(principal_.Geometria());
    // After the pane has its width: the caret's line depends on the wrapping.
    if (std::optional<int>& cursor = principal_.Vista().cursorTraza) {
        ColocarCursorTraza(*cursor);
        cursor.reset();
    }
    area_->MostrarCambios();
}

void PrincipalVista::ColocarCursorTraza(int cursor)
{
    QTextCursor c(&principal_.text_peq());
    c.setPosition(std::clamp(cursor, 0, principal_.text_peq().characterCount() - 1));
    textPeq_->setTextCursor(c);
    textPeq_->ensureCursorVisible();
}

void PrincipalVista::Atender(InteraccionQt& persona)
{
    persona.PonerVentana(this);
    persona.AlEsperar([this] { Refrescar(); });
    RecordarRitmo(principal_.Marco().Juego());
}

void PrincipalVista::Colocar(const Disposicion& d)
{
    const int yBarra = (AltoBanda - barra1_->sizeHint().height()) / 2;
    barra1_->setGeometry(QRect(QPoint(Pixeles(50), yBarra), barra1_->sizeHint()));
    barra2_->setGeometry(QRect(QPoint(barra1_->geometry().right() + 6, yBarra), barra2_->sizeHint()));
    frame1_->setGeometry(Pixeles(d.areaTrabajo));
    // While a tour hides the trace pane, the work area's white runs down
    // over its place instead of the window's grey.
    QRect area = Pixeles(d.areaTrabajo);
    if (!principal_.Vista().textoVisible)
        area.setBottom(Pixeles(d.textoPeq).bottom());
    area_->setGeometry(area);
    textPeq_->setGeometry(Pixeles(d.textoPeq));
    aceptar_->setGeometry(Pixeles(d.aceptar));

    check1_->setGeometry(Pixeles(d.check1), (AltoBanda - AltoFila) / 2, Pixeles(d.etiX - d.check1), AltoFila);
    // Never over the toolbars, in a narrow window.
    const int xFolleto = std::max(Pixeles(d.folleto), barra2_->geometry().right() + 12);
    folleto_->setGeometry(xFolleto, yBarra, Pixeles(AnchoFolleto), barra2_->sizeHint().height());
    etiX_->setGeometry(Pixeles(d.etiX), FilaArriba, Pixeles(d.coordX - d.etiX), AltoFila);
    etiY_->setGeometry(Pixeles(d.etiX), FilaAbajo, Pixeles(d.coordX - d.etiX), AltoFila);
    coordX_->setGeometry(Pixeles(d.coordX), FilaArriba, Pixeles(d.titTipo - d.coordX), AltoFila);
    coordY_->setGeometry(Pixeles(d.coordX), FilaAbajo, Pixeles(d.titTipo - d.coordX), AltoFila);
    const int anchoLista = Pixeles(d.ancho - d.combo1 - 45);
    titTipo_->setGeometry(Pixeles(d.titTipo), FilaArriba - 1, anchoLista, AltoFila);
    combo1_->setGeometry(Pixeles(d.combo1), FilaAbajo - 1, anchoLista, AltoBanda - FilaAbajo);
}

// --- forwarding ---------------------------------------------------------------------

void PrincipalVista::Orden(const QString& control)
{
    if (control == QStringLiteral("Salir")) {
        close();
        return;
    }
    if (control == QStringLiteral("Acerca")) {
        principal_.AnularDeshacer();
        Refrescar();
        AcercaNodevaVista(this).exec();
    } else {
        principal_.Ejecutar(control);
    }
    Refrescar();
}

void PrincipalVista::Boton(const BotonBarra& boton)
{
    principal_.EjecutarBoton(boton.barra, boton.clave);
    // Qt flips a checkable button on every click; the logic says whether it is down.
    const QString clave = EstadoComandos::Boton(boton.barra, boton.clave);
    controles_.Aplicar(clave, principal_.Comandos().Leer(clave));
    Refrescar();
}

void PrincipalVista::AlCambiarTipo(int indice)
{
    principal_.Combo1_Click(indice);
    Refrescar();
}

void PrincipalVista::AlMarcarPesos(bool marcado)
{
    principal_.Check1_Click(marcado);
    Refrescar();
    if (principal_.Vista().areaVisible)
        area_->setFocus();
}

void PrincipalVista::AbrirArchivo(const QString& ruta)
{
    principal_.AbrirArchivo(NombreDesdeBytes(RutaAbsoluta(ruta)));
    Refrescar();
}

// Keys the focused part leaves alone reach the window; Escape asks a run
// to stop at its next pause. Enter presses Aceptar when it is shown, also
// when the focus stayed on the work area, as after the user's walk.
void PrincipalVista::keyPressEvent(QKeyEvent* evento)
{
    const int tecla = evento->key();
    const VistaPrincipal& v = principal_.Vista();
    if (tecla == Qt::Key_Escape) {
        principal_.Escape();
        Refrescar();
    } else if ((tecla == Qt::Key_Return || tecla == Qt::Key_Enter) && v.aceptarVisible && v.aceptarHabilitado) {
        principal_.Aceptar_Click();
        Refrescar();
    } else {
        QMainWindow::keyPressEvent(evento);
    }
}

// A run waiting for a click or a second runs its own loop of events: told
// as Escape tells it, it stops, and the program can end.
void PrincipalVista::closeEvent(QCloseEvent* evento)
{
    principal_.Marco().EscapePulsado = true;
    // Salir asks nothing: what is not saved waits in the copy for the next start.
    principal_.CopiarYa();
    QMainWindow::closeEvent(evento);
}

bool PrincipalVista::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == centro_ && evento->type() == QEvent::Resize) {
        principal_.Form_Resize(static_cast<int>(centro_->width() * Twips),
                               static_cast<int>(centro_->height() * Twips) + AltoMarcoVentana);
        Refrescar();
    } else if (objeto == textPeq_ && evento->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
            principal_.Aceptar_Click();
            Refrescar();
            return true;
        }
    }
    return QMainWindow::eventFilter(objeto, evento);
}
