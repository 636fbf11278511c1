// What a screen reader finds in the windows: a name on everything a person
// can act on, and the graph of the work area read out vertex by vertex.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QTextDocument>
#include <algorithm>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <string_view>

#include "algorithms/CatalogoOrdenes.h"
#include "algorithms/Estadisticas.h"
#include "gui/AsignarPesoVista.h"
#include "gui/BotonesColoracionVista.h"
#include "gui/BotonesInterrupcionVista.h"
#include "gui/CaminoVista.h"
#include "gui/EstadisticasVista.h"
#include "gui/GirarVoltearVista.h"
#include "gui/IdentificarVertVista.h"
#include "gui/ImprimirVista.h"
#include "gui/InsercionNºVertVista.h"
#include "gui/MatrizAdyVista.h"
#include "gui/PasoAPasoVista.h"
#include "gui/PrincipalVista.h"
#include "gui/PruferVista.h"
#include "gui/SelectGrafoVista.h"
#include "run/BanderasEjecucion.h"
#include "run/PasoAPaso.h"
#include "support/Aristas.h"
#include "support/EjecucionPrueba.h"
#include "support/InteraccionGuion.h"

namespace {

const std::set<QAccessible::Role> RolesInteractivos{
    QAccessible::PushButton,   QAccessible::CheckBox,       QAccessible::RadioButton, QAccessible::ComboBox,
    QAccessible::EditableText, QAccessible::SpinBox,        QAccessible::Slider,      QAccessible::MenuItem,
    QAccessible::ButtonMenu,   QAccessible::ButtonDropDown, QAccessible::List,        QAccessible::Table,
    QAccessible::PageTab};

using Controles = std::vector<std::pair<QAccessible::Role, QString>>;

// Every visible interactive element under `raiz`: its role and its name, or its role and object's name between
// brackets when it has none.
void Interactivos(QAccessibleInterface* raiz, Controles& vistos, int profundidad = 0)
{
    if (!raiz || profundidad > 30)
        return;
    if (RolesInteractivos.contains(raiz->role()) && !raiz->state().invisible) {
        const QString nombre = raiz->text(QAccessible::Name).trimmed();
        const QObject* objeto = raiz->object();
        vistos.emplace_back(
            raiz->role(),
            !nombre.isEmpty()
                ? nombre
                : QStringLiteral("[rol %1 %2]").arg(int(raiz->role())).arg(objeto ? objeto->objectName() : QString()));
    }
    for (int k = 0; k < raiz->childCount(); ++k)
        Interactivos(raiz->child(k), vistos, profundidad + 1);
}

Controles Interactivos(QObject* raiz)
{
    Controles vistos;
    Interactivos(QAccessible::queryAccessibleInterface(raiz), vistos);
    return vistos;
}

// The main window and each dialog over a model of its own, shown, its tree walked.
TEST(AccesibilidadVista, CadaControlDeLaVentanaYDeCadaDialogoTieneNombre)
{
    Grafo g;
    g.InsertarTipo("Ponderado");
    for (int v = 1; v <= 4; ++v)
        g.AñadirVertice(std::int16_t(300 * v), 500);
    InteraccionGuion persona;
    BanderasEjecucion banderas;
    const QImage imagen(QSize(60, 40), QImage::Format_RGB32);
    QTextDocument traza("traza");
    const Seleccion seleccion{.AristaSeleccionada = CodigoArista(1, 2)};
    AsignarPeso peso(g, seleccion);
    InsercionNºVert numero(g);
    numero.Indicacion = QStringLiteral("Número de vértices:");
    IdentificarVert identificar(g, [] {});
    Camino camino(4, "Dijkstra");
    Grafo otro;
    SelectGrafo tipo(otro, [](int) {});
    MatrizAdy matriz(g);
    GirarVoltear girar(
        g,
        [] {
            return DimensionesArea{8000, 6000};
        },
        persona, EfectosVer{[] {}, [] {}});
    Imprimir imprimir(persona, persona.impresora, {imagen, QSizeF(900, 600), traza, {}, "a.pdf"});
    Prufer prufer([] { return true; });
    Estadisticas estadisticas(g);
    PasoAPaso modo(banderas, "Algoritmo de Kruskal");
    const std::vector<std::pair<const char*, std::function<std::unique_ptr<QWidget>()>>> ventanas = {
        {"Principal",
         [&] {
             auto principal = std::make_unique<PrincipalVista>(persona);
             principal->resize(1000, 700);
             return principal;
         }},
        {"AsignarPeso", [&] { return std::make_unique<AsignarPesoVista>(peso); }},
        {"InsercionNºVert", [&] { return std::make_unique<InsercionNºVertVista>(numero); }},
        {"IdentificarVert", [&] { return std::make_unique<IdentificarVertVista>(identificar); }},
        {"Camino", [&] { return std::make_unique<CaminoVista>(camino); }},
        {"SelectGrafo", [&] { return std::make_unique<SelectGrafoVista>(tipo); }},
        {"MatrizAdy", [&] { return std::make_unique<MatrizAdyVista>(matriz); }},
        {"GirarVoltear", [&] { return std::make_unique<GirarVoltearVista>(girar); }},
        {"Imprimir", [&] { return std::make_unique<ImprimirVista>(imprimir); }},
        {"Prufer", [&] { return std::make_unique<PruferVista>(prufer); }},
        {"Estadisticas", [&] { return std::make_unique<EstadisticasVista>(estadisticas); }},
        {"PasoAPaso", [&] { return std::make_unique<PasoAPasoVista>(modo); }},
    };
    for (const auto& [nombre, crear] : ventanas) {
        const std::unique_ptr<QWidget> ventana = crear();
        ventana->show();
        QStringList faltan;
        for (const auto& [rol, control] : Interactivos(ventana.get()))
            if (control.startsWith('['))
                faltan << control;
        EXPECT_TRUE(faltan.isEmpty()) << nombre << ": " << faltan.join(", ").toStdString();
        ventana->hide();
    }
}

// At the first pause of each kind, the step window's view is built over the run's own model and walked.
struct PersonaQueLee : PersonaEjecucion {
    QWidget* principal = nullptr;
    std::map<QString, Controles> ventanas;

