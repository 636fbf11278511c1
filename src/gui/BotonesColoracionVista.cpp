#include "gui/BotonesColoracionVista.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>

#include "algorithms/BotonesColoracion.h"
#include "run/Traza.h"

PanelBrelazVista::PanelBrelazVista(QWidget* padre, const QRect& lugar)
    : QWidget(padre, Qt::Tool | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Brelaz_PasoAPaso"));
    auto* columnas = new QHBoxLayout(this);
    columnas->setContentsMargins(2, 2, 2, 2);
    columnas->setSpacing(2);
    const QString nombres[3] = {QStringLiteral("Vértice"), QStringLiteral("Grado"),
                                QStringLiteral("Grado de saturación")};
    for (int i = 0; i < 3; ++i) {
        columnas_[i] = new QTextEdit(this);
        columnas_[i]->setObjectName(QStringLiteral("RichTextBox%1").arg(i + 1));
        columnas_[i]->setAccessibleName(nombres[i]);
        columnas_[i]->setReadOnly(true);
        columnas_[i]->setFocusPolicy(Qt::NoFocus);
        columnas_[i]->setFont(QFont(QStringLiteral("Arial"), 8));
        // A third of the panel each, however narrow.
        columnas_[i]->setMinimumWidth(0);
        columnas_[i]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        // Only the last column shows a scroll bar; the others follow it.
        if (i < 2)
            columnas_[i]->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        QPalette paleta = columnas_[i]->palette();
        paleta.setColor(QPalette::Base, FondoTraza);
        columnas_[i]->setPalette(paleta);
        columnas->addWidget(columnas_[i]);
    }
    for (int i = 0; i < 2; ++i)
        connect(columnas_[2]->verticalScrollBar(), &QScrollBar::valueChanged, columnas_[i]->verticalScrollBar(),
                &QScrollBar::setValue);
    setGeometry(lugar);
}

// A painted vertex's line stays, in white on white, so the lines below it
// do not move.
void PanelBrelazVista::Mostrar(const PanelBrelaz& panel)
{
    const auto& filas = panel.Filas();
    for (int i = 0; i < 3; ++i) {
        QTextDocument* documento = columnas_[i]->document();
        documento->clear();
        QTextCursor cursor(documento);
        QTextBlockFormat centrado;
        centrado.setAlignment(Qt::AlignHCenter);
        cursor.setBlockFormat(centrado);
        for (int v = 1; v < int(filas.size()); ++v) {
            const int valor = i == 0 ? v : i == 1 ? filas[v].grado : filas[v].saturacion;
            QTextCharFormat letra;
            letra.setForeground(filas[v].borrada ? FondoTraza : QColor(Qt::black));
            if (v > 1)
                cursor.insertBlock(centrado);
            cursor.insertText(QString::number(valor), letra);
        }
        columnas_[i]->moveCursor(QTextCursor::Start);
    }
}

BotonesColoracionVista::BotonesColoracionVista(BotonesColoracion& modelo, QWidget* principal, int altoTextoPx,
                                               const QRect& panel, std::function<void()> refrescar)
    : VentanaPaso(principal, modelo.Texto()), modelo_(modelo), refrescar_(std::move(refrescar))
{
    OfrecerFolleto(BotonesColoracion::TextoGuardarPasos(), [this] {
        modelo_.GuardarPasos();
        if (refrescar_)
            refrescar_();
    });
    const auto botones =
        Colocar(principal, altoTextoPx,
                {{BotonesColoracion::TextoContinuar(), [this] { Pulsar(&BotonesColoracion::Continuar); }},
                 {BotonesColoracion::TextoTerminar(), [this] { Pulsar(&BotonesColoracion::Terminar); }},
                 {BotonesColoracion::TextoImprimir(), [this] { modelo_.Imprimir(); }}},
                &modelo.Pasos(), [this] {
                    if (refrescar_)
                        refrescar_();
                    Mostrar();
                });
    ColocarReproduccion(modelo.Mando(), [this] { Seguir(); });
    continuar_ = botones.front();
    continuar_->setDefault(true);
    AtajoExportar([this] { modelo_.Exportar(); });
    if (modelo.Panel()) {
        panel_ = new PanelBrelazVista(this, panel);
        panel_->show();
    }
    Mostrar();
}

void BotonesColoracionVista::Pulsar(void (BotonesColoracion::*accion)())
{
    (modelo_.*accion)();
    Seguir();
    if (!modelo_.Cerrado())
        continuar_->setFocus();
}

void BotonesColoracionVista::Seguir()
{
    if (refrescar_)
        refrescar_();
    if (modelo_.Cerrado()) {
        accept();
        return;
    }
    Mostrar();
}

void BotonesColoracionVista::Mostrar()
{
    MostrarTexto(modelo_.Texto(), modelo_.PosicionCursor());
    if (panel_ && modelo_.Panel())
        panel_->Mostrar(*modelo_.Panel());
}
