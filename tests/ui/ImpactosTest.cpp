// Hit tests of the work area at the edges of their tolerances.
#include <gtest/gtest.h>

#include "model/Grafo.h"
#include "ui/Impactos.h"

namespace {

Grafo ConVertices(const QString& tipo, std::initializer_list<std::pair<int, int>> posiciones)
{
    Grafo g;
    g.InsertarTipo(tipo);
    for (auto [x, y] : posiciones)
        g.AñadirVertice(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y));
    return g;
}

TEST(Impactos, LugarLibreGuardaDistanciaYBorde)
{
    const Grafo g = ConVertices("Simple", {{1000, 1000}});
    EXPECT_TRUE(LugarLibre(g, 1200, 1200, 9000, 6000)) << "282.8";
    EXPECT_FALSE(LugarLibre(g, 1190, 1190, 9000, 6000)) << "268.7 se toma como 269";
    EXPECT_TRUE(LugarLibre(g, 1270, 1000, 9000, 6000)) << "270 justos";
    EXPECT_FALSE(LugarLibre(g, 149, 3000, 9000, 6000));
    EXPECT_TRUE(LugarLibre(g, 150, 3000, 9000, 6000));
    EXPECT_TRUE(LugarLibre(g, 8850, 5850, 9000, 6000));
    EXPECT_FALSE(LugarLibre(g, 8851, 3000, 9000, 6000));
    EXPECT_FALSE(LugarLibre(g, 3000, 5851, 9000, 6000));
    EXPECT_TRUE(LugarLibre(g, 1100, 1000, 9000, 6000, 1)) << "el propio vértice no cuenta";
}

TEST(Impactos, CuadradoAbiertoDeCientoDiez)
{
    const Grafo g = ConVertices("Simple", {{1000, 1000}, {1150, 1000}});
    EXPECT_TRUE(VerticeEnPunto(g, 1, 1109, 1000));
    EXPECT_FALSE(VerticeEnPunto(g, 1, 1110, 1000));
    EXPECT_FALSE(VerticeEnPunto(g, 1, 1000, 890));
    EXPECT_EQ(UltimoVerticeEnPunto(g, 1075, 1000), 2) << "gana el último";
    EXPECT_EQ(UltimoVerticeEnPunto(g, 5000, 5000), 0);
}

TEST(Impactos, BandaDeLaAristaVertical)
{
    Grafo g = ConVertices("Simple", {{1000, 1000}, {1000, 3000}});
    g.AñadirArista(1, 2);
    EXPECT_TRUE(PuntoEnArista(g, 1, 2, 1069, 2000));
    EXPECT_FALSE(PuntoEnArista(g, 1, 2, 1070, 2000));
    EXPECT_FALSE(PuntoEnArista(g, 1, 2, 1000, 1054));
    EXPECT_TRUE(PuntoEnArista(g, 1, 2, 1000, 1055));
    EXPECT_EQ(AristaEnPunto(g, 1030, 2500), 102);
    EXPECT_EQ(AristaEnPunto(g, 1500, 2500), -1);
}

TEST(Impactos, AristasHorizontalesYOblicuas)
{
    Grafo g = ConVertices("Simple", {{1000, 1000}, {3000, 1000}, {3000, 3000}});
    g.AñadirArista(1, 2);
    g.AñadirArista(1, 3);
    EXPECT_TRUE(PuntoEnArista(g, 1, 2, 2000, 1069));
    EXPECT_FALSE(PuntoEnArista(g, 1, 2, 2000, 1070));
    EXPECT_FALSE(PuntoEnArista(g, 1, 2, 2950, 1000));
    EXPECT_TRUE(PuntoEnArista(g, 1, 3, 2000, 2050)) << "cerca de la diagonal";
    EXPECT_FALSE(PuntoEnArista(g, 1, 3, 2000, 2600)) << "lejos de la diagonal";
    EXPECT_FALSE(PuntoEnArista(g, 1, 3, 3500, 3500)) << "fuera del rectángulo";
    EXPECT_EQ(AristaEnPunto(g, 1500, 1520), 103);
}

TEST(Impactos, DeDosArcosOpuestosGanaElDeCabezaMasCercana)
{
    Grafo g = ConVertices("Digrafo", {{1000, 1000}, {3000, 1000}});
    g.AñadirArista(1, 2);
    g.AñadirArista(2, 1);
    EXPECT_EQ(AristaEnPunto(g, 1500, 1020), 201) << "más cerca del vértice 1";
    EXPECT_EQ(AristaEnPunto(g, 2500, 1020), 102);
    EXPECT_EQ(AristaEnPunto(g, 2000, 1020), 102) << "en el empate se queda 1 -> 2";
}

} // namespace
