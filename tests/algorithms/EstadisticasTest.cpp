// The statistics window's texts, its degree sequence in lines of 16 and the frame that grows with them (the
// command that counts the degrees first is checked through nodeva-cli).
#include "algorithms/Estadisticas.h"
#include "support/MundoEjecucion.h"

namespace {

struct Estadistica : MundoEjecucion, ::testing::Test {
    Estadisticas Abrir(int tipo, int n, const Aristas& aristas)
    {
        Poner(tipo, n, aristas);
        p.grafo().ContarGrados();
        return Estadisticas(p.grafo());
    }
};

TEST_F(Estadistica, VeinteVerticesOcupanDosLineasYElMarcoCrece)
{
    Aristas estrella;
    for (int v = 2; v <= 20; ++v)
        estrella.emplace_back(1, v);
    const Estadisticas e = Abrir(TipoGrafo::Simple, 20, estrella);
    EXPECT_EQ(e.Texto(), "Tipo de Grafo: Simple\nNº Vértices : 20\nNº Aristas : 19\nNº de Componentes Conexas : 1\n"
                         "Sucesión de grados: \n19" +
                             QString(", 1").repeated(15) + ", \n1, 1, 1, 1\n");
    EXPECT_FALSE(e.EtiqGradoVisible(3));
    EXPECT_EQ(e.Cuadro3().alto, 2 * 480 + 700);
    EXPECT_EQ(e.PosicionEtiqGrado(2).arriba - e.PosicionEtiqGrado(1).arriba, 480);

    const Estadisticas aislados = Abrir(TipoGrafo::Ponderado, 5, {{2, 3}, {3, 1}});
    EXPECT_EQ(aislados.Etiq_Conec(), "Nº de Componentes Conexas : 3");
    EXPECT_EQ(aislados.EtiqGrado(1), "2, 1, 1, 0, 0");
    EXPECT_EQ(e.AltoVentana() - aislados.AltoVentana(), 480);

    const Estadisticas vacio = Abrir(TipoGrafo::Simple, 0, {});
    EXPECT_TRUE(vacio.EtiqGradoVisible(1) && vacio.EtiqGrado(1).isEmpty());
}

} // namespace