    void Mostrar(ModeloDialogo& dialogo) override
    {
        if (auto* pasos = dynamic_cast<BotonesInterrupcion*>(&dialogo); pasos && !ventanas.contains("pasos")) {
            BotonesInterrupcionVista vista(*pasos, principal, 72);
            Leer("pasos", vista);
        } else if (auto* colores = dynamic_cast<BotonesColoracion*>(&dialogo);
                   colores && !ventanas.contains("colores")) {
            BotonesColoracionVista vista(*colores, principal, 72, QRect(0, 0, 160, 300), {});
            Leer("colores", vista);
        }
        PersonaEjecucion::Mostrar(dialogo);
    }
    void Leer(const QString& nombre, QDialog& vista)
    {
        vista.show();
        // The window and those it owns (Brelaz's panel), each a tree of its own.
        QList<QWidget*> partes = vista.findChildren<QWidget*>();
        partes << &vista;
        for (QWidget* parte : std::as_const(partes))
            if (parte->isWindow())
                std::ranges::copy(Interactivos(parte), std::back_inserter(ventanas[nombre]));
        vista.hide();
    }
};

// Both step windows with their play row and handout button, and the end prompt beside Aceptar.
TEST(AccesibilidadVista, CadaControlDeLasVentanasDePasosYDelFinalTieneNombre)
{
    PersonaQueLee persona;
    PrincipalVista vista(persona);
    persona.principal = &vista;
    vista.show();
    Principal& p = vista.principal();
    p.grafo().InsertarTipo(NombreTipo(TipoGrafo::Ponderado));
    p.Iniciar_trabajo();
    PonerGrafo(p.grafo(), NombreTipo(TipoGrafo::Ponderado), 4, {{1, 2, 4}, {2, 3, 1}, {1, 3, 6}, {3, 4, 2}});
    p.Redibujar();
    p.EjecutarAlgoritmo(QStringLiteral("Coloración Brelaz"));
    p.Aceptar_Click();
    p.EjecutarAlgoritmo(QStringLiteral("Kruskal"));
    vista.Refrescar();
    persona.ventanas["final"] = Interactivos(&vista);
    for (const char* ventana : {"pasos", "colores", "final"}) {
        SCOPED_TRACE(ventana);
        QStringList nombres;
        std::set<QAccessible::Role> roles;
        for (const auto& [rol, nombre] : persona.ventanas[ventana]) {
            EXPECT_FALSE(nombre.startsWith('[')) << nombre.toStdString();
            nombres << nombre;
            roles.insert(rol);
        }
        EXPECT_TRUE(nombres.contains(BotonesInterrupcion::TextoGuardarPasos())) << nombres.join(", ").toStdString();
        EXPECT_EQ(nombres.contains("Grado de saturación"), ventana == std::string_view("colores"))
            << "el panel de Brelaz";
        const bool conFila = ventana != std::string_view("final");
        EXPECT_EQ(nombres.contains("Reproducir") && roles.contains(QAccessible::Slider) &&
                      roles.contains(QAccessible::SpinBox),
                  conFila)
            << nombres.join(", ").toStdString();
    }
}

TEST(AccesibilidadVista, ElAreaDeTrabajoLeeElGrafoYLoQueMuestraKruskal)
{
    InteraccionGuion persona;
    PrincipalVista vista(persona);
    vista.show();
    vista.resize(1000, 700);
    Principal& p = vista.principal();
    p.grafo().InsertarTipo(NombreTipo(TipoGrafo::Ponderado));
    p.Iniciar_trabajo();
    PonerGrafo(p.grafo(), NombreTipo(TipoGrafo::Ponderado), 3, {{1, 2, 4}, {2, 3, 1}, {1, 3, 6}});
    p.Redibujar();
    QWidget* widget = vista.findChild<QWidget*>(QStringLiteral("Area_trabajo"));
    QAccessibleInterface* area = QAccessible::queryAccessibleInterface(widget);
    const auto hijos = [&] {
        QStringList textos{area->text(QAccessible::Name)};
        for (int k = 0; k < area->childCount(); ++k)
            textos << area->child(k)->text(QAccessible::Name);
        return textos;
    };
    EXPECT_EQ(hijos(), QStringList({"Grafo ponderado, 3 vértices, 3 aristas", "Vértice 1: grado 2; adyacente a 2 y 3",
                                    "Vértice 2: grado 2; adyacente a 1 y 3", "Vértice 3: grado 2; adyacente a 1 y 2",
                                    "Arista 1–2, peso 4", "Arista 1–3, peso 6", "Arista 2–3, peso 1"}));
    EXPECT_EQ(area->role(), QAccessible::List);
    // Each vertex where it is drawn: the first one's item holds its centre on the screen.
    const QPoint centro = widget->mapToGlobal(QPoint(p.grafo().Posic_CoordX(1), p.grafo().Posic_CoordY(1)) / 15);
    EXPECT_TRUE(area->child(0)->rect().contains(centro));
    EXPECT_EQ(area->childAt(centro.x(), centro.y()), area->child(0));

    p.EjecutarOrdenCompleta(*OrdenPorControl(QStringLiteral("Algoritmo_kruskal")), {});
    EXPECT_EQ(hijos().mid(4), QStringList({"Arista 1–2, peso 4; en el árbol", "Arista 1–3, peso 6",
                                           "Arista 2–3, peso 1; en el árbol"}));
    EXPECT_EQ(hijos()[1], "Vértice 1: grado 2; adyacente a 2 y 3; en el árbol");
    // An item past a shrunken graph says it is gone instead of reading a vertex that is not there.
    QAccessibleInterface* ultima = area->child(5);
    p.grafo().Insertar_Dimension(2, false);
    EXPECT_FALSE(ultima->isValid());
    EXPECT_EQ(ultima->text(QAccessible::Name), "");
}

} // namespace
