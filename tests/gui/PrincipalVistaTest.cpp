// The main window driven as a person drives it: menus, toolbar buttons, the mouse on the work area, the type
// list and keys, with a scripted person answering the questions and dialogs.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolBar>

#include "gui/PrincipalVista.h"
#include "support/Aristas.h"
#include "support/CarpetaPrueba.h"
#include "support/InteraccionGuion.h"

namespace {

constexpr int Twips = 15;

int Pixeles(int twips)
{
    return qRound(twips / double(Twips));
}

struct Ventana {
    InteraccionGuion persona;
    PrincipalVista vista{persona};

    Ventana() { vista.show(); }

    Grafo& grafo() { return vista.principal().grafo(); }
    // By name: the views declare no meta-object of their own to search by.
    template <typename W> W* Parte(const char* nombre) { return vista.findChild<W*>(QString::fromUtf8(nombre)); }
    QWidget* Area() { return Parte<QWidget>("Area_trabajo"); }
    QComboBox* Combo1() { return Parte<QComboBox>("Combo1"); }
    QAction* Accion(const char* control) { return vista.Accion(QString::fromUtf8(control)); }

    void Menu(const char* control) { Accion(control)->trigger(); }
    // A click on the toolbar button itself, as a person gives it.
    void Boton(const char* clave)
    {
        QAction* accion = Accion((QStringLiteral("Toolbar1/") + QString::fromUtf8(clave)).toUtf8());
        auto* barra = Parte<QToolBar>("Toolbar1");
        QTest::mouseClick(barra->widgetForAction(accion), Qt::LeftButton);
    }
    // A vertex drawn with the mouse, at a point in pixels.
    void Vertice(QPoint p)
    {
        QTest::mouseMove(Area(), p);
        QTest::mouseClick(Area(), Qt::LeftButton, {}, p);
    }
};

const QPoint P1(100, 100), P2(300, 120), P3(200, 260);

TEST(PrincipalVista, ArrancaConElPanelYRespetaElTamañoMinimo)
{
    Ventana v;
    EXPECT_TRUE(v.Parte<QFrame>("Frame1")->isVisible() && !v.Area()->isVisible() && !v.Combo1()->isVisible());
    EXPECT_FALSE(v.Accion("Toolbar1/guardar")->isEnabled());
    v.vista.resize(300, 200);
    const Disposicion& d = v.vista.principal().Geometria();
    EXPECT_EQ(d.ancho, v.vista.Centro()->width() * Twips);
    EXPECT_TRUE(d.ancho >= AnchoMinimoVentana && d.alto >= AltoMinimoVentana);

    v.persona.guionTipo.push_back([](SelectGrafo& d) { d.Elegir(1); });
    v.Menu("Nuevo");
    EXPECT_TRUE(!v.Parte<QFrame>("Frame1")->isVisible() && v.Area()->isVisible());
    const Rectangulo& a = d.areaTrabajo;
    EXPECT_EQ(v.Area()->geometry(), QRect(Pixeles(a.izquierda), Pixeles(a.arriba), Pixeles(a.ancho), Pixeles(a.alto)));
    // At the smallest width the band's texts (a weighted graph's) fit their places, in the menus' letters at
    // their normal width.
    v.Parte<QLabel>("coord_x")->setText(QStringLiteral("10320 "));
    for (const char* nombre : {"Check1", "eti_x", "coord_x", "Tit_Tipo", "Combo1"}) {
        const QWidget* w = v.Parte<QWidget>(nombre);
        const QFont letra = w->font(), menus = v.vista.menuBar()->font();
        EXPECT_TRUE(w->isVisible() && w->sizeHint().width() <= w->width() && letra.family() == menus.family() &&
                    letra.pointSizeF() == menus.pointSizeF() &&
                    (letra.stretch() == QFont::AnyStretch || letra.stretch() == QFont::Unstretched))
            << nombre;
    }
    // The trace pane grows with the window, eight lines at least at 1400 x 900; hidden during a tour, it
    // leaves the work area's white in its place, not a grey gap.
    v.vista.resize(1400, 900 - v.vista.menuBar()->sizeHint().height());
    auto* panel = v.Parte<QTextEdit>("text_peq");
    EXPECT_GE(panel->viewport()->height() / panel->fontMetrics().lineSpacing(), 8);
    v.vista.principal().OcultarTraza();
    v.vista.Refrescar();
    EXPECT_EQ(v.Area()->geometry().bottom(), panel->geometry().bottom());
    v.vista.principal().Vista().textoVisible = true;
    v.vista.Refrescar();
    EXPECT_LT(v.Area()->geometry().bottom(), panel->geometry().top());
    // Enter in the trace pane ends a run as the Aceptar button does.
    v.vista.principal().text_peq().setPlainText(QStringLiteral("traza"));
    QTest::keyClick(v.Parte<QTextEdit>("text_peq"), Qt::Key_Return);
    EXPECT_TRUE(v.vista.principal().text_peq().isEmpty());
    QTest::keyClick(v.Area(), Qt::Key_Escape);
    EXPECT_TRUE(v.vista.principal().Marco().EscapePulsado);
}

TEST(PrincipalVista, UnGrafoDibujadoConElRatonSeGuardaYSeVuelveAAbrir)
{
    Ventana v;
    v.persona.guionTipo.push_back([](SelectGrafo& d) { d.Elegir(1); });
    v.Menu("Nuevo");
    ASSERT_EQ(v.grafo().Tipo(), 1);

    v.Menu("Añadir_Vertice");
    EXPECT_TRUE(v.Accion("Toolbar1/añadir_vert")->isChecked());
    EXPECT_EQ(v.Area()->cursor().shape(), Qt::CrossCursor);
    v.Vertice(P1);
    EXPECT_FALSE(v.Accion("Toolbar1/añadir_vert")->isChecked());
    for (const QPoint p : {P2, P3}) {
        v.Boton("añadir_vert");
        v.Vertice(p);
    }
    ASSERT_EQ(v.grafo().dimen(), 3);
    EXPECT_TRUE(v.grafo().Posic_CoordX(1) == P1.x() * Twips && v.grafo().Posic_CoordY(3) == P3.y() * Twips);
    EXPECT_EQ(v.Parte<QLabel>("coord_x")->text(), QString("3000 "));

    v.persona.pesos = {7, 12};
    for (const auto& [desde, hasta] : {std::pair{P1, P2}, {P2, P3}}) {
        v.Menu("Añadir_Arista");
        QTest::mousePress(v.Area(), Qt::LeftButton, {}, desde);
        QTest::mouseMove(v.Area(), (desde + hasta) / 2);
        QTest::mouseMove(v.Area(), hasta);
        QTest::mouseRelease(v.Area(), Qt::LeftButton, {}, hasta);
    }
    EXPECT_TRUE(v.grafo().numero_aristas() == 2 && v.grafo().elem_matriz(1, 2) == 7 &&
                v.grafo().elem_matriz(3, 2) == 12);

    CarpetaPrueba carpeta;
    const QString ruta = carpeta.Ruta("triangulo.grf");
    v.persona.nombresGuardar.push_back(ruta);
    v.Menu("Guardar_Como");
    const Grafo dibujado = v.grafo();

    v.persona.nombresAbrir.push_back(ruta);
    v.persona.respuestas.push_back(Respuesta::Si);
    v.Boton("abrir");
    EXPECT_EQ(v.persona.UltimoTexto(), QString("¿Realmente desea cerrar el grafo actual?"));
    EXPECT_TRUE(v.grafo() == dibujado);
    EXPECT_FALSE(v.Accion("Toolbar1/abrir")->isChecked()) << "only a mode keeps a button down";
    EXPECT_TRUE(v.Combo1()->currentIndex() == 1 && v.Accion("Cambiar_peso")->isEnabled());

    // The type list changes the type only when the person confirms it.
    v.persona.respuestas = {Respuesta::No};
    QTest::keyClick(v.Combo1(), Qt::Key_Down);
    EXPECT_TRUE(v.grafo() == dibujado && v.Combo1()->currentIndex() == 1 && v.Parte<QWidget>("Check1")->isVisible());
    v.persona.respuestas = {Respuesta::Si};
    QTest::keyClick(v.Combo1(), Qt::Key_Down);
    EXPECT_TRUE(v.grafo().Tipo() == 2 && v.Combo1()->currentIndex() == 2);
    EXPECT_FALSE(v.Parte<QWidget>("Check1")->isVisible());
}

// The user's walk on two triangles sharing vertex 3, clicked on the work area: from 1 to 3, then 2 would leave 1-2
// behind across a bridge, 1 is no longer adjacent, and the rest goes round. Each refusal only changes the centred
// prompt at the foot of the trace pane. A press on a vertex reached in one move from its edge's middle is a press on
// the vertex; no vertex keeps the hover red once clicked, and Enter ends the run.
TEST(PrincipalVista, ElRecorridoDelUsuarioSeHaceConClicsYRespetaLosPuentes)
{
    Ventana v;
    CarpetaPrueba carpeta;
    v.vista.AbrirArchivo(carpeta.Fichero("p.grf", TextoDe("Simple", EnPajarita, Pajarita)));
    Principal& p = v.vista.principal();
    const std::vector<int> clics{1, 3, 2, 1, 4, 5, 3, 2, 1};
    std::vector<QString> avisos;
    v.persona.alProcesar = [&] {
        if (p.Marcas().VerticeSeleccionado != 0 || avisos.size() == clics.size())
            return;
        const QTextBlock ultima = p.text_peq().lastBlock().previous();
        EXPECT_EQ(ultima.blockFormat().alignment(), Qt::AlignHCenter);
        // Black, not the grey of the pane disabled for the run.
        EXPECT_EQ(ultima.begin().fragment().charFormat().foreground(), QBrush(Qt::black));
        avisos.push_back(ultima.text());
        const int k = int(avisos.size()) - 1, w = clics[k];
        const auto en = [&](int u) {
            return QPoint(Pixeles(p.grafo().Posic_CoordX(u)), Pixeles(p.grafo().Posic_CoordY(u)));
        };
        if (k > 0)
            QTest::mouseMove(v.Area(), (en(clics[k - 1]) + en(w)) / 2);
        QTest::mouseMove(v.Area(), en(w));
        QTest::mouseClick(v.Area(), Qt::LeftButton, {}, en(w));
    };
    v.Menu("muFleuryUsuario");
    const QString siguiente = QStringLiteral("Seleccione siguiente vértice del recorrido.");
    EXPECT_EQ(avisos,
              (std::vector<QString>{"Seleccione vértice de inicio.", siguiente, siguiente,
                                    "ERROR. El recorrido debe seguir por un vértice cuya arista no forme puente.",
                                    "ERROR. El vértice seleccionado no es adyacente al último vértice del recorrido.",
                                    siguiente, siguiente, siguiente, siguiente}));
    EXPECT_EQ(p.trazaPanel().TextoPlano(),
              "Algoritmo de FLEURY\n\nConstrucción de recorrido euleriano cerrado.\n\nRecorrido formado por las "
              "aristas: \n1-3, 3-4, 4-5, 5-3, 3-2, 2-1\n\nPresione ACEPTAR  para continuar.");
    EXPECT_TRUE(v.Parte<QWidget>("Aceptar")->isVisible() && !p.Marco().RecorridoUsuario);
    const QImage area = p.Area().Imagen().convertToFormat(QImage::Format_RGB32);
    int rojos = 0; // the hover's pure red, not the walk's own red-brown
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x)
            rojos += area.pixelColor(x, y).red() > 230 && area.pixelColor(x, y).green() < 40;
    EXPECT_EQ(rojos, 0);
    QTest::keyClick(v.Area(), Qt::Key_Return);
    EXPECT_FALSE(v.Parte<QWidget>("Aceptar")->isVisible());
}

} // namespace
