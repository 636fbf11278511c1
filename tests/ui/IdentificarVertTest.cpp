// The identify dialog: two lists that never offer the vertex chosen in the other, and the merge into the
// smaller vertex.
#include "ui/IdentificarVert.h"
#include "support/EntornoPrueba.h"

namespace {

struct Identificacion {
    EntornoPrueba mundo;
    Grafo g{mundo.Entorno()};
    int redibujados = 0;
    IdentificarVert Dialogo()
    {
        return IdentificarVert(g, [this] { ++redibujados; });
    }
};
struct IdentificarVertTest : ::testing::Test, Identificacion {};

TEST_F(IdentificarVertTest, CadaEleccionQuitaElVerticeDeLaOtraLista)
{
    // The vertices 1..4 but `sin`, as a list shows them.
    const auto lista = [](int sin) {
        QStringList l{"1", "2", "3", "4"};
        l.removeAll(QString::number(sin));
        return l;
    };
    mundo.Construir(g, "Simple", 4);
    IdentificarVert d = Dialogo();
    EXPECT_TRUE(d.Lista1() == lista(0) && d.Lista2() == lista(0) && !d.AceptarHabilitado());
    struct Paso {
        int combo, indice, primero, segundo;
    };
    for (auto [combo, indice, primero, segundo] :
         {Paso{1, 1, 2, 0}, {1, 2, 3, 0}, {2, 2, 3, 4}, {1, 0, 1, 4}, {2, 7, 1, 4}}) {
        combo == 1 ? d.ElegirEnCombo1(indice) : d.ElegirEnCombo2(indice);
        EXPECT_EQ(std::pair(int(d.PrimerVertice()), int(d.SegundoVertice())), std::pair(primero, segundo));
        EXPECT_EQ(d.Lista1(), lista(segundo));
        EXPECT_EQ(d.Lista2(), lista(primero)) << "el vértice dejado vuelve a su sitio";
        EXPECT_EQ(d.AceptarHabilitado(), primero > 0 && segundo > 0);
    }
    EXPECT_EQ(std::pair(d.Indice1(), d.Indice2()), std::pair(0, 2));
}

// Identifying 5 with 2 keeps vertex 2, whichever list names which.
TEST(IdentificarOrden, ConservaElMenor)
{
    for (auto [primero, segundo] : {std::pair{5, 2}, {2, 5}}) {
        Identificacion x;
        x.mundo.Construir(x.g, "Simple", 6, {{1, 2}, {4, 5}, {5, 6}});
        const std::int16_t x2 = x.g.Posic_CoordX(2);
        IdentificarVert d = x.Dialogo();
        d.ElegirEnCombo1(d.Lista1().indexOf(QString::number(primero)));
        d.ElegirEnCombo2(d.Lista2().indexOf(QString::number(segundo)));
        d.Aceptar();
        EXPECT_TRUE(d.Cerrado() && d.Aceptado() && x.g.Posic_CoordX(2) == x2 && x.redibujados == 1) << primero;
        EXPECT_EQ(x.mundo.identificaciones, (std::vector<std::pair<int, int>>{{2, 5}}))
            << "deshacer recuerda la fusión";
    }
}

TEST_F(IdentificarVertTest, FaltandoUnVerticeAlCancelarOSinPersonaNadaCambia)
{
    mundo.Construir(g, "Simple", 3, {{1, 3}});
    const Grafo antes = g;
    IdentificarVert d = Dialogo();
    d.ElegirEnCombo1(0);
    d.Aceptar();
    EXPECT_FALSE(d.Cerrado());
    d.ElegirEnCombo2(1);
    d.Cancelar();
    d.Aceptar();
    EXPECT_TRUE(d.Cerrado() && !d.Aceptado());
    IdentificarVert e = Dialogo();
    mundo.interaccion.guionIdentificar.push_back([](IdentificarVert& dlg) { dlg.ElegirEnCombo1(0); });
    mundo.interaccion.Mostrar(e);
    EXPECT_TRUE(e.Cerrado() && !e.Aceptado() && g == antes && mundo.identificaciones.empty() && redibujados == 0);
}

} // namespace
