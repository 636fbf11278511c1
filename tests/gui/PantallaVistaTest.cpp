// What a person sees on screen: Qt's own texts in Spanish, the trace's end in view, parts that fill the window, a
// window brought up to date before a dialog covers it, and the save dialog's extension.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <functional>

#include "files/Guardar.h"
#include "gui/BotonesInterrupcionVista.h"
#include "gui/InsercionNºVertVista.h"
#include "gui/InteraccionQt.h"
#include "gui/PrincipalVista.h"
#include "gui/TraduccionesQt.h"
#include "run/BanderasEjecucion.h"
#include "run/BotonesInterrupcion.h"
#include "run/Traza.h"
#include "support/Aristas.h"
#include "support/CarpetaPrueba.h"
#include "support/EjecucionPrueba.h"

namespace {

// The caret at the document's end, in view, in a text longer than the box.
bool AlFinal(const QTextEdit* texto)
{
    return texto->verticalScrollBar()->maximum() > 0 &&
           texto->textCursor().position() == texto->document()->characterCount() - 1 &&
           texto->viewport()->rect().contains(texto->cursorRect());
}

// Runs `accion` on the modal window of type W as soon as one is open.
template <typename W> void AlAbrirse(std::function<void(W&)> accion)
{
    QTimer::singleShot(10, [accion] {
        if (auto* w = dynamic_cast<W*>(QApplication::activeModalWidget()))
            accion(*w);
        else
            AlAbrirse<W>(accion);
    });
}

TEST(TraduccionesQt, LosTextosPropiosDeQtSalenEnEspañol)
{
    ASSERT_TRUE(InstalarTraduccionesQt(*qApp));
    // One catalogue holds them all: a text of the file dialogs and one of the edit menus stand for it.
    const std::pair<const char*, const char*> textos[] = {{"QFileDialog", "File &name:"}, {"QLineEdit", "&Paste"}};
    for (const auto& [contexto, texto] : textos)
        EXPECT_NE(QCoreApplication::translate(contexto, texto), QString::fromUtf8(texto)) << contexto << texto;
}

// A straight run on twelve vertices ends with its prompt in view, the pane filling the window to its bottom edge.
TEST(PantallaPrincipal, ElFinDeLaTrazaQuedaALaVistaYElPanelLlegaAlBorde)
{
    PersonaEjecucion persona;
    persona.completo = true;
    PrincipalVista vista(persona);
    vista.show();
    persona.guionTipo.push_back([](SelectGrafo& d) { d.Elegir(1); });
    vista.Accion("Nuevo")->trigger();
    persona.guionNumero.push_back([](InsercionNºVert& d) { Teclear(d, "12\r"); });
    vista.Accion("Rueda")->trigger();
    ASSERT_EQ(vista.principal().grafo().dimen(), 12);
    vista.Accion("Algoritmo_prim")->trigger();
    const auto* panel = vista.findChild<QTextEdit*>(QStringLiteral("text_peq"));
    ASSERT_TRUE(vista.principal().text_peq().toPlainText().endsWith("para continuar."));
    EXPECT_TRUE(AlFinal(panel));
    EXPECT_NEAR(panel->geometry().bottom() + 1, vista.Centro()->height(), 1);
}

// The step window's copy of the trace shows its end; its buttons and texts fit at the smallest and a large width.
TEST(PantallaPrincipal, LaVentanaDePasosMuestraElFinYCabenSusBotones)
{
    Traza traza;
    for (int i = 1; i <= 30; ++i)
        traza.AñadirTraza(QStringLiteral("Paso %1\r\n").arg(i), i % 2 == 0, QColor());
    BanderasEjecucion banderas;
    for (const int ancho : {702, 1400}) {
        SCOPED_TRACE(ancho);
        QWidget principal;
        principal.setGeometry(0, 0, ancho, 600);
        BotonesInterrupcion modelo(banderas, traza, {});
        BotonesInterrupcionVista ventana(modelo, &principal, 72);
        ventana.show();
        EXPECT_TRUE(AlFinal(ventana.findChild<QTextEdit*>()));
        const auto botones = ventana.findChildren<QPushButton*>();
        ASSERT_EQ(botones.size(), 3);
        for (const QPushButton* b : botones)
            EXPECT_TRUE(ventana.rect().contains(b->geometry()) &&
                        b->fontMetrics().horizontalAdvance(b->text()) < b->width())
                << b->text().toStdString();
    }
}

// A generator over a loaded graph closes it before asking its number: the caption behind is the new graph's.
TEST(PantallaPrincipal, TrasUnDialogoSeVeElEstadoQuePregunta)
{
    CarpetaPrueba carpeta;
    const QString ruta = carpeta.Fichero("c3.grf", TextoDe("Simple", {{1000, 1000}, {2000, 1000}, {3000, 1000}}));
    InteraccionQt persona;
    PrincipalVista vista(persona);
    vista.Atender(persona);
    vista.show();
    vista.AbrirArchivo(ruta);
    ASSERT_EQ(vista.windowTitle(), QString("NODEVA: Algoritmos sobre Grafos - [c3.grf]"));

    QString tituloDetras;
    AlAbrirse<QMessageBox>([&](QMessageBox& caja) {
        AlAbrirse<InsercionNºVertVista>([&](InsercionNºVertVista& numero) {
            tituloDetras = vista.windowTitle();
            numero.reject();
        });
        caja.button(QMessageBox::Yes)->click();
    });
    vista.Accion("Ciclo")->trigger();
    EXPECT_EQ(tituloDetras, QString("NODEVA: Algoritmos sobre Grafos - [SinNombre.grf]"));
}

// A name typed without an extension takes that of the type chosen.
TEST(PantallaPrincipal, GuardarComoAñadeLaExtensionDelTipoElegido)
{
    QTemporaryDir dir;
    InteraccionQt persona;
    const std::tuple<int, const char*, const char*> casos[] = {
        {0, "h38", "h38.grf"}, {1, "h38", "h38.txt"}, {0, "notas.txt", "notas.txt"}};
    for (const auto& [tipo, escrito, esperado] : casos) {
        SCOPED_TRACE(escrito);
        AlAbrirse<QFileDialog>([tipo = tipo, escrito = escrito](QFileDialog& dialogo) {
            auto* lista = dialogo.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            if (tipo == 1)
                QTest::keyClick(lista, Qt::Key_Down);
            auto* nombre = dialogo.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            nombre->setText(QString::fromUtf8(escrito));
            QTest::keyClick(nombre, Qt::Key_Return);
        });
        EXPECT_EQ(persona.NombreParaGuardar(dir.path() + '/', FiltroGrafos), dir.filePath(esperado));
    }
}

} // namespace
