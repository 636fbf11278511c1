// The window's Importar and Exportar: another tool's graph opens as a new unsaved graph and a refused one
// changes nothing; the graph and the picture leave in the format the name asks for.
#include "files/Intercambio.h"
#include "run/BotonesInterrupcion.h"
#include "support/Aristas.h"
#include "support/CarpetaPrueba.h"
#include "support/EjecucionPrueba.h"
#include "support/MundoPrincipal.h"

namespace {

const QByteArray Gml = "graph [ directed 0\n node [ id 7 ] node [ id 8 ] node [ id 9 ]\n"
                       " edge [ source 7 target 8 weight 5 ] edge [ source 8 target 9 weight 3 ] ]\n";

struct ImportarExportar : ::testing::Test, MundoPrincipal, CarpetaPrueba {};

TEST_F(ImportarExportar, ImportarAbreUnGrafoNuevoSinGuardarYUnFicheroRechazadoNoCambiaNada)
{
    EXPECT_TRUE(Habilitado("Importar"));
    EXPECT_FALSE(Habilitado("Exportar"));
    persona.nombresAbrir = {Fichero("red.gml", Gml)};
    p.Ejecutar("Importar");
    ASSERT_EQ(p.grafo().dimen(), 3);
    EXPECT_TRUE(p.grafo().Ponderado() && p.grafo().numero_aristas() == 2 && p.grafo().elem_matriz(2, 3) == 3);
    EXPECT_EQ(p.Titulo(), QString("NODEVA: Algoritmos sobre Grafos - [red.grf]"));
    EXPECT_TRUE(p.Doc().GrafoModificado && p.Vista().areaVisible && Habilitado("Exportar"));
    // Guardar asks for a name, proposing ours beside the file read.
    p.Ejecutar("Guardar");
    EXPECT_EQ(persona.nombrePropuesto, Ruta("red.grf"));

    const Grafo antes = p.grafo();
    const Documento documento = p.Doc();
    persona.respuestas = {Respuesta::Si};
    ASSERT_TRUE(p.AbrirArchivo(Fichero("lazo.gml", "graph [ node [ id 1 ] edge [ source 1 target 1 ] ]")));
    EXPECT_EQ(persona.mensajes.back().titulo, QString("ERROR"));
    EXPECT_TRUE(p.grafo() == antes && p.Doc().NombreArchivo == documento.NombreArchivo && p.Vista().areaVisible);
}

TEST_F(ImportarExportar, ExportarEscribeElFormatoQuePideElNombreORechazaLoQueNoCabe)
{
    persona.nombresAbrir = {Fichero("red.gml", Gml)};
    p.Ejecutar("Importar");
    const std::pair<const char*, QByteArray> salidas[] = {{"g.graphml", "<?xml"}, {"g.dot", "graph"},
                                                          {"f.png", "\x89PNG"},   {"f.svg", "<?xml"},
                                                          {"f.pdf", "%PDF"},      {"f.tex", "% Dibujo de Nodeva"}};
    for (const auto& [nombre, principio] : salidas) {
        persona.nombresGuardar = {Ruta(nombre)};
        p.Ejecutar("Exportar");
        EXPECT_TRUE(Contenido(nombre).startsWith(principio)) << nombre;
        EXPECT_EQ(persona.mensajes.back().titulo, QString("Exportar")) << nombre;
    }
    Grafo leido;
    ASSERT_EQ(ImportarGrafo(Ruta("g.graphml"), leido, QSize(9000, 6000)), QString());
    EXPECT_TRUE(leido.Ponderado() && leido.dimen() == 3 && leido.elem_matriz(1, 2) == 5);

    // graph6 holds no weights; an unknown extension is no format at all.
    for (const char* nombre : {"g.g6", "g.xyz"}) {
        persona.nombresGuardar = {Ruta(nombre)};
        p.Ejecutar("Exportar");
        EXPECT_EQ(persona.mensajes.back().icono, Icono::Exclamacion) << nombre;
        EXPECT_FALSE(QFile::exists(Ruta(nombre))) << nombre;
    }
    EXPECT_TRUE(p.Doc().GrafoModificado) << "exportar no es guardar";
}

// Ctrl+E in the step window: the picture of the step shown, Kruskal's first edge in its colour.
TEST(ImportarExportarPaso, ExportarDesdeLaVentanaDePasosDaElDibujoDeEsePaso)
{
    CarpetaPrueba carpeta;
    MundoCon<PersonaEjecucion> m;
    m.persona.alPausar = [&](BotonesInterrupcion& paso) {
        if (m.persona.pausas.size() == 1)
            paso.Exportar();
    };
    m.Poner(1, 3, {{1, 2, 4}, {2, 3, 1}, {1, 3, 6}});
    m.p.Redibujar();
    m.persona.nombresGuardar = {carpeta.Ruta("paso.tex")};
    m.p.EjecutarAlgoritmo(QStringLiteral("Kruskal"));
    const QString figura = QString::fromUtf8(carpeta.Contenido("paso.tex"));
    EXPECT_EQ(figura.count("\\draw[arista, c800000, gruesa] (v2) -- (v3)"), 1) << figura.toStdString();
}

} // namespace
