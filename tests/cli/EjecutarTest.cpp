// nodeva-cli ejecutar in-process: the plain trace of a straight run with its drawing, the commands that run
// without steps, and a refused precondition.
#include <QDir>
#include <QImage>
#include <set>

#include "cli/CargaCli.h"
#include "cli/CliPrueba.h"
#include "support/EjecucionPrueba.h"
#include "ui/Principal.h"

namespace {

// 1-2 (1), 2-3 (2), 3-4 (1), 4-1 (3) on a square.
const QByteArray Cuadrado = "Ponderado\r\n 4 \r\n 0 1 0 3 \r\n 1 0 2 0 \r\n 0 2 0 1 \r\n 3 0 1 0 \r\n\r\n"
                            " 1500 , 1500 \r\n 4500 , 1500 \r\n 4500 , 4500 \r\n 1500 , 4500 \r\n";

TEST(CliEjecutar, KruskalEscribeLaTrazaFinalYGuardaElDibujoResaltado)
{
    CarpetaPrueba c;
    const Ejecucion e =
        Ejecutar({"ejecutar", "Kruskal", c.Fichero("g.grf", Cuadrado), "--dibujo", c.Ruta("k.png")});
    EXPECT_TRUE(e.estado == 0 && e.errores.isEmpty()) << e.errores.toStdString();
    EXPECT_EQ(e.salida, "Algoritmo de KRUSKAL\n\nArista: (1,2)    \tArista: (3,4)    \tArista: (2,3)    \t"
                        "FIN Kruskal\n\nPESO TOTAL DEL ARBOL: 4\n\nPresione ACEPTAR  para continuar.\n");
    // Edge 1-2 runs along y = 1500 twips, pixel row 100, in palette entry 1.
    EXPECT_EQ(QImage(c.Ruta("k.png")).pixelColor(150, 100), QColor(128, 0, 0));
    EXPECT_EQ(Ejecutar({"ejecutar", "Puentes", c.Ruta("g.grf")}).salida,
              "NO EXISTEN ARISTAS PUENTE\nPresione ACEPTAR  para continuar.\n");
    EXPECT_TRUE(Ejecutar({"ejecutar", "Estadisticas", c.Ruta("g.grf")})
                    .salida.endsWith("Sucesión de grados: \n2, 2, 2, 2\n"));
}

// A failed precondition, or an algorithm the window never offers on the graph's type (statistics of a digraph
// would be all zeros, Kruskal on arcs nonsense): the message, status 2, and the drawing asked for left as it
// was.
TEST(CliEjecutar, UnaPrecondicionFallidaOUnTipoNoOfrecidoDanEstadoDos)
{
    CarpetaPrueba c;
    c.Fichero("i.grf", "Ponderado\r\n 2 \r\n 0 0 \r\n 0 0 \r\n\r\n 900 , 900 \r\n 2000 , 900 \r\n");
    c.Fichero("d.grf", "Digrafo\r\n 2 \r\n 0 1 \r\n 0 0 \r\n\r\n 900 , 900 \r\n 2000 , 900 \r\n");
    c.Fichero("d.png", "viejo");
    const struct {
        const char *algoritmo, *grafo, *error;
    } casos[] = {
        {"Boruvka", "i.grf", "Precondición: El algoritmo de Boruvka requiere que el grafo sea conexo.\n"},
        {"Kruskal", "d.grf", "Kruskal no se ofrece para los grafos de tipo Digrafo: solo para Ponderado.\n"},
        {"Estadisticas", "d.grf",
         "Estadisticas no se ofrece para los grafos de tipo Digrafo: solo para Simple y Ponderado.\n"},
    };
    for (const auto& caso : casos) {
        const Ejecucion e = Ejecutar({"ejecutar", caso.algoritmo, c.Ruta(caso.grafo), "--dibujo", c.Ruta("d.png")});
        EXPECT_TRUE(e.estado == 2 && e.salida.isEmpty() && c.Contenido("d.png") == "viejo") << caso.algoritmo;
        EXPECT_EQ(e.errores, caso.error);
    }
    EXPECT_EQ(Ejecutar({"ejecutar", "Puentes", c.Ruta("d.grf")}).estado, 0);
}

// The path 1-2-3 and two triangles sharing vertex 3.
const QByteArray Camino = "Simple\r\n 3 \r\n 0 1 0 \r\n 1 0 1 \r\n 0 1 0 \r\n\r\n 900 , 900 \r\n 2000 , 900 \r\n"
                          " 3000 , 900 \r\n";
const QByteArray Pajarita = "Simple\r\n 5 \r\n 0 1 1 0 0 \r\n 1 0 1 0 0 \r\n 1 1 0 1 1 \r\n 0 0 1 0 1 \r\n"
                            " 0 0 1 1 0 \r\n\r\n 900 , 900 \r\n 900 , 3000 \r\n 2500 , 2000 \r\n"
                            " 4000 , 900 \r\n 4000 , 3000 \r\n";

TEST(CliEjecutar, ElRecorridoDelUsuarioPulsaLosVerticesDados)
{
    CarpetaPrueba c;
    const QString camino = c.Fichero("c.grf", Camino);
    const QString cabecera = "Algoritmo de FLEURY\n\nConstrucción de recorrido euleriano abierto.\n"
                             "Debe comenzar por uno de los vértices de grado impar: 1, 3\n";
    // A start that is not odd and a vertex not adjacent are only told.
    EXPECT_EQ(Ejecutar({"ejecutar", "FleuryUsuario", camino, "--recorrido", "2,1,3,2,3"}).salida,
              cabecera + "\nRecorrido formado por las aristas: \n1-2, 2-3\n\nPresione ACEPTAR  para continuar.\n");
    // Clicks that end first leave the pane as it stands.
    const Ejecucion corta = Ejecutar({"ejecutar", "FleuryUsuario", camino, "--recorrido", "2,1,3"});
    EXPECT_EQ(corta.estado, 0);
    EXPECT_EQ(corta.salida,
              cabecera + "ERROR. El vértice seleccionado no es adyacente al último vértice del recorrido.\n");
    EXPECT_EQ(Ejecutar({"ejecutar", "FleuryUsuario", camino, "--recorrido", "1,4"}).errores,
              "El vértice 4 no existe: el grafo tiene 3 vértices.\n");
    EXPECT_TRUE(Ejecutar({"ejecutar", "EsEuleriano", camino}).salida.startsWith("El grafo no es euleriano.\n"));
    const Ejecucion rechazo = Ejecutar({"ejecutar", "Tucker", camino});
    EXPECT_TRUE(rechazo.estado == 2 && rechazo.salida.isEmpty());
    EXPECT_EQ(rechazo.errores, "Algoritmo de Tucker: El grafo tiene vértices con grado impar.\n");
    EXPECT_EQ(Ejecutar({"ejecutar", "Tucker", c.Fichero("p.grf", Pajarita)}).salida,
              "Algoritmo de TUCKER\n\n\nRECORRIDO EULERIANO final: \n3 - 1, 1 - 2, 2 - 3, 3 - 4, 4 - 5, 5 - 3\n\n"
              "Presione ACEPTAR  para continuar.\n");
}

// A seed repeats its walk, and the seeds do not all give the same one (the walks themselves are checked on
// random graphs with the algorithms); the postman's total on the path weighted 4 and 5.
TEST(CliEjecutar, LaSemillaRepiteElRecorrido)
{
    CarpetaPrueba c;
    const QString pajarita = c.Fichero("p.grf", Pajarita);
    for (const char* algoritmo : {"Fleury", "Hierholzer"}) {
        std::set<QString> salidas;
        for (int semilla = 1; semilla <= 10; ++semilla) {
            const QStringList argumentos{"ejecutar", algoritmo, pajarita, "--semilla", QString::number(semilla)};
            const QString salida = Ejecutar(argumentos).salida;
            EXPECT_EQ(Ejecutar(argumentos).salida, salida) << semilla;
            salidas.insert(salida);
        }
        EXPECT_GT(salidas.size(), 1u) << algoritmo;
    }
    const QString camino = c.Fichero("c.grf", "Ponderado\r\n 3 \r\n 0 4 0 \r\n 4 0 5 \r\n 0 5 0 \r\n\r\n"
                                              " 900 , 900 \r\n 2000 , 900 \r\n 3000 , 900 \r\n");
    EXPECT_TRUE(Ejecutar({"ejecutar", "Cartero", camino}).salida.contains("Peso total del recorrido: 18\n"));
}

TEST(CliEjecutar, LasColoracionesEscribenSuTrazaYSuOrden)
{
    CarpetaPrueba c;
    const QString camino = c.Fichero("c.grf", Camino);
    // A vertex named twice counts once, as a second click on it does.
    Ejecucion e = Ejecutar({"ejecutar", "Secuencial", camino, "--orden", "3,2,3,1"});
    EXPECT_EQ(e.salida, "Algoritmo Secuencial\n\nOrden de Coloración : _3, _2, _1\n\nColor 1_ : _3, _1\n"
                        "Color 2_ : _2\n\nSe han usado 2 colores con el Algoritmo Secuencial.\n\n"
                        "Presione ACEPTAR  para continuar.\n");
    EXPECT_TRUE(Ejecutar({"ejecutar", "Coloración Brelaz", camino})
                    .salida.startsWith("Algoritmo de Brelaz\n\nColor 1_ : _2\nColor 2_ : _1, _3\n\n"));

    const std::pair<const char*, const char*> malos[] = {
        {"1,2", "El orden debe incluir todos los vértices: falta el 3.\n"},
        {"1,2,4", "El vértice 4 no existe: el grafo tiene 3 vértices.\n"},
    };
    for (const auto& [orden, error] : malos) {
        e = Ejecutar({"ejecutar", "Secuencial", camino, "--orden", orden});
        EXPECT_TRUE(e.estado == 2 && e.salida.isEmpty() && e.errores == error) << e.errores.toStdString();
    }
}

// The options of the searches and routes (their traces are checked against Boost through the same
// catalogue rows), Dijkstra on any type; a vertex the graph lacks, or the same vertex at both ends, is exit 2.
TEST(CliEjecutar, BusquedasYCaminosEscribenSuTraza)
{
    CarpetaPrueba c;
    // The triangle 1-2 (5), 2-3 (1), 1-3 (9).
    const QString g = c.Fichero("t.grf", "Ponderado\r\n 3 \r\n 0 5 9 \r\n 5 0 1 \r\n 9 1 0 \r\n\r\n"
                                         " 900 , 900 \r\n 2000 , 900 \r\n 2000 , 2000 \r\n");
    const QString fin = "\nPresione ACEPTAR  para continuar.\n";
    const QString tabla =
        "Algoritmo de DIJKSTRA\n\n\t1\t2\t3\t\n" + QString(36, '-') + "\n\t0\t5\t9\t\n\t0\t5\t6\t\n";
    const struct {
        QStringList argumentos;
        QString salida, errores;
    } casos[] = {
        {{"En_Anchura", g, "--raiz", "3"},
         "Algoritmo de Búsqueda en Anchura\n\nOrden de Búsqueda :  3, 1, 2\n",
         ""},
        {{"Dijkstra", g, "--origen", "1", "--destino", "TODOS"}, tabla + "\t0\t5\t6\t\n", ""},
        {{"Dijkstra", g, "--origen", "1", "--destino", "3"},
         tabla + "\t0\t5\t6\t\nCamino: 1 - 2 - 3\n\nLONGITUD TOTAL DEL CAMINO: 6\n",
         ""},
        {{"En_Anchura", g, "--raiz", "4"}, "", "El vértice 4 no existe: el grafo tiene 3 vértices.\n"},
        {{"Dijkstra", g, "--origen", "2", "--destino", "2"},
         "",
         "El origen y el destino deben ser vértices distintos.\n"},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.argumentos.join(' ').toStdString());
        const Ejecucion e = Ejecutar(QStringList{"ejecutar"} + caso.argumentos);
        EXPECT_EQ(e.estado, caso.errores.isEmpty() ? 0 : 2);
        EXPECT_EQ(e.salida, caso.errores.isEmpty() ? caso.salida + fin : QString());
        EXPECT_EQ(e.errores, caso.errores);
    }
}

} // namespace

