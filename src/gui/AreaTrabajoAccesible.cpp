#include "gui/AreaTrabajoAccesible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>

#include "drawing/Dibujo.h"
#include "gui/AreaTrabajoVista.h"
#include "model/Grafo.h"
#include "ui/DescripcionAccesible.h"
#include "ui/Principal.h"

namespace {

class AreaAccesible;

// One vertex or edge, by its place in the list; what it stands for is read
// anew each time, so that an item never holds on to a graph that changed.
class ElementoAccesible : public QAccessibleInterface {
public:
    ElementoAccesible(AreaAccesible& area, int indice) : area_(area), indice_(indice) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;

private:
    AreaAccesible& area_;
    int indice_;
};

class AreaAccesible : public QAccessibleWidget {
public:
    explicit AreaAccesible(AreaTrabajoVista* area)
        : QAccessibleWidget(area, QAccessible::List, QStringLiteral("Área de trabajo"))
    {
    }
    ~AreaAccesible() override
    {
        for (QAccessibleInterface* elemento : std::as_const(elementos_))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(elemento));
    }

    Principal& Ventana() const { return static_cast<AreaTrabajoVista*>(widget())->Ventana(); }
    int Vertices() const { return Ventana().grafo().dimen(); }
    std::vector<AristaGrafo> Aristas() const { return AristasDe(Ventana().grafo()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return DescribirGrafo(Ventana().grafo());
        if (t == QAccessible::Description)
            return QStringLiteral("Área de trabajo: el grafo, sus vértices y sus aristas");
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return Vertices() + int(Aristas().size()); }
    QAccessibleInterface* child(int indice) const override
    {
        if (indice < 0 || indice >= childCount())
            return nullptr;
        QAccessibleInterface*& elemento = elementos_[indice];
        if (!elemento) {
            elemento = new ElementoAccesible(const_cast<AreaAccesible&>(*this), indice);
            QAccessible::registerAccessibleInterface(elemento);
        }
        return elemento;
    }
    int indexOfChild(const QAccessibleInterface* hijo) const override
    {
        for (auto e = elementos_.cbegin(); e != elementos_.cend(); ++e)
            if (e.value() == hijo)
                return e.key() < childCount() ? e.key() : -1;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int k = 0; k < Vertices(); ++k)
            if (child(k)->rect().contains(x, y))
                return child(k);
        return nullptr;
    }
    // A point of the picture, in twips, on the screen.
    QPoint EnPantalla(double x, double y) const
    {
        return widget()->mapToGlobal(
            QPoint(int(x / AreaTrabajoVista::TwipsPorPixel), int(y / AreaTrabajoVista::TwipsPorPixel)));
    }

private:
    mutable QHash<int, QAccessibleInterface*> elementos_;
};

bool ElementoAccesible::isValid() const
{
    return indice_ < area_.childCount();
}

QWindow* ElementoAccesible::window() const
{
    return area_.window();
}

QAccessibleInterface* ElementoAccesible::parent() const
{
    return &area_;
}

QString ElementoAccesible::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name || !isValid())
        return {};
    const Grafo& grafo = area_.Ventana().grafo();
    const Dibujo& dibujo = area_.Ventana().dibujo();
    if (indice_ < area_.Vertices())
        return DescribirVertice(grafo, indice_ + 1, dibujo.ResalteVertice(indice_ + 1));
    const AristaGrafo arista = area_.Aristas()[std::size_t(indice_ - area_.Vertices())];
    return DescribirArista(grafo, arista.a, arista.b, dibujo.ResalteArista(arista.a, arista.b));
}

QRect ElementoAccesible::rect() const
{
    if (!isValid())
        return {};
    const Grafo& grafo = area_.Ventana().grafo();
    if (indice_ < area_.Vertices()) {
        const int v = indice_ + 1;
        const double x = grafo.Posic_CoordX(v), y = grafo.Posic_CoordY(v);
        return QRect(area_.EnPantalla(x - Dibujo::Radio, y - Dibujo::Radio),
                     area_.EnPantalla(x + Dibujo::Radio, y + Dibujo::Radio));
    }
    const AristaGrafo arista = area_.Aristas()[std::size_t(indice_ - area_.Vertices())];
    return QRect(area_.EnPantalla(grafo.Posic_CoordX(arista.a), grafo.Posic_CoordY(arista.a)),
                 area_.EnPantalla(grafo.Posic_CoordX(arista.b), grafo.Posic_CoordY(arista.b)))
        .normalized();
}

QAccessible::State ElementoAccesible::state() const
{
    QAccessible::State estado;
    estado.invalid = !isValid();
    estado.readOnly = true;
    return estado;
}

// The area has no meta-object of its own: Qt asks for it as a QWidget.
QAccessibleInterface* Fabrica(const QString&, QObject* objeto)
{
    if (auto* area = dynamic_cast<AreaTrabajoVista*>(objeto))
        return new AreaAccesible(area);
    return nullptr;
}

} // namespace

void InstalarAccesibilidadArea()
{
    static const bool instalada = [] {
        QAccessible::installFactory(&Fabrica);
        return true;
    }();
    (void)instalada;
}
