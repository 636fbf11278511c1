// The type dialog: the choice is applied to the record and to the main window's type list whenever the dialog
// unloads, and only once.
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

// No choice is Simple, and options that do not exist are ignored.
TEST_F(SelectGrafoTest, AceptarOCerrarAplicanLaOpcionUnaSolaVez)
{
    for (int opcion = 0; opcion < 4; ++opcion)
        for (bool porAceptar : {true, false}) {
            g.InsertarTipo(opcion == 2 ? "Simple" : "Digrafo");
            indices.clear();
            SelectGrafo d = Dialogo();
            d.Elegir(opcion);
            porAceptar ? d.Aceptar() : d.Cerrar();
            d.Elegir((opcion + 1) % 4);
            d.Cerrar();
            EXPECT_TRUE(d.Cerrado() && d.TipoElegido() == opcion);
            EXPECT_EQ(g.Tipo(), opcion) << porAceptar << opcion;
            EXPECT_EQ(indices, std::vector<int>{opcion}) << porAceptar << opcion;
        }
    g.InsertarTipo("Digrafo_Ponderado");
    SelectGrafo d = Dialogo();
    d.Elegir(4);
    d.Elegir(-1);
    mundo.interaccion.Mostrar(d);
    EXPECT_TRUE(d.Cerrado() && g.Tipo() == TipoGrafo::Simple);
    SelectGrafo e = Dialogo();
    mundo.interaccion.guionTipo.push_back([](SelectGrafo& dlg) { dlg.Elegir(3); });
    mundo.interaccion.Mostrar(e);
    EXPECT_EQ(g.Tipo(), TipoGrafo::Digrafo_Ponderado);
    EXPECT_EQ(indices, (std::vector<int>{3, 0, 3}));
}

} // namespace