// The operations print the graph they leave and --grafo saves it, for any
// algorithm, through the program's writer; a refused line graph saves nothing.
TEST(CliEjecutar, LasOperacionesGuardanElGrafoResultante)
{
    CarpetaPrueba c;
    const QString camino = c.Fichero("p.grf", "Simple\r\n 3 \r\n 0 1 0 \r\n 1 0 1 \r\n 0 1 0 \r\n\r\n"
                                              " 1000 , 1000 \r\n 3001 , 2001 \r\n 5000 , 1000 \r\n");
    Ejecucion e = Ejecutar({"ejecutar", "Lineal", camino, "--grafo", c.Ruta("l.grf")});
    EXPECT_EQ(e.salida, "Lineal: 2 vértices, 1 aristas\n");
    QFile lineal(c.Ruta("l.grf"));
    ASSERT_TRUE(lineal.open(QIODevice::ReadOnly));
    EXPECT_EQ(lineal.readAll(), "Simple\r\n 2 \r\n 0  1 \r\n 1  0 \r\n\r\n 2000 ,  1500 \r\n 4000 ,  1500 \r\n");
    e = Ejecutar({"ejecutar", "Complementario", camino, "--grafo", c.Ruta("c.grf")});
    EXPECT_EQ(e.salida, "Complementario: 3 vértices, 1 aristas\n");

    QByteArray k11 = "Simple\r\n 11 \r\n";
    for (int i = 0; i < 11; ++i)
        k11 += QByteArray(" 1").repeated(i) + " 0" + QByteArray(" 1").repeated(10 - i) + " \r\n";
    for (int i = 0; i < 11; ++i)
        k11 += "\r\n 900 , " + QByteArray::number(500 + 400 * i);
    e = Ejecutar({"ejecutar", "Lineal", c.Fichero("k.grf", k11 + "\r\n"), "--grafo", c.Ruta("k2.grf")});
    EXPECT_TRUE(e.estado == 2 && e.salida.isEmpty() && !QFile::exists(c.Ruta("k2.grf")));
    EXPECT_EQ(e.errores, "ERROR: El grafo tiene 55 aristas. No debe tener mas de 50.\n");
}

