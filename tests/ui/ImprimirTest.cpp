// The print dialog: the copies' arrows, the boxes that say what to print, the documents sent to the printer,
// a printer that fails, and the PDF file.
#include <QTextDocument>
#include <unistd.h>

#include "support/CarpetaPrueba.h"
#include "support/EjecucionPrueba.h"
#include "support/MundoPrincipal.h"
#include "ui/ImpresoraPaginas.h"
#include "ui/Imprimir.h"

namespace {

struct DialogoImprimir : ::testing::Test {
    InteraccionGuion persona;
    QImage area{QSize(600, 400), QImage::Format_RGB32};
    QTextDocument traza;
    int trazasMostradas = 0;

    Imprimir Abrir(const QString& textoTraza = {})
    {
        traza.setPlainText(textoTraza);
        return Imprimir(persona, persona.impresora,
                        {area, QSizeF(9000, 6000), traza, [this] { ++trazasMostradas; }, "grafo.pdf"});
    }
    QStringList& Llamadas() { return persona.impresora.llamadas; }
};

// The copies go from 1 to 100 (a disabled arrow does nothing); the trace is offered only when there is some,
// and with nothing ticked Aceptar does nothing.
TEST_F(DialogoImprimir, CopiasDeUnoACien_YSinNadaMarcadoNoSeAcepta)
{
    Imprimir d = Abrir();
    EXPECT_EQ(std::tuple(d.Copias(), d.Text1(), d.UpHabilitado(), d.DownHabilitado()),
              std::tuple(std::int16_t{1}, QString("1"), true, false));
    for (int i = 0; i < 100; ++i)
        d.Up();
    EXPECT_EQ(std::tuple(d.Copias(), d.Text1(), d.UpHabilitado(), d.DownHabilitado()),
              std::tuple(std::int16_t{100}, QString("100"), false, true));
    for (int i = 0; i < 100; ++i)
        d.Down();
    EXPECT_EQ(std::tuple(d.Copias(), d.DownHabilitado()), std::tuple(std::int16_t{1}, false));

    EXPECT_TRUE(d.Check1() && !d.Check2() && !d.Check2Habilitado());
    d.Check2_Click(true);
    EXPECT_FALSE(d.Check2()) << "a disabled box cannot be ticked";
    d.Check1_Click(false);
    d.Aceptar();
    EXPECT_TRUE(!d.AceptarHabilitado() && !d.Cerrado() && Llamadas().isEmpty());
    Imprimir conTraza = Abrir("COMPONENTES CONEXAS");
    EXPECT_TRUE(conTraza.Check2() && conTraza.Check2Habilitado());
    conTraza.Check1_Click(false);
    EXPECT_TRUE(conTraza.AceptarHabilitado());
    conTraza.Check2_Click(false);
    EXPECT_FALSE(conTraza.AceptarHabilitado());
}

// Each copy of the picture is a document, the trace shows while it prints; a printer that fails stops the
// copies, abandons the document and says so; Cancelar abandons too.
TEST_F(DialogoImprimir, CadaCopiaEsUnDocumento_UnFalloLasDetiene)
{
    Imprimir d = Abrir("PESO TOTAL DEL ARBOL: 7");
    d.Option1_Click(1);
    d.Picture1_Click();
    d.Picture2_Click();
    EXPECT_EQ(d.Orientacion(), 2);
    d.Check2_Click(false);
    d.Up();
    d.Up();
    d.Aceptar();
    const QString dibujo = "imagen 600x400 en 400,800 7200x4800", texto = "texto PESO TOTAL DEL ARBOL: 7";
    EXPECT_EQ(Llamadas(), (QStringList{"orientacion 2", "orientacion 1", "orientacion 2", dibujo, "fin", dibujo, "fin",
                                       dibujo, "fin"}));
    EXPECT_TRUE(d.Cerrado());
    Llamadas().clear();
    Imprimir ambos = Abrir("PESO TOTAL DEL ARBOL: 7");
    ambos.Up();
    ambos.Aceptar();
    EXPECT_EQ(Llamadas(), (QStringList{dibujo, "fin", texto, dibujo, "fin", texto}));
    EXPECT_TRUE(trazasMostradas == 2 && persona.mensajes.empty());

    Llamadas().clear();
    persona.impresora.fallarDesde = 3; // the second copy's picture
    Imprimir falla = Abrir();
    for (int i = 0; i < 4; ++i)
        falla.Up();
    falla.Aceptar();
    EXPECT_TRUE(Llamadas().size() == 5 && Llamadas().back() == "abandonar" && falla.Cerrado());
    EXPECT_EQ(persona.mensajes, (std::vector<MensajeVisto>{{"Hubo un problema al imprimir en su impresora.", "Nodeva",
                                                            Icono::Ninguno, Botones::Aceptar}}));
    Llamadas().clear();
    Imprimir cancelado = Abrir();
    cancelado.Cancelar();
    EXPECT_TRUE(Llamadas() == QStringList{"abandonar"} && cancelado.Cerrado());
}

// The PDF gets a page per picture and per page of trace, in the chosen orientation; no file name keeps the
// dialog open. It replaces an old file in one step: a second name of the old file keeps its bytes.
TEST_F(DialogoImprimir, ElPdfRecogeTodasLasPaginas)
{
    CarpetaPrueba carpeta;
    const QString nombre = carpeta.Fichero("clase.pdf", "viejo");
    Imprimir d = Abrir("ARISTAS PUENTE: 1-2");
    d.GuardarPdf();
    EXPECT_FALSE(d.Cerrado()) << "no name chosen";
    EXPECT_EQ(persona.nombrePropuesto + persona.filtroVisto, "grafo.pdfDocumento PDF (*.pdf)|*.pdf");
    d.Up();
    d.Picture2_Click();
    persona.nombresGuardar = {nombre, carpeta.Ruta("no/existe/clase.pdf")};
    ASSERT_EQ(::link(QFile::encodeName(nombre).constData(), QFile::encodeName(nombre + ".bak").constData()), 0);
    d.GuardarPdf();
    const QByteArray bytes = carpeta.Contenido("clase.pdf");
    EXPECT_TRUE(d.Cerrado() && bytes.startsWith("%PDF") && persona.mensajes.empty());
    EXPECT_EQ(bytes.count("/Type /Page\n"), 4) << "two pictures and two traces";
    EXPECT_TRUE(bytes.contains("/MediaBox [0 0 842.000000 595.000000]")) << "A4 landscape";
    EXPECT_EQ(carpeta.Contenido("clase.pdf.bak"), "viejo");
    Abrir().GuardarPdf();
    EXPECT_EQ(persona.UltimoTexto(),
              "No se ha podido escribir el fichero " + carpeta.Ruta("no/existe/clase.pdf") + ": la carpeta no existe.");
}

// The picture keeps its place and scale when it fits the sheet, and shrinks to fit when it does not (a
// maximized window's wide work area).
TEST(EncajarEnHoja, ElDibujoQueNoCabeEncogeSinDeformarse)
{
    const QSizeF a4(11906, 16838); // twips
    EXPECT_EQ(EncajarEnHoja(QRectF(400, 800, 7200, 4800), a4), QRectF(400, 800, 7200, 4800));
    const QRectF ancho = EncajarEnHoja(QRectF(400, 800, 16560, 8000), a4);
    EXPECT_EQ(ancho.topLeft(), QPointF(400, 800));
    EXPECT_DOUBLE_EQ(ancho.width(), 11906 - 800);
    EXPECT_DOUBLE_EQ(ancho.width() / ancho.height(), 16560.0 / 8000);
    const QRectF alto = EncajarEnHoja(QRectF(400, 800, 4000, 20000), a4);
    EXPECT_DOUBLE_EQ(alto.height(), 16838 - 1600);
}

// From the main window: the picture is the work area's, drawn again with three times its pixels and scaled to
// 0.8 of its size in twips, and the PDF is offered beside the graph's file.
TEST(ImprimirDesdePrincipal, ImprimeElAreaDeTrabajo)
{
    MundoPrincipal w;
    w.Empezar(0, {{1000, 1000}, {3000, 1000}});
    w.p.Doc().NombreArchivo = "/clase/tema 3/ejemplo.grf";
    w.persona.guionImprimir.push_back([](Imprimir& d) { d.Aceptar(); });
    w.persona.nombresGuardar = {""};
    w.persona.guionImprimir.push_back([](Imprimir& d) { d.GuardarPdf(); });
    EXPECT_TRUE(w.p.EjecutarBoton("Toolbar2", "imprimir"));
    const QSize imagen = w.p.Area().Imagen().size();
    const Lienzo& area = w.p.Area().Superficie();
    ASSERT_EQ(w.persona.impresora.llamadas.size(), 2);
    EXPECT_EQ(w.persona.impresora.llamadas[0],
              QString::asprintf("imagen %dx%d en 400,800 %gx%g", imagen.width() * 3, imagen.height() * 3,
                                area.Ancho() * 0.8, area.Alto() * 0.8));
    EXPECT_TRUE(w.p.Ejecutar("Imprimir"));
    EXPECT_EQ(w.persona.nombrePropuesto, "/clase/tema 3/ejemplo.pdf");
}

// The step windows' Imprimir prints the formatted trace, bold included (the pane's own text is not formatted
// during a run); the trace pane, hidden behind the window, shows while it prints.
TEST(ImprimirDesdePrincipal, LasVentanasDePasosImprimenLaTrazaFormateadaALaVista)
{
    PersonaEjecucion persona;
    persona.alPausar = [](BotonesInterrupcion& ventana) { ventana.Imprimir(); };
    persona.coloracion = [](BotonesColoracion& ventana) {
        ventana.Continuar();
        ventana.Imprimir();
        ventana.Terminar();
    };
    Principal p{persona};
    p.grafo().InsertarTipo("Simple");
    p.Iniciar_trabajo();
    p.grafo().AñadirVertice(1000, 1000);
    bool visible = false;
    persona.guionImprimir.push_back([&](Imprimir& d) {
        d.Check1_Click(false);
        d.Aceptar();
        visible = p.Vista().textoVisible;
    });
    p.Marco().PrepararEjecucion();
    p.Marco().AñadirTraza("PASO ", false, QColor());
    p.Marco().AñadirTraza("1", true, QColor());
    p.Marco().PausaPaso();
    EXPECT_TRUE(visible);
    EXPECT_EQ(persona.impresora.llamadas, QStringList{"texto PASO 1"});
    EXPECT_EQ(persona.impresora.negrita, "1");

    p.Aceptar_Click();
    persona.impresora.llamadas.clear();
    persona.guionImprimir.push_back([](Imprimir& d) { d.Aceptar(); });
    p.IniciarAlgoritmo("Coloración Secuencial");
    ASSERT_EQ(persona.impresora.llamadas.size(), 3);
    EXPECT_TRUE(persona.impresora.llamadas[2].startsWith("texto Algoritmo Secuencial"));
    EXPECT_TRUE(persona.impresora.negrita.startsWith("Algoritmo Secuencial"))
        << persona.impresora.negrita.toStdString();
}

} // namespace
