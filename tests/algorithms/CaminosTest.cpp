// The path and Dijkstra's table as the person sees them: the dialog of the two ends, the table row by row with
// its bold and colours, the path drawn, the missing route, and the road from the menu.
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>

#include "model/Controles.h"
#include "support/MundoEjecucion.h"

namespace {

struct Caminos : MundoRecorrido {
    // The triangle 1-2 (5), 2-3 (1), 1-3 (9).
    void Triangulo() { Poner(TipoGrafo::Digrafo_Ponderado, 3, {{1, 2, 5}, {2, 3, 1}, {1, 3, 9}}); }
    // The menu command with these ends chosen in its dialog (destino 0: TODOS).
    void Ejecutar(const QString& control, int origen, int destino)
    {
        persona.guionCamino.push_back([=, this](Camino& d) {
            modosAntes = persona.dialogosModo;
            d.ElegirOrigen(d.ListaOrigen().indexOf(QString::number(origen)));
            d.ElegirDestino(d.ListaDestino().indexOf(destino ? QString::number(destino) : "TODOS"));
            d.Aceptar();
        });
        p.Ejecutar(control);
    }
    std::vector<Pieza> Fila(const std::vector<Pieza>& celdas)
    {
        std::vector<Pieza> fila{{"\t", false, negro}};
        fila.insert(fila.end(), celdas.begin(), celdas.end());
        fila.push_back({"\r\n", false, negro});
        return fila;
    }
    int modosAntes = -1;
};

TEST_F(Caminos, DijkstraEscribeLaTablaFilaAFilaYElCamino)
{
    Triangulo();
    Ejecutar(Control::Algoritmo_dijkstra, 1, 3);
    EXPECT_EQ(modosAntes, 1) << "the mode is chosen before the ends";
    const QColor marino = Color(3), azul(Qt::blue);
    const Pieza cero{"0\t", true, marino}, cinco{"5\t", true, marino};
    std::vector<Pieza> esperadas{{"Algoritmo de DIJKSTRA\r\n\r\n\t", true, negro},
                                 {"1\t", true, marino},
                                 {"2\t", true, marino},
                                 {"3\t", true, marino},
                                 {"\r\n" + QString(36, '-') + "\r\n", true, negro}};
    for (const auto& fila : {Fila({cero, {"5\t", false, negro}, {"9\t", false, negro}}),
                             Fila({cero, cinco, {"6\t", false, negro}}), Fila({cero, cinco, {"6\t", true, Color(12)}})})
        esperadas.insert(esperadas.end(), fila.begin(), fila.end());
    esperadas.insert(esperadas.end(), {{"Camino: ", false, negro},
                                       {"1 - 2 - 3", true, azul},
                                       {"\r\n\r\nLONGITUD TOTAL DEL CAMINO: ", false, negro},
                                       {"6\r\n", true, Color(12)}});
    EXPECT_EQ(Piezas(), esperadas);
    EXPECT_EQ(persona.pausas.size(), 3u);
    EXPECT_EQ(Dibujadas(Color(10), 1), (Trazos{{1, 2}, {2, 3}})) << "each made definitive";
    EXPECT_EQ(Dibujadas(Color(1)), (Trazos{{1, 2}, {2, 3}}));
    EXPECT_TRUE(ColorVertice(1) == azul && ColorVertice(2) == azul && ColorVertice(3) == marino);
    EXPECT_TRUE(p.Vista().aceptarVisible && lienzo.AnchoLinea() == 1);
    // The wide table is written smaller, and the next trace is not.
    EXPECT_EQ(QTextCursor(p.text_peq().lastBlock()).charFormat().fontPointSize(), 8);
    p.Aceptar_Click();
    Ejecutar(Control::Camino, 1, 3);
    EXPECT_EQ(QTextCursor(p.text_peq().firstBlock()).charFormat().fontPointSize(), 10);
}

TEST_F(Caminos, CaminoDaElDeMenosAristasSinPasosNiPausas)
{
    Triangulo();
    Ejecutar(Control::Camino, 1, 3);
    EXPECT_EQ(Piezas(),
              (std::vector<Pieza>{
                  {"Camino:   ", false, negro}, {"1 - 3", true, Color(12)}, {"    FIN Camino\r\n", false, negro}}));
    EXPECT_EQ(Dibujadas(Color(3)), (Trazos{{1, 3}}));
    EXPECT_TRUE(persona.dialogosModo == 0 && persona.pausas.empty() && p.Vista().aceptarVisible);
}

TEST_F(Caminos, SinCaminoAmbosLoDicenYMarcanLosExtremos)
{
    Poner(TipoGrafo::Digrafo_Ponderado, 2, {{2, 1, 4}});
    const QColor rojo(Qt::red);
    const std::pair<QString, std::vector<Pieza>> casos[] = {
        {Control::Camino,
         {{"1", true, Color(3)}, {" y ", false, negro}, {"2", true, Color(3)}, {".\r\n", false, negro}}},
        {Control::Algoritmo_dijkstra, {{"1", true, rojo}, {" y ", false, negro}, {"2\r\n", true, rojo}}},
    };
    for (const auto& [control, final] : casos) {
        SCOPED_TRACE(control.toStdString());
        lienzo.Olvidar();
        Ejecutar(control, 1, 2);
        std::vector<Pieza> esperadas{{"No existe camino entre los vértices ", false, negro}};
        esperadas.insert(esperadas.end(), final.begin(), final.end());
        const std::vector<Pieza> piezas = Piezas();
        ASSERT_GE(piezas.size(), esperadas.size());
        EXPECT_EQ(std::vector(piezas.end() - std::ptrdiff_t(esperadas.size()), piezas.end()), esperadas);
        EXPECT_TRUE(ColorVertice(1) == final[0].color && ColorVertice(2) == final[0].color);
        p.Aceptar_Click();
    }
}

// TODOS: rows until no label can be set (the last row's labels are the oracle's); among equal labels the lower
// vertex goes first; past 15 vertices vertex 1's "-" takes two tabs.
TEST_F(Caminos, DijkstraATodosHastaQueNoQuedanEtiquetas)
{
    Poner(TipoGrafo::Digrafo_Ponderado, 16, {{2, 4, 1}, {2, 3, 1}, {3, 5, 1}});
    Ejecutar(Control::Algoritmo_dijkstra, 2, 0);
    // After the title, a blank line, the head and the dashes.
    const QStringList filas = p.trazaPanel().Texto().split("\r\n").mid(4).filter(QRegularExpression("^\t"));
    ASSERT_EQ(filas.size(), 4);
    EXPECT_EQ(filas[0], "\t-\t\t0\t1\t1\t" + QString("-\t").repeated(12));
    EXPECT_EQ(persona.pausas.size(), 4u);
    // Row 2: vertex 3 is definitive, 4 still tentative.
    const std::vector<Pieza> piezas = Piezas();
    const std::size_t fila2 = 2 * (1 + 16 + 1); // after the head and row 1
    EXPECT_EQ(piezas[fila2 + 3], (Pieza{"1\t", true, Color(3)}));
    EXPECT_EQ(piezas[fila2 + 4], (Pieza{"1\t", false, negro}));
    EXPECT_FALSE(p.trazaPanel().Texto().contains("Camino"));
}

TEST_F(Caminos, ElDialogoNoOfreceElMismoVerticeDosVecesYTodosSoloEnDijkstra)
{
    Camino d(3, "Dijkstra");
    const QStringList tres{"1", "2", "3"};
    EXPECT_TRUE(d.ListaOrigen() == tres && d.ListaDestino() == tres + QStringList{"TODOS"});
    struct Paso {
        bool origen;
        int indice, elegidoOrigen, elegidoDestino;
        bool todos;
        QStringList listaOrigen, listaDestino;
    };
    for (const Paso& paso :
         {Paso{true, 1, 2, 0, false, tres, {"1", "3", "TODOS"}}, Paso{false, 2, 2, 0, true, tres, {"1", "3", "TODOS"}},
          Paso{false, 1, 2, 3, false, {"1", "2"}, {"1", "3", "TODOS"}},
          Paso{true, 0, 1, 3, false, {"1", "2"}, {"2", "3", "TODOS"}},
          Paso{false, 2, 1, 0, true, tres, {"2", "3", "TODOS"}}}) {
        paso.origen ? d.ElegirOrigen(paso.indice) : d.ElegirDestino(paso.indice);
        EXPECT_TRUE(d.Origen() == paso.elegidoOrigen && d.Destino() == paso.elegidoDestino && d.Todos() == paso.todos &&
                    d.AceptarHabilitado() == (paso.elegidoDestino > 0 || paso.todos));
        EXPECT_EQ(d.ListaOrigen(), paso.listaOrigen);
        EXPECT_EQ(d.ListaDestino(), paso.listaDestino);
    }
    EXPECT_EQ(Camino(2, "Camino").ListaDestino(), (QStringList{"1", "2"}));

    // Cancelled after "Completo": nothing runs and the next run offers steps.
    Triangulo();
    persona.completo = true;
    p.Ejecutar(Control::Algoritmo_dijkstra);
    EXPECT_TRUE(p.trazaPanel().Texto().isEmpty() && !p.Marco().EjecucionCompleta);
}

} // namespace
