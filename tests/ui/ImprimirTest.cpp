// The print dialog: the copies' arrows, the boxes that say what to print, the
// documents sent to the printer, a printer that fails, and the PDF file.
#include <QFile>
#include <QTemporaryDir>
#include <QTextDocument>
#include <gtest/gtest.h>
#include <unistd.h>

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

TEST_F(DialogoImprimir, LasFlechasLlevanLasCopiasDeUnoACien)
{
    Imprimir d = Abrir();
    EXPECT_EQ(std::tuple(d.Copias(), d.Text1(), d.UpHabilitado(), d.DownHabilitado()),
              std::tuple(std::int16_t{1}, QString("1"), true, false));
    for (int i = 0; i < 99; ++i)
        d.Up();
    EXPECT_EQ(std::tuple(d.Text1(), d.UpHabilitado(), d.DownHabilitado()), std::tuple(QString("100"), false, true));
    d.Up();
    EXPECT_EQ(d.Copias(), 100) << "a disabled arrow does nothing";
    for (int i = 0; i < 100; ++i)
        d.Down();
    EXPECT_EQ(std::tuple(d.Copias(), d.DownHabilitado()), std::tuple(std::int16_t{1}, false));
}

TEST_F(DialogoImprimir, LaTrazaSoloSeOfreceSiHayTexto_YSinNadaMarcadoNoSeAcepta)
{
    Imprimir vacio = Abrir();
    EXPECT_TRUE(vacio.Check1());
    EXPECT_FALSE(vacio.Check2() || vacio.Check2Habilitado());
    vacio.Check2_Click(true);
    EXPECT_FALSE(vacio.Check2()) << "a disabled box cannot be ticked";
    vacio.Check1_Click(false);
    EXPECT_FALSE(vacio.AceptarHabilitado());
    vacio.Aceptar();
    EXPECT_FALSE(vacio.Cerrado());
    EXPECT_TRUE(Llamadas().isEmpty());

    Imprimir conTraza = Abrir("COMPONENTES CONEXAS");
    EXPECT_TRUE(conTraza.Check2() && conTraza.Check2Habilitado());
    conTraza.Check1_Click(false);
    EXPECT_TRUE(conTraza.AceptarHabilitado());
    conTraza.Check2_Click(false);
    EXPECT_FALSE(conTraza.AceptarHabilitado());
}

TEST_F(DialogoImprimir, CadaCopiaDelDibujoEsUnDocumento_LaTrazaSeMuestraYSeImprime)
{
    Imprimir d = Abrir("PESO TOTAL DEL ARBOL: 7");
    d.Option1_Click(1);
    d.Picture1_Click();
    d.Picture2_Click();
    EXPECT_EQ(d.Orientacion(), 2);
    d.Check2_Click(false);
    for (int i = 0; i < 2; ++i)
        d.Up();
    d.Aceptar();
    const QString dibujo = "imagen 600x400 en 400,800 7200x4800";
    EXPECT_EQ(Llamadas(), (QStringList{"orientacion 2", "orientacion 1", "orientacion 2", dibujo, "fin", dibujo,
                                       "fin", dibujo, "fin"}));
    EXPECT_TRUE(d.Cerrado());

    Llamadas().clear();
    Imprimir ambos = Abrir("PESO TOTAL DEL ARBOL: 7");
    ambos.Up();
    ambos.Aceptar();
    const QString texto = "texto PESO TOTAL DEL ARBOL: 7";
    EXPECT_EQ(Llamadas(), (QStringList{dibujo, "fin", texto, dibujo, "fin", texto}));
    EXPECT_EQ(trazasMostradas, 2);
    EXPECT_TRUE(persona.mensajes.empty());
}

