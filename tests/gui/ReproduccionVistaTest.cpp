// Brelaz's step window on the real widgets: its buttons inside it, its panel, and the play row of the step
// windows: the caption and Space, the timer at the shortest pace painting a colouring to its end, the
// timeline's keys, the pace kept in the settings; and full screen.
#include <gtest/gtest.h>

#include <QDoubleSpinBox>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include "algorithms/Coloracion.h"
#include "gui/BotonesColoracionVista.h"
#include "gui/InteraccionQt.h"
#include "gui/PrincipalVista.h"
#include "gui/ReproduccionVista.h"
#include "support/Aristas.h"
#include "support/EjecucionPrueba.h"
#include "ui/Principal.h"

namespace {

struct FilaReproduccion : ::testing::Test {
    PersonaEjecucion persona;
    Principal p{persona};
    Contexto c{p.grafo(), p.dibujo(), p.Marco(), persona};
    std::optional<BotonesColoracion> modelo;
    std::optional<BotonesColoracionVista> ventana;

    void SetUp() override
    {
        PonerGrafo(p.grafo(), "Simple", 5, {{1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 1}});
        p.grafo().ContarGrados();
        modelo.emplace(c, ColorearBrelaz(p.grafo()), TituloBrelaz);
        ventana.emplace(*modelo, nullptr, 100, QRect(0, 0, 160, 300), std::function<void()>{});
        ventana->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&*ventana));
    }
    void Pulsar(const char* texto)
    {
        for (auto* b : ventana->findChildren<QPushButton*>())
            if (b->text() == texto)
                return QTest::mouseClick(b, Qt::LeftButton);
        ADD_FAILURE() << "sin botón " << texto;
    }
};

// The panel follows each step, and the timeline takes the window to any step and past the last one goes on.
TEST_F(FilaReproduccion, ElPanelDeBrelazYLaLineaDeTiempoSiguenCadaPaso)
{
    for (const QPushButton* b : ventana->findChildren<QPushButton*>())
        EXPECT_TRUE(ventana->rect().contains(b->geometry())) << "se sale " << b->text().toStdString();
    auto columna = [&](int i) { return ventana->findChild<QTextEdit*>(QStringLiteral("RichTextBox%1").arg(i)); };
    Pulsar("Continuar");
    EXPECT_EQ(columna(1)->toPlainText(), "1\n2\n3\n4\n5");
    EXPECT_EQ(columna(2)->toPlainText(), "2\n2\n2\n2\n2");
    EXPECT_EQ(columna(3)->toPlainText(), "0\n1\n0\n0\n1");
    // Vertex 1 is painted: its line is written in white.
    const QTextBlock linea = columna(3)->document()->firstBlock();
    EXPECT_EQ(linea.begin().fragment().charFormat().foreground().color(), QColor(Qt::white));
    EXPECT_EQ(linea.next().begin().fragment().charFormat().foreground().color(), QColor(Qt::black));

    Pulsar("Continuar");
    QSlider* tiempo = ventana->findChild<QSlider*>();
    tiempo->setValue(1);
    EXPECT_EQ(modelo->Pasos().Mostrado(), 1);
    QTest::keyClick(&*ventana, Qt::Key_End);
    EXPECT_EQ(std::pair(tiempo->value(), modelo->Pasos().Mostrado()), std::pair(3, 3));
    QTest::keyClick(&*ventana, Qt::Key_Home);
    EXPECT_EQ(modelo->Pasos().Mostrado(), 1);
    QTest::keyClick(tiempo, Qt::Key_End);
    QTest::keyClick(tiempo, Qt::Key_Right);
    EXPECT_EQ(std::pair(tiempo->maximum(), modelo->Pasos().Mostrado()), std::pair(4, 4));
    Pulsar("Fin");
    EXPECT_TRUE(modelo->Cerrado() && ventana->result() == QDialog::Accepted);
}

TEST_F(FilaReproduccion, EspacioReproduceYElRelojPintaHastaElFin)
{
    ventana->findChild<QDoubleSpinBox*>()->setValue(0.25);
    QTest::keyClick(&*ventana, Qt::Key_Space);
    Pulsar("Pausa");
    QTest::qWait(400);
    EXPECT_EQ(modelo->Pasos().Total(), 1);
    Pulsar("Reproducir");
    EXPECT_TRUE(QTest::qWaitFor([&] { return modelo->Cerrado(); }, 4000));
    EXPECT_EQ(ventana->result(), QDialog::Accepted);
}

TEST(RitmoGuardado, ElRitmoSeGuardaEntreSesiones)
{
    QSettings(QStringLiteral("Nodeva"), QStringLiteral("Nodeva")).setValue(QStringLiteral("pasos/ritmo"), 2.5);
    Reproduccion juego, otra;
    RecordarRitmo(juego);
    EXPECT_EQ(juego.Ritmo(), 2.5);
    juego.PonerRitmo(7);
    RecordarRitmo(otra);
    EXPECT_EQ(otra.Ritmo(), Reproduccion::RitmoMaximo);
}

TEST(PantallaCompletaVista, F11EntraYEscapeSaleSinParaUnaEjecucion)
{
    InteraccionQt persona;
    PrincipalVista vista(persona);
    vista.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&vista));
    QTest::keyClick(&vista, Qt::Key_F11);
    EXPECT_TRUE(vista.isFullScreen());
    QTest::keyClick(&vista, Qt::Key_Escape);
    EXPECT_FALSE(vista.isFullScreen() || vista.principal().Marco().EscapePulsado);
}

} // namespace
