// Saving the graph in hand: when it writes, what it tells the user, the trace
// pane's prompt, and that a failed or interrupted save loses nothing.
#include <QFile>
#include <unistd.h>

#include "files/Escritor.h"
#include "files/Guardar.h"
#include "files/LecturaPrueba.h"

namespace {

QByteArray Contenido(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<no existe>");
}

struct Guardado : LecturaPrueba {
    QStringList traza; // every text put into the trace pane, in order
    TextoPanelTraza Traza()
    {
        return [this](const QString& t) { traza << t; };
    }
    bool Guardar() { return GuardarGrafo(grafo, documento, entorno.interaccion, Traza()); }
    bool GuardarComo() { return GuardarGrafoComo(grafo, documento, entorno.interaccion, Traza()); }
    InteraccionGuion& Io() { return entorno.interaccion; }

    Guardado()
    {
        grafo.Insertar_Dimension(1, false);
        grafo.InsertarPosicionX(1, 300);
        grafo.InsertarPosicionY(1, 400);
    }
};

const QString Indicacion =
    " Introduzca el nombre que desee dar al archivo que contenga este grafo y pulse GUARDAR.";

TEST(GuardarGrafo, SinCambiosNoHaceNada)
{
    Guardado g;
    g.documento = {g.Ruta("k5.grf"), false};
    EXPECT_TRUE(g.Guardar());
    EXPECT_FALSE(QFile::exists(g.Ruta("k5.grf")));
    EXPECT_TRUE(g.Io().mensajes.empty());
    EXPECT_TRUE(g.traza.isEmpty());
}

TEST(GuardarGrafo, EscribeYAvisa)
{
    Guardado g;
    g.documento = {g.Ruta("k5.grf"), true};
    EXPECT_TRUE(g.Guardar());
    EXPECT_EQ(Contenido(g.Ruta("k5.grf")), TextoGrafo(g.grafo));
    ASSERT_EQ(g.Io().mensajes.size(), 1u);
    const MensajeVisto& m = g.Io().mensajes[0];
    EXPECT_EQ(m.texto, "Fichero K5.GRF Guardado");
    EXPECT_EQ(m.titulo, "Salvar Grafo");
    EXPECT_EQ(m.icono, Icono::Informacion);
    EXPECT_EQ(m.botones, Botones::Aceptar);
    EXPECT_FALSE(g.documento.GrafoModificado);
    EXPECT_EQ(g.traza, QStringList{QString()});
}

TEST(GuardarGrafo, SinNombrePideUno)
{
    Guardado g;
    g.Io().nombresGuardar.push_back(g.Ruta("nuevo.txt"));
    EXPECT_TRUE(g.Guardar());
    EXPECT_EQ(g.Io().filtroVisto, "Grafo (*.grf)|*.grf|Texto (*.txt)|*.txt");
    EXPECT_EQ(g.Io().nombrePropuesto, "");
    EXPECT_EQ(g.documento.NombreArchivo, g.Ruta("nuevo.txt"));
    EXPECT_FALSE(g.documento.GrafoModificado);
    EXPECT_EQ(Contenido(g.Ruta("nuevo.txt")), TextoGrafo(g.grafo));
    EXPECT_EQ(g.Io().UltimoTexto(), "Fichero NUEVO.TXT Guardado");
    EXPECT_EQ(g.traza, (QStringList{Indicacion, QString(), QString()}));
}

TEST(GuardarGrafo, ComoEscribeAunqueNadaHayaCambiado)
{
    Guardado g;
    g.documento = {g.Ruta("viejo.grf"), false};
    g.Io().nombresGuardar.push_back(g.Ruta("copia.grf"));
    EXPECT_TRUE(g.GuardarComo());
    EXPECT_EQ(g.Io().nombrePropuesto, g.Ruta("viejo.grf"));
    EXPECT_EQ(Contenido(g.Ruta("copia.grf")), TextoGrafo(g.grafo));
    EXPECT_EQ(g.documento.NombreArchivo, g.Ruta("copia.grf"));
}

TEST(GuardarGrafo, CancelarNoCambiaNada)
{
    Guardado g;
    g.documento = {g.Ruta("viejo.grf"), true};
    EXPECT_FALSE(g.GuardarComo()); // no name queued: the dialog is cancelled
    EXPECT_TRUE(g.Io().mensajes.empty());
    EXPECT_EQ(g.documento.NombreArchivo, g.Ruta("viejo.grf"));
    EXPECT_TRUE(g.documento.GrafoModificado);
    EXPECT_EQ(g.traza, (QStringList{Indicacion, QString()}));
}

TEST(GuardarGrafo, FalloAlEscribirSeAvisaYNoSeDaPorGuardado)
{
    Guardado g;
    const QString imposible = g.Ruta("no-hay-carpeta/k5.grf");
    g.documento = {g.Ruta("antes.grf"), true};
    g.Io().nombresGuardar.push_back(imposible);
    EXPECT_FALSE(g.GuardarComo());
    ASSERT_EQ(g.Io().mensajes.size(), 1u);
    EXPECT_TRUE(g.Io().mensajes[0].texto.startsWith("No se pudo guardar el fichero "));
    EXPECT_TRUE(g.Io().mensajes[0].texto.contains("k5.grf"));
    EXPECT_EQ(g.Io().mensajes[0].titulo, "ERROR");
    EXPECT_EQ(g.Io().mensajes[0].icono, Icono::Critico);
    EXPECT_TRUE(g.documento.GrafoModificado);
    EXPECT_EQ(g.documento.NombreArchivo, g.Ruta("antes.grf"));
    EXPECT_FALSE(QFile::exists(imposible));
}

// The new file is written aside and renamed into place: a second name for
// the old file (a hard link) keeps the old bytes, which an in-place rewrite
// would have destroyed halfway through.
TEST(GuardarGrafo, ReemplazaSinReescribirElFicheroAnterior)
{
    Guardado g;
    const QString ruta = g.Ruta("grafo.grf");
    const QByteArray viejo = QByteArray("Simple\r\n 0 \r\n\r\n") + QByteArray(5000, ' ');
    g.Escribir(viejo, "grafo.grf");
    ASSERT_EQ(::link(QFile::encodeName(ruta).constData(), QFile::encodeName(g.Ruta("duro.grf")).constData()),
              0);
    g.documento = {ruta, true};
    EXPECT_TRUE(g.Guardar());
    EXPECT_EQ(Contenido(ruta), TextoGrafo(g.grafo));
    EXPECT_EQ(Contenido(g.Ruta("duro.grf")), viejo);
}

} // namespace
