// The main window driven as a person drives it: menus, toolbar buttons, the
// mouse on the work area, the type list and keys, with a scripted person
// answering the questions and dialogs.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>

#include "gui/PrincipalVista.h"
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
    template <typename W> W* Parte(const char* nombre)
    {
        return vista.findChild<W*>(QString::fromUtf8(nombre));
    }
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
    // Vertices and edges drawn with the mouse, at points in pixels.
    void Vertice(QPoint p)
    {
        QTest::mouseMove(Area(), p);
        QTest::mouseClick(Area(), Qt::LeftButton, {}, p);
    }
    void Arista(QPoint desde, QPoint hasta)
    {
        Menu("Añadir_Arista");
        QTest::mousePress(Area(), Qt::LeftButton, {}, desde);
        QTest::mouseMove(Area(), (desde + hasta) / 2);
        QTest::mouseMove(Area(), hasta);
        QTest::mouseRelease(Area(), Qt::LeftButton, {}, hasta);
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
    EXPECT_EQ(v.Area()->geometry(),
              QRect(Pixeles(a.izquierda), Pixeles(a.arriba), Pixeles(a.ancho), Pixeles(a.alto)));
    // At the smallest width the band's texts (a weighted graph's) fit their
    // places, in letters of normal width.
    v.Parte<QLabel>("coord_x")->setText(QStringLiteral("10320 "));
    for (const char* nombre : {"Check1", "eti_x", "coord_x", "Tit_Tipo", "Combo1"}) {
        const QWidget* w = v.Parte<QWidget>(nombre);
        EXPECT_TRUE(w->isVisible() && w->sizeHint().width() <= w->width() &&
                    (w->font().stretch() == QFont::AnyStretch || w->font().stretch() == QFont::Unstretched))
            << nombre;
    }
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
    EXPECT_EQ(v.Combo1()->currentText(), QString("Ponderado"));

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
    v.Arista(P1, P2);
    v.Arista(P2, P3);
    EXPECT_TRUE(v.grafo().numero_aristas() == 2 && v.grafo().elem_matriz(1, 2) == 7 &&
                v.grafo().elem_matriz(3, 2) == 12);

    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath(QStringLiteral("triangulo.grf"));
    v.persona.nombresGuardar.push_back(ruta);
    v.Menu("Guardar_Como");
    EXPECT_EQ(v.vista.windowTitle(), QString("NODEVA: Algoritmos sobre Grafos - [triangulo.grf]"));
    const Grafo dibujado = v.grafo();

    v.persona.nombresAbrir.push_back(ruta);
    v.persona.respuestas.push_back(Respuesta::Si);
    v.Boton("abrir");
    EXPECT_EQ(v.persona.UltimoTexto(), QString("¿Realmente desea cerrar el grafo actual?"));
    EXPECT_TRUE(v.grafo() == dibujado);
    EXPECT_FALSE(v.Accion("Toolbar1/abrir")->isChecked()) << "only a mode keeps a button down";
    EXPECT_TRUE(v.Combo1()->currentIndex() == 1 && v.Accion("Cambiar_peso")->isEnabled());
}

TEST(PrincipalVista, ElTipoSoloCambiaSiLaPersonaLoConfirma)
{
    Ventana v;
    v.Menu("Nuevo");
    for (const QPoint p : {P1, P2}) {
        v.Menu("Añadir_Vertice");
        v.Vertice(p);
    }
    v.Arista(P1, P2);
    const Grafo antes = v.grafo();

    v.persona.respuestas = {Respuesta::No};
    QTest::keyClick(v.Combo1(), Qt::Key_Down);
    EXPECT_EQ(v.persona.UltimoTexto(), QString("¿Realmente desea cambiar el tipo de grafo a Ponderado?"));
    EXPECT_TRUE(v.grafo() == antes && v.Combo1()->currentIndex() == 0);
    EXPECT_FALSE(v.Parte<QWidget>("Check1")->isVisible());

    v.persona.respuestas = {Respuesta::Si};
    QTest::keyClick(v.Combo1(), Qt::Key_Down);
    EXPECT_TRUE(v.grafo().Tipo() == 1 && v.Combo1()->currentIndex() == 1);
    EXPECT_TRUE(v.Parte<QWidget>("Check1")->isVisible());
}

} // namespace
