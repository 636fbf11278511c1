#include "gui/IconosBarra.h"

#include <QPainter>
#include <QSvgRenderer>

#include "ui/MenuPrincipal.h"

namespace {

QString RecursoBarra(int indice)
{
    namespace I = ImagenBarra;
    switch (indice) {
    case I::Nuevo: return QStringLiteral("nuevo");
    case I::Abrir: return QStringLiteral("abrir");
    case I::GuardarInactiva: return QStringLiteral("guardar_inactiva");
    case I::Guardar: return QStringLiteral("guardar");
    case I::Deshacer: return QStringLiteral("deshacer");
    case I::Matriz: return QStringLiteral("matriz");
    case I::Imprimir: return QStringLiteral("imprimir");
    case I::EliminarInactiva: return QStringLiteral("eliminar_inactiva");
    case I::AñadirVerticeInactiva: return QStringLiteral("anadir_vertice_inactiva");
    case I::AñadirVertice: return QStringLiteral("anadir_vertice");
    case I::AñadirArista: return QStringLiteral("anadir_arista");
    case I::CambiarPeso: return QStringLiteral("cambiar_peso");
    case I::Unir: return QStringLiteral("unir");
    case I::AñadirAristaInactiva: return QStringLiteral("anadir_arista_inactiva");
    case I::CambiarPesoInactiva: return QStringLiteral("cambiar_peso_inactiva");
    case I::UnirInactiva: return QStringLiteral("unir_inactiva");
    case I::Eliminar: return QStringLiteral("eliminar");
    default: return {};
    }
}

} // namespace

QPixmap DibujoSvg(const QString& recurso, QSize tamaño, qreal escala)
{
    QSvgRenderer svg(recurso);
    QPixmap pixmap(tamaño * escala);
    pixmap.fill(Qt::transparent);
    QPainter pintor(&pixmap);
    svg.render(&pintor);
    pintor.end();
    pixmap.setDevicePixelRatio(escala);
    return pixmap;
}

// Rendered here at one and two times the size rather than left to the SVG
// icon plugin, so the pictures never depend on a plugin being installed.
QIcon IconoBarra(int indice)
{
    const QString nombre = RecursoBarra(indice);
    if (nombre.isEmpty())
        return {};
    const QString recurso = QStringLiteral(":/iconos/%1.svg").arg(nombre);
    QIcon icono;
    for (const qreal escala : {1.0, 2.0})
        icono.addPixmap(DibujoSvg(recurso, QSize(24, 24), escala));
    return icono;
}
