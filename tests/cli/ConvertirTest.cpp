// nodeva-cli convertir and the other subcommands on other tools' files: the extension picks the format, a
// refused input or output is status 1 with "ERROR: ...", a bad argument the usage and 2.
#include "cli/CliPrueba.h"

namespace {

struct Convertir : ::testing::Test, CarpetaPrueba {};

TEST_F(Convertir, LaExtensionDecideElFormatoYElGrafoVuelveIgual)
{
    const QString grf = Fichero("t.grf", Triangulo);
    const Ejecucion ida = Ejecutar({"convertir", grf, Ruta("t.GraphML")});
    EXPECT_TRUE(ida.estado == 0 && ida.errores.isEmpty()) << ida.errores.toStdString();
    EXPECT_EQ(ida.salida, "Ponderado: 3 vértices, 2 aristas en " + Ruta("t.GraphML") + " (GraphML)\n");
    EXPECT_TRUE(Contenido("t.GraphML").contains("<graphml"));
    // Through every other format and back, as info describes it (the positions already fit the area).
    QString anterior = "t.GraphML";
    for (const QString siguiente : {"t.gml", "t.gv", "t.net", "u.grf"}) {
        ASSERT_EQ(Ejecutar({"convertir", Ruta(anterior), Ruta(siguiente)}).estado, 0) << siguiente.toStdString();
        anterior = siguiente;
    }
    const QString info = Ejecutar({"info", Ruta("u.grf")}).salida;
    EXPECT_TRUE(info.startsWith("Tipo: Ponderado\nVértices: 3\nAristas: 2\n")) << info.toStdString();
    EXPECT_EQ(Ejecutar({"info", Ruta("t.net")}).salida, info);
    // ejecutar opens another tool's file as the window opens the graph file it gives.
    const Ejecucion net = Ejecutar({"ejecutar", "Estadisticas", Ruta("t.net")});
    EXPECT_EQ(net.estado, 0) << net.errores.toStdString();
    EXPECT_EQ(net.salida, Ejecutar({"ejecutar", "Estadisticas", Ruta("u.grf")}).salida);
}

TEST_F(Convertir, EntradaOSalidaRechazadaDaErrorYEstadoUno)
{
    const QString grf = Fichero("t.grf", Triangulo);
    const Ejecucion g6 = Ejecutar({"convertir", grf, Ruta("t.g6")});
    EXPECT_EQ(g6.estado, 1);
    EXPECT_TRUE(g6.errores.startsWith("ERROR: graph6 solo guarda grafos no dirigidos y sin pesos"))
        << g6.errores.toStdString();
    EXPECT_FALSE(QFile::exists(Ruta("t.g6")));
    const QString dot = Fichero("m.dot", "graph { a -- }");
    for (const QStringList& linea : {QStringList{"convertir", dot, Ruta("m.grf")}, QStringList{"info", dot},
                                     QStringList{"dibujar", dot, Ruta("m.png")}}) {
        const Ejecucion mala = Ejecutar(linea);
        EXPECT_EQ(mala.estado, 1) << linea[0].toStdString();
        EXPECT_TRUE(mala.errores.startsWith("ERROR: El fichero no es un DOT que se pueda leer; Graphviz dice:"))
            << mala.errores.toStdString();
    }
    const Ejecucion ausente = Ejecutar({"convertir", Ruta("no.net"), Ruta("n.grf")});
    EXPECT_TRUE(ausente.estado == 1 && ausente.errores.startsWith("ERROR: No se pudo abrir el fichero no.net"));
}

TEST(ConvertirArgumentos, LosQueNoTienenSentidoDanElUsoYEstadoDos)
{
    for (const QString linea : {"convertir", "convertir a.grf", "convertir a.grf b.png", "convertir a.grf b.grf c.grf",
                                "convertir a.grf b.dot --ancho 0", "convertir a.gml ./a.gml"}) {
        const Ejecucion e = Ejecutar(linea.split(' '));
        EXPECT_TRUE(e.estado == 2 && e.salida.isEmpty()) << linea.toStdString();
        EXPECT_TRUE(e.errores.contains("Uso: nodeva-cli convertir")) << e.errores.toStdString();
    }
    EXPECT_TRUE(Ejecutar({"convertir", "--help"}).salida.startsWith("Uso: nodeva-cli convertir ENTRADA SALIDA"));
}

} // namespace
