// The TikZ figure: a named node per vertex and its edges between the names, each colour and style defined
// once, centimetres with y upwards, and only what the screen shows at the end, whether drawn straight into it
// or copied from a memory.
#include <QRegularExpression>

#include "drawing/Dibujo.h"
#include "drawing/LienzoMemoria.h"
#include "drawing/LienzoMudo.h"
#include "drawing/LienzoTikz.h"
#include "model/Seleccion.h"
#include "support/Aristas.h"

namespace {

// Vertices 2 cm apart on a 9000 x 6000 twips area: at (2, 1), (6, 1) and (4, 5) cm from its bottom left.
struct EscenaTikz {
    Grafo grafo;
    Seleccion seleccion;
    bool desdeMenu = false;
    LienzoTikz tikz{9000, 6000};
    Dibujo dibujo;

    // Drawn on `lienzo`, or straight into the figure.
    explicit EscenaTikz(int tipo, Lienzo* lienzo = nullptr)
        : dibujo(grafo, lienzo ? *lienzo : tikz, seleccion, desdeMenu)
    {
        PonerGrafo(grafo, NombreTipo(tipo), {{1134, 5433}, {3402, 5433}, {2268, 3165}}, {{1, 2, 4}, {2, 3, -2}});
    }
};

} // namespace

TEST(LienzoTikz, CadaTipoDaVerticesConNombreYAristasEntreEllos)
{
    const QRegularExpression punto(R"(\((-?[0-9.]+),(-?[0-9.]+)\))");
    const QRegularExpression color(R"(\\definecolor\{([^}]+)\})");
    for (int tipo = 0; tipo < 4; ++tipo) {
        EscenaTikz e(tipo);
        e.dibujo.DibujarGrafo(0);
        const QString f = e.tikz.Figura();
        SCOPED_TRACE(f.toStdString());
        for (const char* linea :
             {"\\node[vertice] (v1) at (2.00,1.00) {1};", "\\node[vertice] (v2) at (6.00,1.00) {2};",
              "\\node[vertice] (v3) at (4.00,5.00) {3};", "\\draw[arista] (v1) -- (v2);",
              "\\draw[arista] (v2) -- (v3);"})
            EXPECT_EQ(f.count(linea), 1) << linea;
        for (const char* estilo : {"vertice/.style={", "arista/.style={", "peso/.style={", "etiqueta/.style={"})
            EXPECT_EQ(f.count(estilo), 1) << estilo;
        const bool ponderado = e.grafo.Ponderado(), dirigido = e.grafo.Dirigido();
        EXPECT_EQ(f.count("\\node[peso]"), ponderado ? 2 : 0);
        EXPECT_EQ(f.contains("{-2};"), ponderado);
        // A half arrowhead does not run between two circles: its ends stay coordinates.
        EXPECT_EQ(f.count("\\draw[arista] (") - f.count("\\draw[arista] (v"), dirigido ? 2 : 0);
        for (const auto& m : punto.globalMatch(f))
            for (int k : {1, 2})
                EXPECT_TRUE(QRegularExpression(R"(^-?\d+\.\d\d$)").match(m.captured(k)).hasMatch())
                    << m.captured().toStdString();
        for (const auto& m : color.globalMatch(f))
            EXPECT_EQ(f.count(m.captured()), 1) << m.captured(1).toStdString();
    }
}

// A highlight drawn over an edge and its vertices replaces them, a vertex painted from the palette keeps its
// fill and its white bold number, a label written again is written once, a line taken away or drawn twice
// with the inverting pen does not show; replayed from a memory the figure is the same, names and all.
TEST(LienzoTikz, EscribeElDibujoFinalTambienCopiadoDeUnaMemoria)
{
    const auto dibujar = [](EscenaTikz& e) {
        Lienzo& l = e.dibujo.Superficie();
        l.Limpiar();
        e.dibujo.DibujarGrafo(0);
        l.PonerAnchoLinea(2);
        e.dibujo.DibujarArista(1, 2, Qt::red, 0, 0, 0);
        e.dibujo.DibujarVertice(1, Qt::red);
        l.PonerAnchoLinea(1);
        e.dibujo.PintarVertice(3, 5);
        for (const Lienzo::Pluma pluma :
             {Lienzo::Pluma::Copiar, Lienzo::Pluma::Borrar, Lienzo::Pluma::Invertir, Lienzo::Pluma::Invertir}) {
            l.PonerModoPluma(pluma);
            l.Linea({0, 0}, {500, 500});
        }
        l.PonerModoPluma(Lienzo::Pluma::Copiar);
    };
    EscenaTikz directa(1);
    dibujar(directa);
    LienzoMudo mudo(9000, 6000);
    LienzoMemoria memoria(mudo);
    EscenaTikz recordada(1, &memoria);
    dibujar(recordada);
    memoria.Repetir(recordada.tikz);

    const QString f = directa.tikz.Figura();
    EXPECT_EQ(recordada.tikz.Figura(), f);
    SCOPED_TRACE(f.toStdString());
    for (const char* linea :
         {"\\draw[arista, rojo, gruesa] (v1) -- (v2);", "\\draw[arista] (v2) -- (v3);",
          "\\node[vertice, text=rojo, draw=rojo, gruesa] (v1) at (2.00,1.00) {1};",
          "\\node[vertice, negrita, fill=cff952b, text=blanco, draw=cff952b] (v3) at (4.00,5.00) {3};",
          "\\definecolor{cff952b}{RGB}{255,149,43}", "{4};"})
        EXPECT_EQ(f.count(linea), 1) << linea;
    EXPECT_EQ(f.count("(v1) -- (v2)"), 1);
    EXPECT_FALSE(f.contains("Otros trazos"));
}
