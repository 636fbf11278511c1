// nodeva-cli ejecutar in-process: the plain trace of each kind of command with its options, a refused
// precondition or graph type, the drawing and the graph it saves, and the steps of a run.
#include <QDir>
#include <QImage>
#include <set>

#include "cli/CargaCli.h"
#include "cli/CliPrueba.h"
#include "support/Aristas.h"
#include "support/EjecucionPrueba.h"
#include "ui/Principal.h"

namespace {

// 1-2 (1), 2-3 (2), 3-4 (1), 4-1 (3) on a square.
QByteArray Cuadrado()
{
    return TextoDe("Ponderado", {{1500, 1500}, {4500, 1500}, {4500, 4500}, {1500, 4500}},
                   {{1, 2, 1}, {2, 3, 2}, {3, 4, 1}, {4, 1, 3}});
}

// The files the cases name: the square, the path 1-2-3, the bow tie, the triangle 1-2 (5), 2-3 (1), 1-3 (9),
// two isolated vertices, a single arc, and graphs the reader accepts that a run once could not end on: a
// negative edge for the postman (its shortest paths went round it for ever), loops on the diagonal (the
// postman spun, Tucker read past its record), a digraph whose ends are unbalanced by two, no vertex at all.
struct CliEjecutar : ::testing::Test, CarpetaPrueba {
    void SetUp() override
    {
        const std::vector<QPoint> fila{{900, 900}, {2000, 900}, {3000, 900}}, dos(fila.begin(), fila.end() - 1);
        Fichero("k.grf", Cuadrado());
        Fichero("c.grf", TextoDe("Simple", fila, AristasCamino(3)));
        Fichero("p.grf", TextoDe("Simple", EnPajarita, Pajarita));
        Fichero("t.grf",
                TextoDe("Ponderado", {{900, 900}, {2000, 900}, {2000, 2000}}, {{1, 2, 5}, {2, 3, 1}, {1, 3, 9}}));
        Fichero("i.grf", TextoDe("Ponderado", dos));
        Fichero("d.grf", TextoDe("Digrafo", dos, {{1, 2}}));
        Fichero("d.png", "viejo");
        const QByteArray tres = "\r\n\r\n 900 , 900 \r\n 3000 , 900 \r\n 2000 , 2500 \r\n";
        Fichero("neg.grf", "Ponderado\r\n 2 \r\n 0 -3 \r\n -3 0 \r\n\r\n 900 , 900 \r\n 3000 , 900 \r\n");
        Fichero("des.grf", "Digrafo\r\n 3 \r\n 0 1 1 \r\n 0 0 0 \r\n 0 1 0 " + tres);
        Fichero("cic.grf", "Digrafo\r\n 3 \r\n 1 1 0 \r\n 0 1 1 \r\n 1 0 0 " + tres);
        Fichero("tri.grf", "Ponderado\r\n 3 \r\n 7 2 3 \r\n 2 0 4 \r\n 3 4 -5 " + tres);
        Fichero("vac.grf", "Simple\r\n 0 \r\n\r\n");
    }
    // "ejecutar" and these arguments, the files among them in the test's folder.
    Ejecucion EnCarpeta(QStringList argumentos)
    {
        for (QString& a : argumentos)
            if (a.endsWith(".grf") || a.endsWith(".png"))
                a = Ruta(a);
        return Ejecutar(QStringList{"ejecutar"} + argumentos);
    }
};

// The prompt at the end of a finished run's trace.
#define FIN "\nPresione ACEPTAR  para continuar.\n"
const QString NoExiste = "El vértice 4 no existe: el grafo tiene 3 vértices.\n";

// What the command line adds to a run: the options reach it, the trace comes out in plain lines with the end
// prompt, and a refused precondition, an algorithm the window never offers on the graph's type (statistics
// of a digraph would be all zeros, Kruskal on arcs nonsense) or a bad option gives its message and status 2
// with nothing on the output and the drawing asked for left as it was. The traces themselves are pinned
// beside their algorithms; the cases show the piece their options decide.
TEST_F(CliEjecutar, CadaOrdenEscribeSuTrazaOSuMotivo)
{
    const struct {
        QStringList argumentos;
        QString salida, errores = {};
    } casos[] = {
        {{"Kruskal", "k.grf", "--dibujo", "k.png"}, "PESO TOTAL DEL ARBOL: 4\n" FIN},
        {{"Puentes", "d.grf"}, "EXISTE 1 ARISTA PUENTE"},
        {{"Estadisticas", "k.grf"}, "Sucesión de grados: \n2, 2, 2, 2\n"},
        {{"Boruvka", "i.grf", "--dibujo", "d.png"},
         {},
         "Precondición: El algoritmo de Boruvka requiere que el grafo sea conexo.\n"},
        {{"Kruskal", "d.grf", "--dibujo", "d.png"},
         {},
         "Kruskal no se ofrece para los grafos de tipo Digrafo: solo para Ponderado.\n"},
        {{"Estadisticas", "d.grf", "--dibujo", "d.png"},
         {},
         "Estadisticas no se ofrece para los grafos de tipo Digrafo: solo para Simple y Ponderado.\n"},
        // A start that is not odd and a vertex not adjacent are only told; clicks that end first leave the
        // pane as it stands.
        {{"FleuryUsuario", "c.grf", "--recorrido", "2,1,3,2,3"}, "aristas: \n1-2, 2-3\n" FIN},
        {{"FleuryUsuario", "c.grf", "--recorrido", "2,1,3"},
         "1, 3\nERROR. El vértice seleccionado no es adyacente al último vértice del recorrido.\n"},
        {{"FleuryUsuario", "c.grf", "--recorrido", "1,4"}, {}, NoExiste},
        {{"Tucker", "c.grf"}, {}, "Algoritmo de Tucker: El grafo tiene vértices con grado impar.\n"},
        // A vertex named twice counts once, as a second click on it does.
        {{"Secuencial", "c.grf", "--orden", "3,2,3,1"}, "Orden de Coloración : _3, _2, _1\n"},
        {{"Secuencial", "c.grf", "--orden", "1,2"}, {}, "El orden debe incluir todos los vértices: falta el 3.\n"},
        {{"Secuencial", "c.grf", "--orden", "1,2,4"}, {}, NoExiste},
        {{"En_Anchura", "t.grf", "--raiz", "3"}, "Orden de Búsqueda :  3, 1, 2\n" FIN},
        {{"Dijkstra", "t.grf", "--origen", "1", "--destino", "TODOS"}, "\t0\t5\t6\t\n" FIN},
        {{"Dijkstra", "t.grf", "--origen", "1", "--destino", "3"}, "Camino: 1 - 2 - 3\n"},
        {{"Dijkstra", "d.grf", "--origen", "1", "--destino", "2"}, "Camino: 1 - 2\n"},
        {{"En_Anchura", "t.grf", "--raiz", "4"}, {}, NoExiste},
        {{"Dijkstra", "t.grf", "--origen", "2", "--destino", "2"},
         {},
         "El origen y el destino deben ser vértices distintos.\n"},
        // Decoding takes no file; the tree it saves encodes back to its sequence.
        {{"Prufer_Decoding", "--codigo", "3,3,4", "--grafo", "a.grf"}, "Vértices libres: 1  2  3  4  5  \n" FIN},
        {{"Prufer_Encoding", "a.grf"}, "Secuencia: 3  3  4  \n" FIN},
        // Each graph that once did not end ends, or is refused with its reason; loops take no part in a run
        // and are saved back as they were.
        {{"Cartero", "neg.grf"}, {}, "Problema del cartero: El grafo tiene aristas de peso negativo.\n"},
        {{"Fleury", "des.grf"},
         {},
         "Algoritmo de Fleury: El grafo no es euleriano.\r\nEl grafo tiene vértices cuyos grados de entrada "
         "y de "
         "salida difieren en más de 1.\n"},
        {{"Tucker", "cic.grf"}, "Algoritmo de TUCKER\n\n\nRECORRIDO EULERIANO final: \n1 - 2, 2 - 3, 3 - 1\n" FIN},
        {{"Cartero", "tri.grf", "--semilla", "1", "--grafo", "tri2.grf"}, "Peso total del recorrido: 9\n"},
        {{"Complementario", "vac.grf"}, {}, "Precondición: La operación requiere un grafo con al menos un vértice.\n"},
        {{"Lineal", "vac.grf"}, {}, "Precondición: La operación requiere un grafo con al menos un vértice.\n"},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.argumentos.join(' ').toStdString());
        const Ejecucion e = EnCarpeta(caso.argumentos);
        EXPECT_EQ(e.estado, caso.errores.isEmpty() ? 0 : 2);
        EXPECT_EQ(e.errores, caso.errores);
        EXPECT_TRUE(caso.errores.isEmpty() ? e.salida.contains(caso.salida) && !e.salida.contains(u'\r')
                                           : e.salida.isEmpty())
            << e.salida.toStdString();
    }
    EXPECT_EQ(Contenido("d.png"), "viejo");
    EXPECT_TRUE(Contenido("tri2.grf").startsWith("Ponderado\r\n 3 \r\n 7  2  3 \r\n 2  0  4 \r\n 3  4 -5"));
    // Edge 1-2 runs along y = 1500 twips, pixel row 100, in palette entry 1.
    EXPECT_EQ(QImage(Ruta("k.png")).pixelColor(150, 100), QColor(128, 0, 0));
    const Ejecucion largo = EnCarpeta({"Prufer_Decoding", "--codigo", "3,5"}); // 5 > 4 vertices
    EXPECT_TRUE(largo.estado == 2 && largo.errores.startsWith("Valor no válido para --codigo: 3,5\n"));
}