TEST_F(DialogoImprimir, UnFalloDetieneLasCopiasAbandonaYAvisa)
{
    persona.impresora.fallarDesde = 3; // the second copy's picture
    Imprimir d = Abrir();
    for (int i = 0; i < 4; ++i)
        d.Up();
    d.Aceptar();
    EXPECT_EQ(Llamadas().size(), 5);
    EXPECT_EQ(Llamadas().back(), "abandonar");
    EXPECT_EQ(persona.mensajes, (std::vector<MensajeVisto>{{"Hubo un problema al imprimir en su impresora.",
                                                             "Nodeva", Icono::Ninguno, Botones::Aceptar}}));
    EXPECT_TRUE(d.Cerrado());

    Llamadas().clear();
    Imprimir cancelado = Abrir();
    cancelado.Cancelar();
    EXPECT_EQ(Llamadas(), QStringList{"abandonar"});
    EXPECT_TRUE(cancelado.Cerrado());
}

// The PDF gets a page per picture and per page of trace, in the chosen
// orientation; cancelling the file name keeps the dialog open. It replaces an
// old file in one step: a second name of the old file keeps the old bytes.
TEST_F(DialogoImprimir, ElPdfRecogeTodasLasPaginas)
{
    QTemporaryDir carpeta;
    const QString nombre = carpeta.filePath("clase.pdf");
    Imprimir d = Abrir("ARISTAS PUENTE: 1-2");
    d.GuardarPdf();
    EXPECT_FALSE(d.Cerrado()) << "no name chosen";
    EXPECT_EQ(persona.nombrePropuesto, "grafo.pdf");
    EXPECT_EQ(persona.filtroVisto, "Documento PDF (*.pdf)|*.pdf");
    d.Up();
    d.Picture2_Click();
    persona.nombresGuardar = {nombre};
    QFile viejo(nombre);
    ASSERT_TRUE(viejo.open(QIODevice::WriteOnly) && viejo.write("viejo") == 5);
    viejo.close();
    ASSERT_TRUE(
        ::link(QFile::encodeName(nombre).constData(), QFile::encodeName(nombre + ".bak").constData()) == 0);
    d.GuardarPdf();
    EXPECT_TRUE(d.Cerrado());
    QFile pdf(nombre);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n"), 4) << "two pictures and two traces";
    EXPECT_TRUE(bytes.contains("/MediaBox [0 0 842.000000 595.000000]")) << "A4 landscape";
    EXPECT_TRUE(persona.mensajes.empty());
    QFile copia(nombre + ".bak");
    EXPECT_TRUE(copia.open(QIODevice::ReadOnly) && copia.readAll() == "viejo");

    Imprimir sinCarpeta = Abrir();
    persona.nombresGuardar = {carpeta.filePath("no/existe/clase.pdf")};
    sinCarpeta.GuardarPdf();
    EXPECT_EQ(persona.UltimoTexto(), "No se ha podido escribir el fichero " +
                                         carpeta.filePath("no/existe/clase.pdf") + ": la carpeta no existe.");
}

// The picture keeps its place and scale when it fits the sheet, and shrinks
// to fit when it does not (a maximized window's wide work area).
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

// From the main window: the picture is the work area's, drawn again with three
// times its pixels and scaled to 0.8 of its size in twips, and the PDF is
// offered beside the graph's file.
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
    EXPECT_EQ(w.persona.impresora.llamadas[0], QString("imagen %1x%2 en 400,800 %3x%4")
                                                   .arg(imagen.width() * 3)
                                                   .arg(imagen.height() * 3)
                                                   .arg(area.Ancho() * 0.8)
                                                   .arg(area.Alto() * 0.8));
    EXPECT_TRUE(w.p.Ejecutar("Imprimir"));
    EXPECT_EQ(w.persona.nombrePropuesto, "/clase/tema 3/ejemplo.pdf");
}

// The step windows' Imprimir prints the formatted trace, bold included
// (the pane's own text is not formatted during a run); the trace pane,
// hidden behind the window, shows while it prints.
struct PersonaQueImprime : PersonaEjecucion {
    using InteraccionGuion::Mostrar;
    void Mostrar(BotonesInterrupcion& ventana) override
    {
        ventana.Imprimir();
        ventana.Continuar();
    }
    void Mostrar(BotonesColoracion& ventana) override
    {
        ventana.Continuar();
        ventana.Imprimir();
        ventana.Terminar();
    }
};

TEST(ImprimirDesdePrincipal, LasVentanasDePasosImprimenLaTrazaFormateadaALaVista)
{
    PersonaQueImprime persona;
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
