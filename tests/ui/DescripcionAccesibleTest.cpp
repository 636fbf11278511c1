// The graph in words, as a screen reader hears it: each type, and what a run's pauses show.
#include <gtest/gtest.h>

#include "algorithms/CatalogoOrdenes.h"
#include "run/BotonesInterrupcion.h"
#include "support/EjecucionPrueba.h"
#include "support/MundoPrincipal.h"
#include "ui/DescripcionAccesible.h"

namespace {

// Every vertex's and edge's text, one per line, with what the drawing shows.
QString Textos(Principal& p)
{
    QStringList lineas{DescribirGrafo(p.grafo())};
    for (int v = 1; v <= p.grafo().dimen(); ++v)
        lineas << DescribirVertice(p.grafo(), v, p.dibujo().ResalteVertice(v));
    for (const AristaGrafo& a : AristasDe(p.grafo()))
        lineas << DescribirArista(p.grafo(), a.a, a.b, p.dibujo().ResalteArista(a.a, a.b));
    return lineas.join('\n');
}

// A weighted graph is said in full at the first pause of a run, below.
TEST(DescripcionAccesible, CadaTipoDeGrafoEnPalabras)
{
    struct Caso {
        int tipo;
        int n;
        Aristas aristas;
        QStringList lineas;
    };
    const Caso casos[] = {
        {TipoGrafo::Simple,
         2,
         {},
         {"Grafo simple, 2 vértices, 0 aristas", "Vértice 1: grado 0; aislado", "Vértice 2: grado 0; aislado"}},
        {TipoGrafo::Simple, 1, {{1, 1}}, {"Grafo simple, 1 vértice, 1 arista", "Vértice 1: grado 2; con un bucle"}},
        {TipoGrafo::Digrafo,
         3,
         {{1, 2}, {3, 1}},
         {"Digrafo, 3 vértices, 2 arcos", "Vértice 1: grado de salida 1, de entrada 1; arcos hacia 2; arcos desde 3",
          "Vértice 2: grado de salida 0, de entrada 1; arcos desde 1",
          "Vértice 3: grado de salida 1, de entrada 0; arcos hacia 1", "Arco 1→2", "Arco 3→1"}},
        {TipoGrafo::Digrafo_Ponderado,
         2,
         {{2, 1, 9}},
         {"Digrafo ponderado, 2 vértices, 1 arco", "Vértice 1: grado de salida 0, de entrada 1; arcos desde 2",
          "Vértice 2: grado de salida 1, de entrada 0; arcos hacia 1", "Arco 2→1, peso 9"}},
    };
    for (const Caso& caso : casos) {
        MundoPrincipal m;
        m.Poner(caso.tipo, caso.n, caso.aristas);
        m.p.Redibujar();
        EXPECT_EQ(Textos(m.p), caso.lineas.join(u'\n'));
    }
}

// What each pause of a run shows, in words; and a redrawing leaves the graph plain.
TEST(DescripcionAccesible, LoQueUnaEjecucionResaltaSeDiceConLasPalabrasDelAlgoritmo)
{
    MundoCon<PersonaEjecucion> m;
    std::vector<QString> oido;
    m.persona.alPausar = [&](BotonesInterrupcion&) { oido.push_back(Textos(m.p)); };
    m.Poner(TipoGrafo::Ponderado, 4, {{1, 2, 4}, {2, 3, 1}, {1, 3, 6}, {3, 4, 2}});
    m.p.Redibujar();
    m.p.EjecutarAlgoritmo(QStringLiteral("Kruskal"));
    ASSERT_GE(oido.size(), 1u);
    EXPECT_EQ(oido.front(), "Grafo ponderado, 4 vértices, 4 aristas\n"
                            "Vértice 1: grado 2; adyacente a 2 y 3\n"
                            "Vértice 2: grado 2; adyacente a 1 y 3; en el árbol\n"
                            "Vértice 3: grado 3; adyacente a 1, 2 y 4; en el árbol\n"
                            "Vértice 4: grado 1; adyacente a 3\n"
                            "Arista 1–2, peso 4\nArista 1–3, peso 6\n"
                            "Arista 2–3, peso 1; en el árbol\nArista 3–4, peso 2");
    EXPECT_TRUE(Textos(m.p).endsWith("Arista 1–2, peso 4; en el árbol\nArista 1–3, peso 6\n"
                                     "Arista 2–3, peso 1; en el árbol\nArista 3–4, peso 2; en el árbol"))
        << Textos(m.p).toStdString();

    // A search: the root's tree edges and the order of visit; colours without a word of their own go by name.
    oido.clear();
    Parametros raiz;
    raiz.raiz = 1;
    m.p.EjecutarOrdenCompleta(*OrdenPorControl(QStringLiteral("En_Profundidad")), raiz);
    EXPECT_TRUE(Textos(m.p).contains("Vértice 4: grado 1; adyacente a 3; visitado")) << Textos(m.p).toStdString();
    EXPECT_TRUE(Textos(m.p).contains("Arista 3–4, peso 2; en el árbol"));
    m.p.EjecutarOrdenCompleta(*OrdenPorControl(QStringLiteral("Componentes_conexas")), {});
    EXPECT_TRUE(Textos(m.p).contains("Vértice 1: grado 2; adyacente a 2 y 3; resaltado en "))
        << Textos(m.p).toStdString();

    m.p.Redibujar();
    EXPECT_FALSE(Textos(m.p).contains("resaltado"));
    EXPECT_FALSE(Textos(m.p).contains("en el árbol"));
}

TEST(DescripcionAccesible, UnaColoracionDiceElColorDeCadaVertice)
{
    MundoCon<PersonaEjecucion> m;
    m.persona.completo = true;
    m.Poner(TipoGrafo::Simple, 4, {{1, 2}, {2, 3}, {1, 3}, {3, 4}});
    m.p.Redibujar();
    m.p.EjecutarAlgoritmo(QStringLiteral("Coloración Welsh-Powell"));
    const QString textos = Textos(m.p);
    for (const char* esperado :
         {"Vértice 1: grado 2; adyacente a 2 y 3; color ", "Vértice 3: grado 3; adyacente a 1, 2 y 4; color 1"})
        EXPECT_TRUE(textos.contains(esperado)) << textos.toStdString();
    // A proper colouring: no two neighbours said to be of one colour.
    std::vector<QString> color(5);
    for (int v = 1; v <= 4; ++v)
        color[std::size_t(v)] = m.p.dibujo().ResalteVertice(v);
    for (const AristaGrafo& a : AristasDe(m.p.grafo()))
        EXPECT_NE(color[std::size_t(a.a)], color[std::size_t(a.b)]);
}

} // namespace