// A seed repeats its walk, and the seeds do not all give the same one (the walks themselves are checked on
// random graphs with the algorithms).
TEST_F(CliEjecutar, LaSemillaRepiteElRecorrido)
{
    const QString pajarita = Ruta("p.grf");
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
}

// The operations print the graph they leave and --grafo saves it, for any algorithm, through the program's
// writer (a refused one is a refused precondition, below).
TEST_F(CliEjecutar, LasOperacionesGuardanElGrafoResultante)
{
    const QString camino =
        Fichero("l.grf", TextoDe("Simple", {{1000, 1000}, {3001, 2001}, {5000, 1000}}, AristasCamino(3)));
    Ejecucion e = Ejecutar({"ejecutar", "Lineal", camino, "--grafo", Ruta("l2.grf")});
    EXPECT_EQ(e.salida, "Lineal: 2 vértices, 1 aristas\n");
    EXPECT_EQ(Contenido("l2.grf"), "Simple\r\n 2 \r\n 0  1 \r\n 1  0 \r\n\r\n 2000 ,  1500 \r\n 4000 ,  1500 \r\n");
    e = Ejecutar({"ejecutar", "Complementario", camino, "--grafo", Ruta("c2.grf")});
    EXPECT_EQ(e.salida, "Complementario: 3 vértices, 1 aristas\n");
}

