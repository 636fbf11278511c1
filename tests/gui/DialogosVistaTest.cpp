// The dialog windows driven with simulated keys and clicks: what a person does in a window reaches the model,
// and the window shows the model.
#include <gtest/gtest.h>

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <map>
#include <tuple>

#include "files/EscrituraAtomica.h"
#include "files/NombreFichero.h"
#include "gui/AsignarPesoVista.h"
#include "gui/CaminoVista.h"
#include "gui/CampoTeclado.h"
#include "gui/DialogoFicheros.h"
#include "gui/GirarVoltearVista.h"
#include "gui/IdentificarVertVista.h"
#include "gui/ImprimirVista.h"
#include "gui/InsercionNºVertVista.h"
#include "gui/MatrizAdyVista.h"
#include "gui/ModeloFicherosEs.h"
#include "gui/PruferVista.h"
#include "gui/SelectGrafoVista.h"
#include "model/Grafo.h"
#include "support/Aristas.h"
#include "support/CarpetaPrueba.h"
#include "support/InteraccionGuion.h" // and the dialogs' models

namespace {

// Each window only shows its model and forwards to it, the models' own rules being pinned beside them: keys,
// lists, arrows and boxes reach the model, the widgets show what the model says afterwards, the window ends
// when the model closes, and Escape cancels.
TEST(DialogosVista, LoQueSeHaceLlegaAlModeloYLaVentanaLoMuestra)
{
    Grafo g;
    PonerGrafo(g, "Ponderado", 6, {});
    for (const bool aceptar : {true, false}) {
        AsignarPeso modelo(g, Seleccion{.AristaSeleccionada = CodigoArista(aceptar ? 2 : 1, 5)});
        AsignarPesoVista vista(modelo);
        vista.show();
        QTest::keyClicks(vista.Campo(), "-1x5");
        // An arrow's code and a key without one reach the model, not the caret.
        QTest::keyClick(vista.Campo(), Qt::Key_Left);
        QTest::keyClick(vista.Campo(), Qt::Key_Home);
        EXPECT_TRUE(vista.Campo()->text() == modelo.Texto() && vista.Campo()->cursorPosition() == 3 &&
                    vista.BotonAceptar()->isEnabled());
        QTest::keyClick(vista.Campo(), aceptar ? Qt::Key_Return : Qt::Key_Escape);
        EXPECT_TRUE(g.elem_matriz(5, aceptar ? 2 : 1) == (aceptar ? -15 : 0) && !vista.isVisible());
    }
    InsercionNºVert numero(g);
    numero.Titulo = QStringLiteral("Grafo Completo");
    InsercionNºVertVista vista(numero);
    vista.show();
    for (const QLabel* texto : vista.findChildren<QLabel*>())
        EXPECT_TRUE(texto->isEnabled()) << "se lee en el color del texto: " << texto->text().toStdString();
    QTest::keyClicks(vista.Campo(), "8");
    QTest::mouseClick(vista.BotonAceptar(), Qt::LeftButton);
    EXPECT_TRUE(vista.windowTitle() == numero.Titulo && g.dimen() == 8 && !vista.isVisible());

    // The type chosen applies when the window closes, not at the click.
    int indice = -1;
    SelectGrafo tipo(g, [&](int i) { indice = i; });
    SelectGrafoVista opciones(tipo);
    opciones.show();
    QTest::mouseClick(opciones.Opciones()->button(3), Qt::LeftButton);
    EXPECT_EQ(indice, -1);
    opciones.close();
    EXPECT_TRUE(g.Tipo() == TipoGrafo::Digrafo_Ponderado && indice == 3);
}

// The identify and path windows share their two lists: each choice goes to the model and both lists show
// the model's afterwards.
TEST(DosListasVista, LasListasSonLasDelModeloYAceptarOEscapeLoCierran)
{
    Grafo g;
    PonerGrafo(g, "Simple", 4, {});
    IdentificarVert modelo(g, [] {});
    IdentificarVertVista vista(modelo);
    vista.show();
    EXPECT_FALSE(vista.BotonAceptar()->isEnabled());
    vista.Combo1()->setFocus();
    QTest::keyClick(vista.Combo1(), Qt::Key_Down);
    QTest::keyClick(vista.Combo1(), Qt::Key_Down);
    ASSERT_EQ(modelo.PrimerVertice(), vista.Combo1()->currentText().toInt());
    QTest::keyClick(vista.Combo2(), Qt::Key_Down);
    EXPECT_TRUE(vista.Combo2()->count() == modelo.Lista2().size() && vista.BotonAceptar()->isEnabled());
    QTest::mouseClick(vista.BotonAceptar(), Qt::LeftButton);
    EXPECT_TRUE(g.dimen() == 3 && !vista.isVisible());

    Camino camino(3, "Dijkstra");
    CaminoVista otra(camino);
    otra.show();
    otra.Combo1()->setFocus();
    QTest::keyClick(otra.Combo1(), Qt::Key_Down);
    QTest::keyClick(otra.Combo2(), Qt::Key_End);
    ASSERT_TRUE(camino.Todos() && otra.BotonAceptar()->isEnabled() && otra.windowTitle() == Camino::Titulo());
    QTest::keyClick(&otra, Qt::Key_Escape);
    EXPECT_TRUE(camino.Cerrado() && !camino.Aceptado() && !otra.isVisible());
}

// Arrows and option buttons enabled and shown as the model says, before and after a click.
TEST(DialogosVista, FlechasYOpcionesSiguenAlModelo)
{
    using Flecha = MatrizAdy::Flecha;
    Grafo grande, pequeño;
    PonerGrafo(grande, "Simple", 12, {});
    PonerGrafo(pequeño, "Simple", 4, {});
    MatrizAdy modelo(grande), modeloPequeño(pequeño);
    MatrizAdyVista vista(modelo), vistaPequeña(modeloPequeño);
    vista.show();
    vistaPequeña.show();
    const auto comoElModelo = [](const MatrizAdyVista& v, const MatrizAdy& m) {
        for (const Flecha f : {Flecha::Arriba, Flecha::Abajo, Flecha::Izquierda, Flecha::Derecha})
            EXPECT_TRUE(v.Boton(f)->isEnabled() == m.FlechaHabilitada(f) &&
                        v.Boton(f)->isHidden() == !m.FlechaVisible(f));
    };
    QTest::mouseClick(vista.Boton(Flecha::Abajo), Qt::LeftButton);
    QTest::mouseClick(vista.Boton(Flecha::Abajo), Qt::LeftButton);
    EXPECT_TRUE(vista.Filas()->text().startsWith(QStringLiteral("3\n\n4\n\n")));
    comoElModelo(vista, modelo);
    comoElModelo(vistaPequeña, modeloPequeño);
    EXPECT_TRUE(vistaPequeña.Columna(4)->isHidden() && !vistaPequeña.Columna(3)->isHidden());
    EXPECT_TRUE(vistaPequeña.width() < vista.width() && vistaPequeña.height() < vista.height());

    // A radio button takes clicks on its circle and text only, not on the whole row.
    const auto marcar = [](QAbstractButton* o) {
        QTest::mouseClick(o, Qt::LeftButton, {}, QPoint(8, o->height() / 2));
    };
    Grafo dos;
    PonerGrafo(dos, "Simple", {{300, 500}, {600, 500}});
    InteraccionGuion persona;
    int redibujados = 0;
    GirarVoltear girar(
        dos,
        [] {
            return DimensionesArea{8000, 6000};
        },
        persona, EfectosVer{[&] { ++redibujados; }, [] {}});
    GirarVoltearVista giro(girar);
    giro.show();
    EXPECT_FALSE(giro.Angulos()->button(2)->isEnabled());
    marcar(giro.Opciones()->button(2));
    ASSERT_TRUE(giro.Angulos()->button(1)->isEnabled());
    marcar(giro.Angulos()->button(1));
    QTest::mouseClick(giro.BotonAceptar(), Qt::LeftButton);
    EXPECT_TRUE(dos.Posic_CoordX(1) == 600 && redibujados == 1 && !giro.isVisible());

    const QImage area(QSize(60, 40), QImage::Format_RGB32);
    QTextDocument traza("ARISTAS PUENTE");
    Imprimir imprimir(persona, persona.impresora, {area, QSizeF(900, 600), traza, {}, "a.pdf"});
    ImprimirVista dialogo(imprimir);
    dialogo.show();
    EXPECT_TRUE(dialogo.windowTitle() == Imprimir::Titulo() && !dialogo.Down()->isEnabled());
    QTest::mouseClick(dialogo.Up(), Qt::LeftButton);
    EXPECT_TRUE(imprimir.Copias() == 2 && dialogo.Text1()->text() == imprimir.Text1() && dialogo.Down()->isEnabled());
    dialogo.Orientaciones()->button(1)->click();
    EXPECT_EQ(imprimir.Orientacion(), 2);
    dialogo.Check1()->click();
    dialogo.Check2()->click();
    EXPECT_FALSE(dialogo.BotonAceptar()->isEnabled() || dialogo.BotonPdf()->isEnabled());
    QTest::keyClick(&dialogo, Qt::Key_Escape);
    EXPECT_TRUE(imprimir.Cerrado() && !dialogo.isVisible() && persona.impresora.llamadas.back() == "abandonar");
}

// Typed as a person types: each Enter leaves the focus where the next number goes.
TEST(PruferVista, LaSecuenciaSeTecleaSinSoltarElTeclado)
{
    Prufer modelo([] { return true; });
    PruferVista vista(modelo);
    vista.show();
    QApplication::setActiveWindow(&vista);
    vista.CampoVertices()->setFocus();
    for (const char* numero : {"6", "3", "3", "4", "4"}) {
        QTest::keyClicks(QApplication::focusWidget(), numero);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    EXPECT_TRUE(modelo.Secuencia() == "3 - 3 - 4 - 4" && vista.BotonAceptar()->isEnabled());
}

// The file dialogs list a folder's type and every date in Spanish, whatever language the system speaks.
TEST(ModeloFicherosEs, TiposYFechasEnEspañol)
{
    CarpetaPrueba carpeta;
    carpeta.Fichero("g.grf", "Simple\r\n 0 \r\n");
    ASSERT_TRUE(QDir(carpeta.Ruta("")).mkdir("clase"));
    QFileSystemModel ficheros;
    ModeloFicherosEs modelo;
    modelo.setSourceModel(&ficheros);
    const QModelIndex raiz = modelo.mapFromSource(ficheros.setRootPath(carpeta.Ruta("")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return modelo.rowCount(raiz) == 2; }));
    std::map<QString, QString> tipos;
    for (int fila = 0; fila < 2; ++fila)
        tipos[modelo.index(fila, 0, raiz).data().toString()] = modelo.index(fila, 2, raiz).data().toString();
    EXPECT_EQ(tipos, (std::map<QString, QString>{{"clase", "Carpeta"}, {"g.grf", "Archivo grf"}}));
    const QModelIndex clase = ficheros.index(carpeta.Ruta("clase"));
    EXPECT_EQ(modelo.mapFromSource(clase.siblingAtColumn(3)).data().toString(),
              QLocale(QLocale::Spanish, QLocale::Spain).toString(ficheros.lastModified(clase), QLocale::ShortFormat));
}

// A file whose name is not UTF-8 is invisible to Qt's dialog, which would refuse to open it and replace it
// without a question: ours opens it and asks first, answered here with No and then Yes.
TEST(DialogoFicheros, UnNombreQueNoEsUtf8SeAbreYSePreguntaAntesDeReemplazarlo)
{
    CarpetaPrueba carpeta;
    const QString nombre = NombreDesdeBytes(QFile::encodeName(carpeta.Ruta("caf")) + "\xe9.grf");
    ASSERT_TRUE(EscribirAtomicamente(nombre, "Simple\r\n 0 \r\n").hecha);
    for (const auto& [modo, respuesta, aceptado] : {std::tuple{QFileDialog::AcceptOpen, QMessageBox::NoButton, true},
                                                    {QFileDialog::AcceptSave, QMessageBox::No, false},
                                                    {QFileDialog::AcceptSave, QMessageBox::Yes, true}}) {
        DialogoFicheros dialogo;
        dialogo.setAcceptMode(modo);
        dialogo.setFileMode(modo == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        dialogo.setOption(QFileDialog::DontUseNativeDialog);
        dialogo.selectFile(nombre);
        QString pregunta;
        QTimer contestar; // dies with the case, so no answer reaches the next one's question
        QObject::connect(&contestar, &QTimer::timeout, [&, respuesta = respuesta] {
            if (auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                pregunta = caja->text();
                QAbstractButton* boton = caja->button(respuesta);
                (boton ? boton : caja->buttons().constFirst())->click();
            }
        });
        contestar.start(50);
        dialogo.accept();
        EXPECT_EQ(dialogo.result() == QDialog::Accepted, aceptado) << modo << respuesta;
        EXPECT_EQ(pregunta.isEmpty(), modo == QFileDialog::AcceptOpen) << pregunta.toStdString();
        if (aceptado) {
            EXPECT_EQ(BytesDeNombre(NombreRecuperado(dialogo.selectedFiles().value(0))), BytesDeNombre(nombre));
        }
    }
    EXPECT_TRUE(Disco::Borrar(carpeta.Ruta(""), NombreDesdeBytes("caf\xe9.grf")));
}

} // namespace
