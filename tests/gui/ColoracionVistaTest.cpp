// The colourings on the real widgets: the order clicked with the mouse on
// the work area, and Brelaz's step window, its buttons inside it, with its
// panel.
#include <gtest/gtest.h>

#include <QAction>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include "algorithms/Coloracion.h"
#include "gui/BotonesColoracionVista.h"
#include "gui/PrincipalVista.h"
#include "support/EjecucionPrueba.h"

namespace {

TEST(ColoracionVista, ElOrdenSeEligePulsandoLosVertices)
{
    PersonaEjecucion persona;
    persona.completo = true;
    PrincipalVista vista(persona);
    vista.show();
    auto* area = vista.findChild<QWidget*>(QStringLiteral("Area_trabajo"));
    vista.Accion(QStringLiteral("Nuevo"))->trigger();
    const QPoint puntos[] = {{100, 100}, {300, 120}, {200, 260}};
    for (const QPoint p : puntos) {
        vista.Accion(QStringLiteral("Añadir_Vertice"))->trigger();
        QTest::mouseClick(area, Qt::LeftButton, {}, p);
    }
    vista.Accion(QStringLiteral("mnu_Secuencial_intro_ord"))->trigger();
    EXPECT_FALSE(vista.Accion(QStringLiteral("mnu_Coloracion"))->isEnabled());
    for (const int v : {3, 1, 1, 2}) {
        QTest::mouseMove(area, puntos[v - 1]);
        QTest::mouseClick(area, Qt::LeftButton, {}, puntos[v - 1]);
    }
    const QString traza = vista.findChild<QTextEdit*>(QStringLiteral("text_peq"))->toPlainText();
    EXPECT_TRUE(traza.startsWith("Algoritmo Secuencial\n\nOrden de Coloración : _3, _1, _2\n"))
        << traza.toStdString();
}

TEST(ColoracionVista, ElPanelDeBrelazSigueCadaPaso)
{
    PersonaEjecucion persona;
    Principal p(persona);
    Grafo& g = p.grafo();
    g.Insertar_Dimension(5, false);
    for (int v = 1; v <= 5; ++v) {
        g.InsertarMatriz(v, v % 5 + 1, 1);
        g.InsertarMatriz(v % 5 + 1, v, 1);
    }
    g.ContarGrados();
    Contexto c{g, p.dibujo(), p.Marco(), persona};
    BotonesColoracion modelo(c, ColorearBrelaz(g), TituloBrelaz);
    BotonesColoracionVista ventana(modelo, nullptr, 100, QRect(0, 0, 160, 300), {});
    ventana.show();
    for (const QPushButton* b : ventana.findChildren<QPushButton*>())
        EXPECT_TRUE(ventana.rect().contains(b->geometry())) << "se sale " << b->text().toStdString();
    auto boton = [&](const char* texto) {
        for (auto* b : ventana.findChildren<QPushButton*>())
            if (b->text() == texto)
                QTest::mouseClick(b, Qt::LeftButton);
    };
    auto columna = [&](int i) {
        return ventana.findChild<QTextEdit*>(QStringLiteral("RichTextBox%1").arg(i));
    };
    boton("Continuar");
    EXPECT_EQ(columna(1)->toPlainText(), "1\n2\n3\n4\n5");
    EXPECT_EQ(columna(2)->toPlainText(), "2\n2\n2\n2\n2");
    EXPECT_EQ(columna(3)->toPlainText(), "0\n1\n0\n0\n1");
    // Vertex 1 is painted: its line is written in white.
    const QTextBlock linea = columna(3)->document()->firstBlock();
    EXPECT_EQ(linea.begin().fragment().charFormat().foreground().color(), QColor(Qt::white));
    EXPECT_EQ(linea.next().begin().fragment().charFormat().foreground().color(), QColor(Qt::black));
    boton("Fin");
    EXPECT_TRUE(modelo.Cerrado() && ventana.result() == QDialog::Accepted);
}

} // namespace
