// Saving the graph in hand: when it writes, what it tells the user (the file's short name), the trace pane's
// prompt, and that a failed save loses nothing.
#include "files/Guardar.h"
#include "files/Escritor.h"
#include "files/LecturaPrueba.h"

namespace {

const QString Indicacion = " Introduzca el nombre que desee dar al archivo que contenga este grafo y pulse GUARDAR.";

// A one-vertex graph whose document is `nombre` in the test's folder (none when empty); the save dialog is
// answered with `respuestas` in turn.
struct Guardado : LecturaPrueba {
    QStringList traza; // every text put into the trace pane, in order
    InteraccionGuion& io = entorno.interaccion;

    Guardado(const QString& nombre, bool modificado, const QStringList& respuestas = {})
    {
        grafo.Insertar_Dimension(1, false);
        grafo.InsertarPosicionX(1, 300);
        documento = {nombre.isEmpty() ? QString() : Ruta(nombre), modificado};
        for (const QString& r : respuestas)
            io.nombresGuardar.push_back(Ruta(r));
    }
    bool Guardar(bool como = false)
    {
        const auto traza = [this](const QString& t) { this->traza << t; };
        return como ? GuardarGrafoComo(grafo, documento, io, traza) : GuardarGrafo(grafo, documento, io, traza);
    }
};

TEST(Documento, ElNombreCortoVaTrasLaUltimaBarraDeCualquierTipo)
{
    const auto corto = [](const QString& ruta) { return Documento{ruta, false}.NombreCorto(); };
    EXPECT_EQ(corto(""), "SinNombre.grf");
    EXPECT_EQ(corto("C:\\grafos/clase\\petersen.grf"), "petersen.grf");
    EXPECT_EQ(corto("/datos\\clase/Árbol de prueba.txt"), "Árbol de prueba.txt");
}

TEST(GuardarGrafo, SoloEscribeSiHayCambiosYAvisa)
{
    Guardado g("k5.grf", false);
    EXPECT_TRUE(g.Guardar());
    EXPECT_TRUE(!QFile::exists(g.Ruta("k5.grf")) && g.io.mensajes.empty() && g.traza.isEmpty());

    g.documento.GrafoModificado = true;
    EXPECT_TRUE(g.Guardar());
    EXPECT_EQ(g.Contenido("k5.grf"), TextoGrafo(g.grafo));
    EXPECT_EQ(g.io.mensajes, (std::vector<MensajeVisto>{
                                 {"Fichero K5.GRF Guardado", "Salvar Grafo", Icono::Informacion, Botones::Aceptar}}));
    EXPECT_TRUE(!g.documento.GrafoModificado && g.traza == QStringList{QString()});
}

// Without a name, saving asks for one; "save as" asks even when nothing has changed, proposing the current
// name; a cancelled dialog changes nothing.
TEST(GuardarGrafo, SinNombreOComoPideUno)
{
    Guardado g("", true, {"nuevo.txt", "copia.grf"});
    EXPECT_TRUE(g.Guardar());
    EXPECT_EQ(g.io.filtroVisto, "Grafo (*.grf)|*.grf|Texto (*.txt)|*.txt");
    EXPECT_TRUE(g.documento.NombreArchivo == g.Ruta("nuevo.txt") && !g.documento.GrafoModificado);
    EXPECT_EQ(g.Contenido("nuevo.txt"), TextoGrafo(g.grafo));
    EXPECT_EQ(g.traza, (QStringList{Indicacion, QString(), QString()}));

    EXPECT_TRUE(g.Guardar(true));
    EXPECT_EQ(g.io.nombrePropuesto, g.Ruta("nuevo.txt"));
    EXPECT_TRUE(g.Contenido("copia.grf") == TextoGrafo(g.grafo) && g.documento.NombreArchivo == g.Ruta("copia.grf"));

    g.documento.GrafoModificado = true;
    g.io.mensajes.clear();
    g.traza.clear();
    EXPECT_FALSE(g.Guardar(true)); // no name left: the dialog is cancelled
    EXPECT_TRUE(g.io.mensajes.empty() && g.documento.NombreArchivo == g.Ruta("copia.grf") &&
                g.documento.GrafoModificado);
    EXPECT_EQ(g.traza, (QStringList{Indicacion, QString()}));
}

// A failed write is told with its reason (what is no regular file is refused by the writer, in its own
// tests), and the graph is not taken as saved.
TEST(GuardarGrafo, FalloAlEscribirSeAvisaYNoSeDaPorGuardado)
{
    Guardado g("antes.grf", true);
    const QString nombre = g.Ruta("no-hay-carpeta/k5.grf");
    g.io.nombresGuardar = {nombre};
    EXPECT_FALSE(g.Guardar(true));
    EXPECT_EQ(g.io.mensajes,
              (std::vector<MensajeVisto>{{"No se pudo guardar el fichero " + nombre + ": la carpeta no existe.",
                                          "ERROR", Icono::Critico, Botones::Aceptar}}));
    EXPECT_TRUE(g.documento.NombreArchivo == g.Ruta("antes.grf") && g.documento.GrafoModificado);
}

} // namespace
