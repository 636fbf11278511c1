// Undo: every kind of record gives back the graph as it was before the edit, and the undo command is usable
// exactly while a record is.
#include "ui/Deshacer.h"
#include "support/EntornoPrueba.h"

namespace {

// A record whose merges are recorded by the undo, as in the main window.
struct DeshacerEdicion : ::testing::TestWithParam<int> {
    EntornoPrueba mundo;
    Deshacer deshacer{mundo.comandos, [this] { ++mundo.redibujados; }};
    Grafo g{[this] {
        EntornoGrafo e = mundo.Entorno();
        e.guardarIdent = [this](std::int16_t u, std::int16_t w) { deshacer.guardar_ident(g, u, w); };
        return e;
    }()};
    bool Usable() const
    {
        return mundo.comandos.Habilitado(Control::Deshacer) && mundo.comandos.Habilitado(Control::Boton_deshacer);
    }
};

using Edicion = void (*)(Grafo&, Deshacer&);
// clang-format off
const std::pair<const char*, Edicion> Ediciones[] = {
    {"BorrarVertice", [](Grafo& g, Deshacer& d) {
         d.Guardar({TipoDeshacer::RecuperarVertice, 3, 0, g.Posic_CoordX(3), g.Posic_CoordY(3), 0, 0});
         g.Insertar_Ar_conect(3, 0);
         g.EliminarVertice(3, true); }},
    {"BorrarArista", [](Grafo& g, Deshacer& d) {
         d.Guardar({TipoDeshacer::RecuperarArista, 0, 0, 0, 0, 203, g.elem_matriz(2, 3)});
         g.EliminarArista(203); }},
    {"CambiarPeso", [](Grafo& g, Deshacer& d) {
         d.Guardar({TipoDeshacer::CambiarPeso, 0, 0, 0, 0, 102, g.elem_matriz(1, 2)});
         g.InsertarMatriz(1, 2, 777);
         if (!g.Dirigido())
             g.InsertarMatriz(2, 1, 777); }},
    {"Identificar", [](Grafo& g, Deshacer& d) {
         g.IdentificarVert(2, 4, true);
         EXPECT_EQ(d.Registro().TipoDeshacer, TipoDeshacer::RecuperarIdent); }},
    {"Mover", [](Grafo& g, Deshacer& d) {
         d.Guardar({TipoDeshacer::Desmover, 5, 0, g.Posic_CoordX(5), g.Posic_CoordY(5), 0, 0});
         g.InsertarPosicionX(5, 4321);
         g.InsertarPosicionY(5, 1234); }},
    {"AñadirVertice", [](Grafo& g, Deshacer& d) {
         g.AñadirVertice(5000, 5000);
         d.Guardar({TipoDeshacer::EliminarVertice, g.dimen(), 0, 0, 0, 0, 0}); }},
    {"AñadirArista", [](Grafo& g, Deshacer& d) {
         ASSERT_EQ(g.AñadirArista(5, 1), 0);
         d.Guardar({TipoDeshacer::EliminarArista, 0, 0, 0, 0, 501, 0}); }},
};
// clang-format on

TEST_P(DeshacerEdicion, CadaTipoDeRegistroVuelveAtras)
{
    Aristas aristas = {{1, 2, 11}, {2, 3, 22}, {3, 4, 33}, {4, 5, 44}, {3, 1, 55}};
    if (EsDirigido(GetParam()))
        aristas.push_back({2, 1, 9}); // a change of 1 -> 2 must leave it alone
    mundo.Construir(g, NombreTipo(GetParam()), 5, aristas);
    mundo.pesosAleatorios = true;
    const Grafo antes = g;
    deshacer.AnularDeshacer();
    deshacer.Guardar({TipoDeshacer::Desmover, 1, 0, 100, 100, 0, 0}, false);
    EXPECT_FALSE(Usable()) << "un arrastre solo se deshace tras soltar";
    deshacer.Habilitar();
    EXPECT_TRUE(Usable());
    for (auto [nombre, editar] : Ediciones) {
        SCOPED_TRACE(nombre);
        editar(g, deshacer);
        ASSERT_FALSE(g == antes);
        ASSERT_TRUE(Usable());
        deshacer.Ejecutar(g);
        ASSERT_TRUE(g == antes);
        EXPECT_FALSE(Usable());
    }
}

INSTANTIATE_TEST_SUITE_P(CuatroTipos, DeshacerEdicion, ::testing::Range(0, 4),
                         [](const auto& info) { return NombreTipo(info.param).toStdString(); });

} // namespace
