// Hit tests of the work area at the edges of their tolerances.
#include "ui/Impactos.h"
#include "support/EscenaDibujo.h"

namespace {

struct Punto {
    double x, y;
    bool dentro;
};

TEST(Impactos, LugarLibreGuardaDistanciaYBorde_VerticeEnPunto)
{
    const EscenaDibujo uno("Simple", {{1000, 1000}});
    const Grafo& g = uno.grafo;
    // 268.7 from the vertex counts as 269; 270 is enough; 150 from each border.
    // clang-format off
    const Punto puntos[] = {{1190, 1190, false}, {1270, 1000, true}, {149, 3000, false}, {150, 3000, true},
                            {3000, 149, false}, {8850, 5850, true}, {8851, 3000, false}, {3000, 5851, false}};
    // clang-format on
    for (auto [x, y, libre] : puntos)
        EXPECT_EQ(LugarLibre(g, x, y, 9000, 6000), libre) << x << "," << y;
    EXPECT_TRUE(LugarLibre(g, 1100, 1000, 9000, 6000, 1)) << "el propio vértice no cuenta";
    // A vertex is an open square of 110 around it; of two, the last wins.
    const EscenaDibujo dos("Simple", {{1000, 1000}, {1150, 1000}});
    const Grafo& h = dos.grafo;
    for (auto [x, y, dentro] : {Punto{1109, 1000, true}, {1110, 1000, false}, {1000, 890, false}})
        EXPECT_EQ(VerticeEnPunto(h, 1, x, y), dentro) << x << "," << y;
    EXPECT_EQ(UltimoVerticeEnPunto(h, 1075, 1000), 2) << "gana el último";
    EXPECT_EQ(UltimoVerticeEnPunto(h, 5000, 5000), 0);
}

TEST(Impactos, BandaDeLasAristas_DeDosArcosOpuestosElDeCabezaMasCercana)
{
    const EscenaDibujo e("Simple", {{1000, 1000}, {1000, 3000}, {3000, 1000}, {3000, 3000}}, {{1, 2}, {1, 3}, {1, 4}});
    const Grafo& g = e.grafo;
    // Edges 1-2, 1-3 and 1-4; near an end the vertex wins.
    struct EnArista {
        int b;
        double x, y;
        bool dentro;
    };
    // clang-format off
    const EnArista puntos[] = {{2, 1069, 2000, true}, {2, 1070, 2000, false}, {2, 1000, 1054, false},
                               {2, 1000, 1055, true}, {3, 2000, 1069, true}, {3, 2000, 1070, false},
                               {3, 2950, 1000, false}, {4, 2000, 2050, true}, {4, 2000, 2600, false},
                               {4, 3500, 3500, false}};
    // clang-format on
    for (auto [b, x, y, dentro] : puntos)
        EXPECT_EQ(PuntoEnArista(g, 1, b, x, y), dentro) << b << ": " << x << "," << y;
    EXPECT_EQ(AristaEnPunto(g, 1030, 2500), 102);
    EXPECT_EQ(AristaEnPunto(g, 1500, 1520), 104);
    EXPECT_EQ(AristaEnPunto(g, 1500, 2500), -1);
    // Of two opposite arcs, the one whose head is nearer wins; on a tie 1 -> 2 stays.
    const EscenaDibujo d("Digrafo", {{1000, 1000}, {3000, 1000}}, {{1, 2}, {2, 1}});
    EXPECT_EQ(AristaEnPunto(d.grafo, 1500, 1020), 201) << "más cerca del vértice 1";
    EXPECT_EQ(AristaEnPunto(d.grafo, 2500, 1020), 102);
    EXPECT_EQ(AristaEnPunto(d.grafo, 2000, 1020), 102) << "en el empate se queda 1 -> 2";
}

} // namespace
