// The Eulerian commands as the person sees them: the messages of a refused graph, the Euler test's verdict, and
// the traces and drawings of the tours on small graphs, piece by piece with their bold and colours.
#include <set>

#include "support/MundoEjecucion.h"

namespace {

const QColor Negro(Qt::black), Azul(0, 0, 255);
const QString NL = QStringLiteral("\r\n");

struct Euler : MundoEjecucion, ::testing::Test {
    Euler() { persona.pasoReloj = 1; }

    void Correr(const char* nombre, bool completo = true)
    {
        p.Marco().EjecucionCompleta = completo;
        p.EjecutarAlgoritmo(nombre);
    }
    // The pieces that list edges, each as written ("1-2", ", 2 - 3").
    static std::vector<Pieza> Lista(std::initializer_list<const char*> aristas)
    {
        std::vector<Pieza> piezas;
        for (const char* a : aristas)
            piezas.push_back({QString::fromUtf8(a), false, Azul});
        return piezas;
    }
};

std::vector<Pieza> operator+(std::vector<Pieza> a, const std::vector<Pieza>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A refused graph only gets its message; the Euler test (no title) gives its verdict with all its reasons.
TEST_F(Euler, UnGrafoRechazadoSoloDaSuMensajeYElTestSuVeredicto)
{
    const struct {
        int tipo, n;
        Aristas aristas;
        const char* orden;
        const char* titulo;
        const char* texto;
    } casos[] = {
        // clang-format off
        {0, 5, {{1, 2}, {1, 3}, {1, 4}, {1, 5}}, "muFleuryAutomatico", "Algoritmo de Fleury",
         "El grafo tiene más de 2 vértices impares."},
        {0, 3, {{1, 2}}, "muFleuryUsuario", "Algoritmo de Fleury", "El grafo no es conexo."},
        {0, 3, {}, "muFleuryAutomatico", "Algoritmo de Fleury", "El grafo no es conexo.\r\nEl grafo no tiene aristas. "},
        {0, 6, {{1, 2}, {1, 3}, {1, 4}, {1, 5}}, "muFleuryUsuario", "Algoritmo de Fleury",
         "El grafo tiene más de 2 vértices impares.\r\nEl grafo no es conexo. "},
        {0, 3, {{1, 2}, {2, 3}}, "muHierholzer", "Algoritmo de Hierholzer", "El grafo tiene vértices con grado impar."},
        {2, 4, {{1, 2}, {2, 3}}, "muTucker", "Algoritmo de Tucker",
         "El grafo tiene vértices con grado de entrada distino al grado de salida.\r\nEl grafo no es conexo."},
        {0, 3, {{1, 2}, {2, 3}, {3, 1}}, "muCartero", "Problema del cartero",
         "El grafo debe ser conexo, ponderado simple y con aristas."},
        {1, 4, {{1, 2}, {2, 3}, {3, 1}}, "muCartero", "Problema del cartero",
         "El grafo debe ser conexo, ponderado simple y con aristas."},
        {1, 1, {}, "muCartero", "Problema del cartero", "El grafo debe ser conexo, ponderado simple y con aristas."},
        {0, 4, {{1, 2}, {2, 3}, {3, 1}}, "muEsEuleriano", nullptr,
         "El grafo no es euleriano.\r\nEl grafo no es conexo."},
        {0, 1, {}, "muEsEuleriano", nullptr, "El grafo no es euleriano.\r\nEl grafo no tiene aristas."},
        {2, 3, {{1, 2}, {2, 3}, {3, 1}}, "muEsEuleriano", nullptr, "El grafo es euleriano."},
        {2, 2, {{1, 2}}, "muEsEuleriano", nullptr,
         "El grafo no es euleriano.\r\nEl grafo tiene vértices con grado de entrada distinto al grado de salida."},
        {1, 3, {{1, 2}, {2, 3}}, "muEsEuleriano", nullptr,
         "El grafo no es euleriano.\r\nEl grafo tiene vértices de grado impar."},
        // clang-format on
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.texto);
        Poner(caso.tipo, caso.n, caso.aristas);
        persona.mensajes.clear();
        ASSERT_TRUE(p.Ejecutar(caso.orden));
        if (!caso.titulo) {
            EXPECT_EQ(Piezas(), (std::vector<Pieza>{{caso.texto, false, Negro}}));
            EXPECT_TRUE(p.Vista().aceptarVisible && persona.mensajes.empty());
            p.Aceptar_Click();
            continue;
        }
        ASSERT_EQ(persona.mensajes.size(), 1u);
        EXPECT_EQ(persona.mensajes[0], (MensajeVisto{caso.texto, caso.titulo, Icono::Exclamacion, Botones::Aceptar}));
        EXPECT_TRUE(p.trazaPanel().Texto().isEmpty() && !p.Vista().aceptarVisible && !p.Marco().RecorridoUsuario);
    }
}

TEST_F(Euler, FleuryAutomaticoEmpiezaPorUnExtremoImparYPausaEnCadaArista)
{
    std::set<QString> inicios;
    for (std::uint64_t semilla = 1; inicios.size() < 2 && semilla < 40; ++semilla) {
        persona.Azar().Sembrar(semilla);
        Poner(1, 3, {{1, 2}, {2, 3}});
        persona.eventosProcesados = 0;
        Correr("Fleury", false);
        const std::vector<Pieza> piezas = Piezas();
        ASSERT_EQ(piezas.size(), 5u);
        inicios.insert(piezas[2].texto);
        const bool desde1 = piezas[2].texto == "1-2";
        EXPECT_EQ(piezas, (std::vector<Pieza>{{"Algoritmo de FLEURY\r\n\r\n", true, Negro},
                                              {"Construcción de recorrido euleriano abierto.\r\n"
                                               "Recorrido formado por las aristas: \r\n",
                                               false, Negro}} +
                           (desde1 ? Lista({"1-2", ", 2-3", "\r\n"}) : Lista({"3-2", ", 2-1", "\r\n"}))));
        // Numbered 1 and 2 instead of their weights, thick; no wait between steps.
        EXPECT_EQ(LineasResaltadas(QColor(192, 64, 0)), 2);
        EXPECT_EQ(persona.eventosProcesados, 0);
        EXPECT_TRUE(p.Vista().textoVisible && lienzo.AnchoLinea() == 1);
        p.Aceptar_Click();
    }
    EXPECT_EQ(inicios.size(), 2u);
}

TEST_F(Euler, HierholzerMuestraElTrianguloDeUnaVezYEmpalmaLaPajaritaEnElVerticeComun)
{
    Poner(0, 3, {{1, 2}, {2, 3}, {3, 1}});
    Correr("Hierholzer");
    const std::vector<Pieza> piezas = Piezas();
    ASSERT_EQ(piezas.size(), 6u);
    EXPECT_EQ(piezas[1], (Pieza{"RECORRIDO EULERIANO final: \r\n", false, Negro}));
    EXPECT_TRUE(piezas[3].texto.startsWith(", ") && piezas[3].texto.contains(" - "));
    EXPECT_EQ(LineasResaltadas(Negro), 3);
    std::set<QString> numeros; // the edges' labels, smaller than the vertices'
    for (const Primitiva& t : lienzo.Textos())
        if (t.puntos == 7)
            numeros.insert(t.texto);
    EXPECT_EQ(numeros, (std::set<QString>{" 1", " 2", " 3"}));

    // A second circuit keeps circuit 1's colour in the final tour.
    bool empalmada = false;
    for (std::uint64_t semilla = 1; !empalmada && semilla < 40; ++semilla) {
        persona.Azar().Sembrar(semilla);
        p.Aceptar_Click();
        Poner(0, 5, Pajarita);
        Correr("Hierholzer");
        empalmada = p.trazaPanel().Texto().contains("CONCATENAMOS los circuitos.\r\n");
        if (empalmada) {
            EXPECT_EQ(LineasResaltadas(QColor(255, 255, 0)), 3);
        }
    }
    EXPECT_TRUE(empalmada);
}

TEST_F(Euler, TuckerDivideLaPajaritaEnDosCiclosYLosVuelveAUnir)
{
    Poner(0, 5, Pajarita);
    Correr("Tucker", false);
    auto texto = [&](const QString& t) { return Pieza{t, false, Negro}; };
    const std::vector<Pieza> recorrido =
        Lista({"3 - 1", ", 1 - 2", ", 2 - 3", ", 3 - 4", ", 4 - 5", ", 5 - 3"}) + std::vector{texto(NL)};
    EXPECT_EQ(Piezas(),
              (std::vector<Pieza>{{"Algoritmo de TUCKER\r\n\r\n", true, Negro},
                                  texto("Distribuimos las posiciones de los vértices en forma de círculo para "
                                        "visualizar mejor el algoritmo. \r\n\r\n"),
                                  texto("Dividimos el grafo de modo que todos los vértices del grafo tengan "
                                        "grado 2. \r\n"),
                                  texto("Paso siguiente. Duplicamos el vértice "),
                                  {"3", false, Azul},
                                  texto(" dando el vértice "),
                                  {"6", false, Azul},
                                  texto(".\r\n"),
                                  texto(NL),
                                  texto("El grafo se ha dividido en "),
                                  texto("2"),
                                  texto(" componentes conexas. \r\nAhora reconstruimos el grafo formando al mismo "
                                        "tiempo el recorrido euleriano. \r\n\r\n"),
                                  texto("Paso siguiente. Identificamos los vértices: "),
                                  {"3", false, Azul},
                                  texto(", "),
                                  {"6\r\n", false, Azul},
                                  texto("CIRCUITO formado por las aristas: \r\n")} +
               recorrido + std::vector{texto(NL), texto("RECORRIDO EULERIANO final: \r\n")} + recorrido));

    // A cycle is split into nothing; the tour walks it from 1.
    p.Aceptar_Click();
    Poner(0, 4, {{1, 2}, {2, 3}, {3, 4}, {4, 1}});
    Correr("Tucker", false);
    const QString traza = p.trazaPanel().Texto();
    EXPECT_TRUE(traza.contains("Todos los vértices del grafo tienen grado 2. \r\nEl grafo tiene 1 componente "
                               "conexa. \r\n\r\nRECORRIDO EULERIANO final: \r\n1 - 2, 2 - 3, 3 - 4, 4 - 1\r\n"));
}

TEST_F(Euler, ElCarteroDuplicaElCaminoMinimoYLoRecorreEnCurvas)
{
    Poner(1, 3, {{1, 2, 4}, {2, 3, 5}});
    Correr("Cartero");
    std::vector<Pieza> piezas = Piezas();
    ASSERT_EQ(piezas.size(), 16u);
    piezas.erase(piezas.begin() + 9, piezas.begin() + 13); // the tour: a random start
    EXPECT_EQ(piezas, (std::vector<Pieza>{
                          {"Problema del CARTERO\r\n\r\n", true, Negro},
                          {"Los siguientes vértices tienen grado impar: ", false, Negro},
                          {"1, 3\r\n", false, Azul},
                          {"Debemos hallar un emparejamiento perfecto en el grafo completo formado por los vértices "
                           "impares. \r\nEl peso de cada arista de este grafo completo es el peso del camino mínimo "
                           "entre los 2 vértices. \r\nDuplicaremos las aristas que forman el camino mínimo entre los "
                           "vértices del emparejamiento. \r\n",
                           false, Negro},
                          {"\r\nVértices emparejados: ", false, Negro},
                          {"1-3\r\n", false, Azul},
                          {"\r\nDuplicamos las siguientes aristas: ", false, Negro},
                          {"1-2, 2-3\r\n", false, Azul},
                          {"\r\nRecorrido formado por las aristas: \r\n", false, Negro},
                          {"\r\n", false, Negro},
                          {"\r\nPeso total del recorrido: ", false, Negro},
                          {"18\r\n", true, Azul}}));
    // Each passage erases the straight line and takes a side of it.
    EXPECT_EQ(LineasResaltadas(Qt::white), 4);
    EXPECT_EQ(LineasResaltadas(QColor(192, 0, 192)), 4);

    p.Aceptar_Click();
    Poner(1, 3, {{1, 2}, {2, 3}, {3, 1}});
    Correr("Cartero");
    EXPECT_TRUE(p.trazaPanel().Texto().contains(
        "El grafo es euleriano. La solución al problema es cualquier recorrido euleriano del mismo.\r\n"));
}

} // namespace