// Decoding takes no file; the tree it saves encodes back to its sequence.
TEST(CliEjecutar, PruferDecodificaSinFicheroYElArbolGuardadoSeCodificaIgual)
{
    CarpetaPrueba c;
    Ejecucion e = Ejecutar({"ejecutar", "Prufer_Decoding", "--codigo", "3,3,4", "--grafo", c.Ruta("t.grf")});
    EXPECT_EQ(e.salida, "Algoritmo de Decodificación de Prüfer\n\nSecuencia: 3  3  4  \n"
                        "Vértices libres: 1  2  3  4  5  \n\nPresione ACEPTAR  para continuar.\n");
    e = Ejecutar({"ejecutar", "Prufer_Encoding", c.Ruta("t.grf")});
    EXPECT_EQ(e.salida, "Algoritmo de Codificación de Prüfer\n\nSecuencia: 3  3  4  \n\nPresione ACEPTAR  para continuar.\n");
    EXPECT_EQ(Ejecutar({"ejecutar", "Prufer_Decoding", "--codigo", "3,9"}).estado, 2); // 9 > 4 vertices
}

// --pasos: at every pause the work area's picture and the step window's
// text, exactly as a person would have seen them; the final drawing is the
// one a straight run draws. A folder that is not there is refused first.
TEST(CliEjecutar, LosPasosSonLosDibujosYTextosDeCadaPausa)
{
    struct QueMira : PersonaEjecucion {
        using PersonaEjecucion::Mostrar;
        Principal* p = nullptr;
        std::vector<QImage> vistas;
        void Mostrar(BotonesInterrupcion& v) override
        {
            vistas.push_back(p->Area().Imagen().copy());
            PersonaEjecucion::Mostrar(v);
        }
    };
    CarpetaPrueba c;
    const QString grafo = c.Fichero("g.grf", Cuadrado);
    QueMira persona;
    Principal p(persona);
    persona.p = &p;
    std::vector<QImage>& vistas = persona.vistas;
    p.Geometria().areaTrabajo.ancho = AreaTrabajoPorOmision.width();
    p.Geometria().areaTrabajo.alto = AreaTrabajoPorOmision.height();
    p.NuevaArea();
    p.AbrirArchivo(grafo);
    p.EjecutarAlgoritmo(QStringLiteral("Kruskal"));
    ASSERT_EQ(vistas.size(), 3u);

    ASSERT_TRUE(QDir(c.Ruta("")).mkdir("pasos"));
    const Ejecucion e =
        Ejecutar({"ejecutar", "Kruskal", grafo, "--pasos", c.Ruta("pasos"), "--dibujo", c.Ruta("p.png")});
    EXPECT_EQ(e.estado, 0) << e.errores.toStdString();
    EXPECT_EQ(QDir(c.Ruta("pasos")).entryList(QDir::Files).size(), 6);
    for (int k = 1; k <= 3; ++k) {
        const QString base = QStringLiteral("pasos/paso-00%1").arg(k);
        EXPECT_TRUE(QImage(c.Ruta(base + ".png")).convertToFormat(QImage::Format_RGB32) == vistas[k - 1]) << k;
        EXPECT_EQ(QString::fromUtf8(c.Contenido(base + ".txt")), persona.pausas[k - 1] + "\n") << k;
    }
    Ejecutar({"ejecutar", "Kruskal", grafo, "--dibujo", c.Ruta("r.png")});
    EXPECT_EQ(c.Contenido("p.png"), c.Contenido("r.png"));

    for (const QString& carpeta : {c.Ruta("no"), grafo}) {
        const Ejecucion mala = Ejecutar({"ejecutar", "Kruskal", grafo, "--pasos", carpeta});
        EXPECT_TRUE(mala.estado == 2 && mala.errores.contains(carpeta) && mala.salida.isEmpty());
    }
}
