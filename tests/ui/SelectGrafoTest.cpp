// The type dialog: the choice is applied to the record and to the main
// window's type list whenever the dialog unloads, and only once.
#include <gtest/gtest.h>

#include <vector>

#include "support/EntornoPrueba.h"
#include "ui/SelectGrafo.h"

namespace {

struct SelectGrafoTest : ::testing::Test {
    EntornoPrueba mundo;
    Grafo g{mundo.Entorno()};
    std::vector<int> indices; // the type list's index, as the main window receives it
    SelectGrafo Dialogo()
    {
        return SelectGrafo(g, [this](int i) { indices.push_back(i); });
    }
};

class SelectGrafoOpcion : public SelectGrafoTest, public ::testing::WithParamInterface<int> {};

TEST_P(SelectGrafoOpcion, AceptarOCerrarAplicanLaOpcionUnaSolaVez)
{
    const int opcion = GetParam();
    for (bool porAceptar : {true, false}) {
        g.InsertarTipo(opcion == 2 ? "Simple" : "Digrafo");
        indices.clear();
        SelectGrafo d = Dialogo();
        d.Elegir(opcion);
        porAceptar ? d.Aceptar() : d.Cerrar();
        d.Elegir((opcion + 1) % 4);
        d.Cerrar();
        EXPECT_TRUE(d.Cerrado());
        EXPECT_EQ(d.TipoElegido(), opcion);
        EXPECT_EQ(g.Tipo(), opcion) << porAceptar;
        EXPECT_EQ(indices, std::vector<int>{opcion}) << porAceptar;
    }
}

INSTANTIATE_TEST_SUITE_P(Tipos, SelectGrafoOpcion, ::testing::Range(0, 4));

TEST_F(SelectGrafoTest, SinElegirEsSimpleYLasOpcionesInexistentesSeIgnoran)
{
    g.InsertarTipo("Digrafo_Ponderado");
    SelectGrafo d = Dialogo();
    d.Elegir(4);
    d.Elegir(-1);
    mundo.interaccion.Mostrar(d);
    EXPECT_TRUE(d.Cerrado());
    EXPECT_EQ(g.Tipo(), TipoGrafo::Simple);

    SelectGrafo e = Dialogo();
    mundo.interaccion.guionTipo.push_back([](SelectGrafo& dlg) { dlg.Elegir(3); });
    mundo.interaccion.Mostrar(e);
    EXPECT_EQ(g.Tipo(), TipoGrafo::Digrafo_Ponderado);
    EXPECT_EQ(indices, (std::vector<int>{0, 3}));
}

} // namespace
