// Brelaz's step window on the real widgets: its buttons inside it, its panel.
// The order clicked on the work area goes through the area's generic mouse
// forwarding.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include "algorithms/Coloracion.h"
#include "gui/BotonesColoracionVista.h"
#include "support/Aristas.h"
#include "support/EjecucionPrueba.h"
#include "ui/Principal.h"

namespace {

TEST(ColoracionVista, ElPanelDeBrelazSigueCadaPaso)
{
    PersonaEjecucion persona;
    Principal p(persona);
    Grafo& g = p.grafo();
    PonerGrafo(g, "Simple", 5, {{1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 1}});
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
    auto columna = [&](int i) { return ventana.findChild<QTextEdit*>(QStringLiteral("RichTextBox%1").arg(i)); };
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