// --pasos: at every pause the work area's picture and the step window's
// text, exactly as a person would have seen them; the output is the window's
// trace in plain lines, and the final drawing the one a straight run draws. A
// folder that is not there is refused first.
TEST_F(CliEjecutar, LosPasosSonLosDibujosYTextosDeCadaPausa)
{
    struct QueMira : PersonaEjecucion {
        Principal* p = nullptr;
        std::vector<QImage> vistas;
        void Mostrar(ModeloDialogo& dialogo) override
        {
            if (dynamic_cast<BotonesInterrupcion*>(&dialogo))
                vistas.push_back(p->Area().Imagen().copy());
            PersonaEjecucion::Mostrar(dialogo);
        }
    };
    const QString grafo = Ruta("k.grf");
    QueMira persona;
    Principal p(persona);
    persona.p = &p;
    p.Geometria().areaTrabajo.ancho = AreaTrabajoPorOmision.width();
    p.Geometria().areaTrabajo.alto = AreaTrabajoPorOmision.height();
    p.NuevaArea();
    p.AbrirArchivo(grafo);
    p.EjecutarAlgoritmo(QStringLiteral("Kruskal"));
    ASSERT_EQ(persona.vistas.size(), 3u);
    const QString traza = p.trazaPanel().Texto();

    ASSERT_TRUE(QDir(Ruta("")).mkdir("pasos"));
    const Ejecucion e = Ejecutar({"ejecutar", "Kruskal", grafo, "--pasos", Ruta("pasos"), "--dibujo", Ruta("p.png")});
    EXPECT_EQ(e.estado, 0) << e.errores.toStdString();
    EXPECT_EQ(e.salida, QString(traza).replace("\r\n", "\n") + "\n");
    EXPECT_EQ(QDir(Ruta("pasos")).entryList(QDir::Files).size(), 6);
    for (int k = 1; k <= 3; ++k) {
        const QString base = QStringLiteral("pasos/paso-00%1").arg(k);
        EXPECT_TRUE(QImage(Ruta(base + ".png")).convertToFormat(QImage::Format_RGB32) == persona.vistas[k - 1]) << k;
        EXPECT_EQ(QString::fromUtf8(Contenido(base + ".txt")), persona.pausas[k - 1] + "\n") << k;
    }
    Ejecutar({"ejecutar", "Kruskal", grafo, "--dibujo", Ruta("r.png")});
    EXPECT_EQ(Contenido("p.png"), Contenido("r.png"));

    for (const QString& carpeta : {Ruta("no"), grafo}) {
        const Ejecucion mala = Ejecutar({"ejecutar", "Kruskal", grafo, "--pasos", carpeta});
        EXPECT_TRUE(mala.estado == 2 && mala.errores.contains(carpeta) && mala.salida.isEmpty());
    }
}

