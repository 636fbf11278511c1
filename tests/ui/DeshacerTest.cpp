// Undo: every kind of record gives back the graph as it was before the edit,
// and the undo command is usable exactly while a record is.
#include <gtest/gtest.h>

#include "model/Controles.h"
#include "support/EntornoPrueba.h"
#include "ui/Deshacer.h"

namespace {

struct DeshacerEdicion : ::testing::Test {
    EntornoPrueba mundo;
    Deshacer deshacer{mundo.comandos, [this] { ++mundo.redibujados; }};
    Grafo g{[this] {
        EntornoGrafo e = mundo.Entorno();
        e.guardarIdent = [this](std::int16_t u, std::int16_t w) { deshacer.guardar_ident(g, u, w); };
        return e;
    }()};

    void Construir(const QString& tipo)
    {
        g.InsertarTipo(tipo);
        for (int i = 1; i <= 5; ++i)
            g.AñadirVertice(static_cast<std::int16_t>(600 * i), static_cast<std::int16_t>(400 + 300 * (i % 2)));
        mundo.interaccion.pesos = {std::int16_t{11}, std::int16_t{22}, std::int16_t{33}, std::int16_t{44}, std::int16_t{55}};
        for (auto [a, b] : {std::pair{1, 2}, {2, 3}, {3, 4}, {4, 5}, {3, 1}})
            ASSERT_EQ(g.AñadirArista(a, b), 0);
    }
    bool Usable() const
    {
        return mundo.comandos.Habilitado(Control::Deshacer) && mundo.comandos.Habilitado(Control::Boton_deshacer);
    }
    void DeshacerYComprobar(const Grafo& antes)
    {
        ASSERT_TRUE(Usable());
        deshacer.Ejecutar(g);
        EXPECT_TRUE(g == antes);
        EXPECT_FALSE(Usable());
        EXPECT_TRUE(deshacer.Registro().TipoDeshacer.isEmpty());
    }
};

TEST_F(DeshacerEdicion, BorrarElVerticeTresDeCincoYDeshacer)
{
    Construir("Simple");
    const Grafo antes = g;
    deshacer.Guardar({TipoDeshacer::RecuperarVertice, 3, 0, g.Posic_CoordX(3), g.Posic_CoordY(3), 0, 0});
    g.Insertar_Ar_conect(3, 0);
    g.EliminarVertice(3, true);
    DeshacerYComprobar(antes);
}

TEST_F(DeshacerEdicion, CambioDePesoEnDigrafoPonderadoSoloDevuelveEseArco)
{
    Construir("Digrafo_Ponderado");
    mundo.interaccion.pesos = {std::int16_t{9}};
    ASSERT_EQ(g.AñadirArista(2, 1), 0);
    const Grafo antes = g;
    deshacer.Guardar({TipoDeshacer::CambiarPeso, 0, 0, 0, 0, 102, g.elem_matriz(1, 2)});
    g.InsertarMatriz(1, 2, 777);
    DeshacerYComprobar(antes);
    EXPECT_EQ(g.elem_matriz(2, 1), 9);
}

TEST_F(DeshacerEdicion, CadaTipoDeRegistroVuelveAtras)
{
    for (const char* tipo : {"Simple", "Ponderado", "Digrafo", "Digrafo_Ponderado"}) {
        SCOPED_TRACE(tipo);
        Construir(tipo);
        Grafo antes = g;

        deshacer.Guardar({TipoDeshacer::RecuperarArista, 0, 0, 0, 0, 203, g.elem_matriz(2, 3)});
        g.EliminarArista(203);
        DeshacerYComprobar(antes);

        g.IdentificarVert(2, 4, true);
        EXPECT_EQ(deshacer.Registro().TipoDeshacer, TipoDeshacer::RecuperarIdent);
        DeshacerYComprobar(antes);

        deshacer.Guardar({TipoDeshacer::Desmover, 5, 0, g.Posic_CoordX(5), g.Posic_CoordY(5), 0, 0});
        g.InsertarPosicionX(5, 4321);
        DeshacerYComprobar(antes);

        g.AñadirVertice(5000, 5000);
        deshacer.Guardar({TipoDeshacer::EliminarVertice, g.dimen(), 0, 0, 0, 0, 0});
        DeshacerYComprobar(antes);

        mundo.interaccion.pesos = {std::int16_t{5}};
        ASSERT_EQ(g.AñadirArista(5, 1), 0);
        deshacer.Guardar({TipoDeshacer::EliminarArista, 0, 0, 0, 0, 501, 0});
        DeshacerYComprobar(antes);

        g = Grafo(g.Entorno());
    }
}

TEST_F(DeshacerEdicion, UnArrastreSoloSeDeshaceTrasSoltar)
{
    Construir("Simple");
    deshacer.AnularDeshacer();
    deshacer.Guardar({TipoDeshacer::Desmover, 1, 0, 100, 100, 0, 0}, false);
    EXPECT_FALSE(Usable());
    deshacer.Habilitar();
    EXPECT_TRUE(Usable());
}

} // namespace
