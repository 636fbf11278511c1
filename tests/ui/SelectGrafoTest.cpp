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

TEST_F(SelectGrafoTest, OpcionesEnOrden)
{
    EXPECT_EQ(SelectGrafo::TextoOpcion(0), QString("Simple"));
    EXPECT_EQ(SelectGrafo::TextoOpcion(1), QString("Ponderado"));
    EXPECT_EQ(SelectGrafo::TextoOpcion(2), QString("Digrafo"));
    EXPECT_EQ(SelectGrafo::TextoOpcion(3), QString("Digrafo Ponderado"));
    EXPECT_EQ(Dialogo().TipoElegido(), 0);
}

class SelectGrafoOpcion : public SelectGrafoTest, public ::testing::WithParamInterface<int> {};

TEST_P(SelectGrafoOpcion, AceptarOCerrarAplicanLaOpcion)
{
    const int opcion = GetParam();
    for (bool porAceptar : {true, false}) {
        g.InsertarTipo(opcion == 2 ? "Simple" : "Digrafo");
        indices.clear();
        SelectGrafo d = Dialogo();
        d.Elegir(opcion);
        EXPECT_EQ(d.TipoElegido(), opcion);
        porAceptar ? d.Aceptar() : d.Cerrar();
        EXPECT_TRUE(d.Cerrado());
        EXPECT_EQ(g.Tipo(), opcion) << porAceptar;
        EXPECT_EQ(indices, std::vector<int>{opcion}) << porAceptar;
    }
}

INSTANTIATE_TEST_SUITE_P(Tipos, SelectGrafoOpcion, ::testing::Range(0, 4));

TEST_F(SelectGrafoTest, CerrarSinElegirCreaUnSimple)
{
    g.InsertarTipo("Digrafo_Ponderado");
    SelectGrafo d = Dialogo();
    mundo.interaccion.Mostrar(d);
    EXPECT_TRUE(d.Cerrado());
    EXPECT_EQ(g.Tipo(), TipoGrafo::Simple);
    EXPECT_EQ(indices, std::vector<int>{0});
}

TEST_F(SelectGrafoTest, SeAplicaUnaSolaVez)
{
    SelectGrafo d = Dialogo();
    d.Elegir(1);
    d.Aceptar();
    d.Elegir(3);
    d.Cerrar();
    EXPECT_EQ(d.TipoElegido(), 1);
    EXPECT_EQ(g.Tipo(), TipoGrafo::Ponderado);
    EXPECT_EQ(indices, std::vector<int>{1});
}

TEST_F(SelectGrafoTest, OpcionInexistenteIgnorada)
{
    SelectGrafo d = Dialogo();
    d.Elegir(2);
    d.Elegir(4);
    d.Elegir(-1);
    EXPECT_EQ(d.TipoElegido(), 2);
}

TEST_F(SelectGrafoTest, ElGuionEligeYLaVentanaSeCierra)
{
    SelectGrafo d = Dialogo();
    mundo.interaccion.guionTipo.push_back([](SelectGrafo& dlg) { dlg.Elegir(3); });
    mundo.interaccion.Mostrar(d);
    EXPECT_EQ(g.Tipo(), TipoGrafo::Digrafo_Ponderado);
    EXPECT_EQ(indices, std::vector<int>{3});
}

} // namespace