// A --pasos ending in .pdf, in any case, is the handout: one page per pause, and the run's output as with a
// folder. A handout that cannot be written says so after the trace and fails.
TEST_F(CliEjecutar, LosPasosEnPdfSonUnFolleto)
{
    const Ejecucion carpeta = EnCarpeta({"Kruskal", "k.grf", "--pasos", Ruta("")});
    const Ejecucion folleto = EnCarpeta({"Kruskal", "k.grf", "--pasos", Ruta("f.PDF")});
    EXPECT_EQ(folleto.estado, 0) << folleto.errores.toStdString();
    EXPECT_EQ(folleto.salida, carpeta.salida);
    EXPECT_EQ(Contenido("f.PDF").count("/Type /Page\n"), 3);
    const Ejecucion mala = EnCarpeta({"Kruskal", "k.grf", "--pasos", Ruta("no/f.pdf")});
    EXPECT_TRUE(mala.estado == 1 && mala.salida == carpeta.salida && mala.errores.contains(Ruta("no/f.pdf")))
        << mala.errores.toStdString();
}

// The tree of a sequence is laid out on the work area asked for, exactly,
// whether or not its picture is drawn too.
TEST_F(CliEjecutar, ElArbolDeUnCodigoOcupaElAreaPedida)
{
    const auto posiciones = [this](const QString& grafo) {
        const QList<QByteArray> lineas = Contenido(grafo).split('\n');
        return lineas.mid(lineas.size() - 4, 3);
    };
    EnCarpeta({"Prufer_Decoding", "--codigo", "2", "--grafo", "a.grf"});
    EXPECT_EQ(posiciones("a.grf"), (QList<QByteArray>{" 4500 ,  600 \r", " 6578 ,  4200 \r", " 2422 ,  4200 \r"}));
    for (const QStringList& dibujo : {QStringList{}, QStringList{"--dibujo", "a.png"}}) {
        EnCarpeta(
            QStringList{"Prufer_Decoding", "--codigo", "2", "--grafo", "b.grf", "--ancho", "7000", "--alto", "5000"} +
            dibujo);
        EXPECT_EQ(posiciones("b.grf").first(), " 3500 ,  600 \r") << dibujo.join(' ').toStdString();
    }
}

// No output takes the place of the graph read or of another output, and the steps have the drawing's bounds:
// each is refused before anything is drawn or written. Old steps are not mixed with new ones.
TEST_F(CliEjecutar, LasSalidasNoSePisan)
{
    ASSERT_TRUE(QDir(Ruta("")).mkdir("st"));
    const QString entradaEnPasos = Fichero("st/paso-001.txt", Cuadrado());
    Fichero("st/paso-009.png", "viejo");
    const QStringList casos[] = {
        {"Kruskal", "k.grf", "--pasos", Ruta("st"), "--ancho", "1000000", "--alto", "1000000", "--reemplazar"},
        {"Kruskal", entradaEnPasos, "--pasos", Ruta("st"), "--reemplazar"},
        {"Kruskal", "k.grf", "--dibujo", "x.png", "--grafo", "x.png"},
        {"Kruskal", "k.grf", "--grafo", "k.grf"},
        {"Kruskal", "k.grf", "--pasos", Ruta("st")},
        {"Kruskal", "k.grf", "--reemplazar"},
        {"Kruskal", "k.grf", "--pasos", "f.pdf", "--ancho", "1000000", "--alto", "1000000"},
        {"Kruskal", "k.grf", "--grafo", "f.pdf", "--pasos", "f.pdf"},
    };
    for (const QStringList& caso : casos) {
        SCOPED_TRACE(caso.join(' ').toStdString());
        const Ejecucion e = EnCarpeta(caso);
        EXPECT_TRUE(e.estado == 2 && e.salida.isEmpty() && !e.errores.isEmpty()) << e.errores.toStdString();
    }
    EXPECT_EQ(Contenido("st/paso-001.txt"), Cuadrado());
    EXPECT_EQ(Contenido("k.grf"), Cuadrado());
    EXPECT_FALSE(QFile::exists(Ruta("x.png")));
    EXPECT_EQ(Contenido("st/paso-009.png"), "viejo");

    QFile::remove(entradaEnPasos);
    const Ejecucion e = EnCarpeta({"Kruskal", "k.grf", "--pasos", Ruta("st"), "--reemplazar"});
    EXPECT_EQ(e.estado, 0) << e.errores.toStdString();
    EXPECT_EQ(QDir(Ruta("st")).entryList(QDir::Files), (QStringList{"paso-001.png", "paso-001.txt", "paso-002.png",
                                                                    "paso-002.txt", "paso-003.png", "paso-003.txt"}));
}

} // namespace
