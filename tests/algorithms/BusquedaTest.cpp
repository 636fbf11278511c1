// The search trees as the person sees them: the root dialog, the visiting order with its bold colour and line
// breaks, the tree drawn, the pauses, the refusals, and a cancelled root dialog.
#include "algorithms/Busqueda.h"
#include "support/MundoEjecucion.h"

namespace {

struct Busqueda : MundoRecorrido {
    // The menu command, with the root typed into its dialog (0: cancelled).
    void Ejecutar(const QString& control, int raiz)
    {
        persona.guionNumero.push_back([this, raiz](InsercionNºVert& d) {
            dialogo = {d.Titulo, d.Indicacion, d.Rango, d.ValorMaximo};
            desdeMenuAlPreguntar = p.Marco().DesdeMenu;
            if (raiz > 0)
                Teclear(d, QString::number(raiz) + QChar(CodigoTecla::Intro));
        });
        p.Ejecutar(control);
    }
    PreguntaNumero dialogo;
    bool desdeMenuAlPreguntar = false;
};

TEST_F(Busqueda, OrdenArbolYPausasDeCadaBusqueda)
{
    const QString profundidad = "Algoritmo de Búsqueda en Profundidad\r\n\r\n";
    const QString anchura = "Algoritmo de Búsqueda en Anchura\r\n\r\n";
    QString largo; // 1, 2, ..., 30: the line breaks where the text reaches 83 characters
    for (int v = 1; v <= 30; ++v)
        largo += QString::number(v) + (v == 30 ? "\r\n" : v == 23 ? ", \r\n" : ", ");
    // Depth-first keeps the menu's flag through the dialog and ends every vertex in colour 12, breadth-first in 3.
    const struct {
        QString control;
        int n;
        Aristas aristas;
        int raiz;
        QString orden;
        Trazos arbol;
        std::size_t pausas;
    } casos[] = {
        {"En_Profundidad", 3, {{1, 2}, {2, 3}}, 2, "2, 1, 3\r\n", {{1, 2}, {2, 3}}, 6},
        {"En_Anchura", 3, {{1, 2}, {2, 3}, {1, 3}}, 1, "1, 2, 3\r\n", {{1, 2}, {1, 3}}, 5},
        {"En_Profundidad", 1, {}, 1, "1\r\n", {}, 1},
        {"En_Anchura", 1, {}, 1, "1\r\n", {}, 1},
        {"En_Profundidad", 30, AristasCamino(30), 1, largo, {}, 59},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE((caso.control + caso.orden).toStdString());
        const bool hondo = caso.control == "En_Profundidad";
        Poner(TipoGrafo::Simple, caso.n, caso.aristas);
        persona.pausas.clear();
        Ejecutar(caso.control, caso.raiz);
        EXPECT_TRUE(dialogo.titulo == "Raíz de la búsqueda" && dialogo.indicacion == "Vértice raíz: " &&
                    dialogo.rango == QString("(1-%1)").arg(caso.n) && dialogo.maximo == caso.n);
        EXPECT_EQ(desdeMenuAlPreguntar, hondo);
        EXPECT_EQ(p.grafo().dimen(), caso.n);
        EXPECT_EQ(Piezas(), (std::vector<Pieza>{{hondo ? profundidad : anchura, true, negro},
                                                {"Orden de Búsqueda :  ", false, negro},
                                                {caso.orden, true, Color(12)}}));
        if (caso.n < 30) { // thirty vertices overlap on the circle
            EXPECT_EQ(Dibujadas(Color(1)), caso.arbol);
        }
        EXPECT_EQ(persona.pausas.size(), caso.pausas);
        for (int v = 1; v <= caso.n; ++v)
            EXPECT_EQ(ColorVertice(v), Color(hondo ? 12 : 3)) << v;
        EXPECT_TRUE(p.Vista().aceptarVisible && !p.Marco().DesdeMenu && lienzo.AnchoLinea() == 1);
        p.Aceptar_Click();
    }
    // The order grows in the pauses, still one run; the breadth-first order gets its run only at the end, so
    // it reads plain in the pauses, whatever run the last search left behind.
    EXPECT_EQ(persona.pausas[1], QString(profundidad).replace("\r\n", "\n") + "Orden de Búsqueda :  1, 2, ");
    Poner(TipoGrafo::Simple, 3, {{1, 2}, {2, 3}});
    persona.finalNegrita.clear();
    Ejecutar("En_Anchura", 1);
    EXPECT_EQ(persona.finalNegrita, std::vector<bool>(persona.finalNegrita.size(), false));
}

// Bloques shares the searches' precondition.
TEST_F(Busqueda, UnGrafoInconexoSeRechazaYLaCallada)
{
    Poner(TipoGrafo::Simple, 3, {{1, 2}});
    const std::pair<QString, QString> casos[] = {
        {"En_Profundidad", "El algoritmo de Profundidad en Anchura requiere que el grafo sea conexo."},
        {"En_Anchura", "El algoritmo de Búsqueda en Anchura requiere que el grafo sea conexo."},
        {"Bloques", "El algoritmo de búsqueda de Bloques requiere que el grafo sea conexo."}, // asks no root
    };
    for (const auto& [control, texto] : casos) {
        persona.mensajes.clear();
        Ejecutar(control, 1);
        EXPECT_EQ(persona.mensajes,
                  (std::vector<MensajeVisto>{{texto, "Precondición", Icono::Exclamacion, Botones::Aceptar}}));
        EXPECT_TRUE(p.Comandos().Habilitado("Archivo") && p.trazaPanel().Texto().isEmpty() &&
                    lienzo.primitivas.empty());
        EXPECT_FALSE(p.Marco().DesdeMenu);
    }
    Contexto c{p.grafo(), p.dibujo(), p.Marco(), p.Persona()};
    EXPECT_EQ(BusquedaProfundidad(c, 1), -1);
    EXPECT_EQ(persona.mensajes.size(), 1u);
}

TEST_F(Busqueda, CancelarLaRaizNoEjecutaNadaYDejaElGrafoYSusMarcas)
{
    Poner(TipoGrafo::Simple, 4, {{1, 2}, {2, 3}, {3, 4}});
    p.Marcas().VerticeSeleccionado = 4;
    Ejecutar("En_Profundidad", 0);
    EXPECT_TRUE(p.grafo().dimen() == 4 && p.Marcas().VerticeSeleccionado == 4);
    EXPECT_TRUE(!p.Marco().DesdeMenu && persona.dialogosModo == 0 && p.trazaPanel().Texto().isEmpty());
}

} // namespace
