#include "gui/Presentacion.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/IconosBarra.h"

namespace {

QLabel* Rotulo(const QString& texto, const char* nombre, QWidget* padre, qreal escalaLetra, bool negrita,
               const char* color)
{
    auto* rotulo = new QLabel(texto, padre);
    rotulo->setObjectName(QString::fromLatin1(nombre));
    QFont letra = rotulo->font();
    letra.setPointSizeF(letra.pointSizeF() * escalaLetra);
    letra.setBold(negrita);
    rotulo->setFont(letra);
    rotulo->setStyleSheet(QStringLiteral("color: %1;").arg(QString::fromLatin1(color)));
    return rotulo;
}

} // namespace

QWidget* CrearPresentacion(QWidget* padre)
{
    auto* panel = new QWidget(padre);
    auto* dibujo = new QLabel(panel);
    dibujo->setObjectName(QStringLiteral("Picture1"));
    dibujo->setPixmap(
        DibujoSvg(QStringLiteral(":/iconos/inicio.svg"), QSize(260, 194), padre ? padre->devicePixelRatioF() : 1.0));

    auto* textos = new QVBoxLayout;
    textos->addStretch();
    textos->addWidget(Rotulo(QStringLiteral("NODEVA"), "Label1", panel, 3.0, true, "#24425f"));
    textos->addWidget(Rotulo(QStringLiteral("Algoritmos sobre Grafos"), "Label2", panel, 1.5, true, "#3d7cc9"));
    textos->addSpacing(8);
    QLabel* descripcion =
        Rotulo(QStringLiteral("Aplicación para la enseñanza y el aprendizaje de algoritmos en grafos"),
               "lblDescription", panel, 1.0, false, "#24425f");
    descripcion->setWordWrap(true);
    descripcion->setMinimumWidth(340);
    textos->addWidget(descripcion);
    textos->addWidget(Rotulo(QStringLiteral("Versión 3"), "lblVersion", panel, 1.0, true, "#24425f"));
    textos->addSpacing(8);
    textos->addWidget(Rotulo(QStringLiteral("Programa libre, escrito por el equipo de Nodeva en C++ con Qt"),
                             "lblDisclaimer", panel, 0.9, false, "#6b7785"));
    textos->addStretch();

    auto* fila = new QHBoxLayout(panel);
    fila->setSpacing(28);
    fila->addWidget(dibujo, 0, Qt::AlignVCenter);
    fila->addLayout(textos, 1);
    panel->setMaximumWidth(700);
    return panel;
}
