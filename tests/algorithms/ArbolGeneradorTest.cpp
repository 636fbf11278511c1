// The spanning trees as the person sees them: the trace piece by piece with its bold and colours, the
// tie-breaks, the highlighted edges, the pauses, the preconditions, and the whole road from the menu back to
// editing.
#include <array>
#include <cmath>
#include <set>

#include "algorithms/MundoConectividad.h"
#include "model/Controles.h"
#include "support/EscenaDibujo.h"

namespace {

using Medios = std::set<std::pair<long, long>>;
// Midpoints of the sides of the square below.
const std::pair<long, long> M12{2000, 1000}, M23{3000, 2000}, M14{1000, 2000};

struct ArbolGenerador : MundoRecorrido {
    // The weighted square 1 (1000, 1000), 2, 3, 4 clockwise, 2000 twips a side, with the weights of 1-2, 2-3,
    // 3-4, 4-1 (0: no edge).
    void Cuadrado(std::array<std::int16_t, 4> pesos)
    {
        const auto [a, b, c, d] = pesos;
        PonerGrafo(p.grafo(), "Ponderado", {{1000, 1000}, {3000, 1000}, {3000, 3000}, {1000, 3000}},
                   {{1, 2, a}, {2, 3, b}, {3, 4, c}, {4, 1, d}});
    }
    Pieza Arista(int a, int b) const
    {
        return {QStringLiteral("Arista: (%1,%2)    \t").arg(a).arg(b), false, negro};
    }
    // The edges drawn in this colour with the thick pen, by their midpoints.
    Medios Gruesas(const QColor& color) const
    {
        Medios medios;
        for (const Primitiva& l : lienzo.Lineas())
            if (l.ancho == 2 && l.color == color)
                medios.emplace(std::lround((l.a.x() + l.b.x()) / 2), std::lround((l.a.y() + l.b.y()) / 2));
        return medios;
    }
};

TEST_F(ArbolGenerador, KruskalYPrimDesempatanPorFilasEnElCuadradoDePesosIguales)
{
    Cuadrado({1, 1, 1, 1});
    for (const QString nombre : {"Kruskal", "Prim"}) {
        SCOPED_TRACE(nombre.toStdString());
        persona.pausas.clear();
        lienzo.Olvidar();
        p.EjecutarAlgoritmo(nombre);
        const std::vector<Pieza> esperadas{{"Algoritmo de " + nombre.toUpper() + "\r\n\r\n", true, negro},
                                           Arista(1, 2),
                                           Arista(1, 4),
                                           Arista(2, 3), // by rows
                                           {"FIN " + nombre + "\r\n\r\n", true, negro},
                                           {"PESO TOTAL DEL ARBOL: ", false, negro},
                                           {"3\r\n", true, negro}};
        EXPECT_EQ(Piezas(), esperadas);
        EXPECT_EQ(Gruesas(Color(1)), (Medios{M12, M14, M23}));
        EXPECT_TRUE(lienzo.AnchoLinea() == 1 && persona.pausas.size() == 3u);
        p.Aceptar_Click();
    }
}

TEST_F(ArbolGenerador, BoruvkaUneFragmentosPorPasosYColoreaComoLosLista)
{
    Cuadrado({1, 2, 1, 3});
    p.EjecutarAlgoritmo("Boruvka");
    const QColor c1 = Color(1), c2 = Color(2), c3 = Color(3);
    const Pieza particiones{"NÚMERO DE PARTICIONES: ", false, negro};
    // clang-format off
    EXPECT_EQ(Piezas(), (std::vector<Pieza>{
        {"Algoritmo de BORUVKA\r\n", true, negro},
        {"PASO 1 : \r\n", false, c3}, particiones, {"2\r\n", true, negro},
        {"1ª Componente  :  ", true, negro}, {"1 - 2\r\n", true, c1},
        {"2ª Componente  :  ", true, negro}, {"3 - 4\r\n", true, c2},
        {"PASO 2 : \r\n", false, c3}, particiones, {"1\r\n", true, negro},
        {"Componente  :  ", true, negro}, {"1 - 2 - 3 - 4\r\n", true, c1},
        {"FIN Boruvka\r\n", true, negro}, {"PESO TOTAL DEL ARBOL: ", false, negro}, {"4\r\n", true, negro}}));
    // clang-format on
    EXPECT_EQ(persona.pausas.size(), 2u);
    // Step 1 draws the choices (1,2), (2,1), (3,4), (4,3) in their fragments' colours; step 2 draws them and
    // (2,3) again, all in the one fragment's.
    std::vector<QColor> colores;
    for (const Primitiva& l : lienzo.Lineas())
        if (l.ancho == 2)
            colores.push_back(l.color);
    EXPECT_EQ(colores, (std::vector{c1, c1, c2, c2, c1, c1, c1, c1, c1}));

    // Equal weights: each vertex takes its lowest neighbour, 1-2, 2-1, 3-2, 4-1.
    p.Aceptar_Click();
    lienzo.Olvidar();
    Cuadrado({1, 1, 1, 1});
    p.EjecutarAlgoritmo("Boruvka");
    EXPECT_EQ(Gruesas(c1), (Medios{M12, M14, M23}));
}

TEST_F(ArbolGenerador, LasPrecondicionesSeComprobanEnOrdenAntesDeEmpezar)
{
    // Disconnected wins over a negative weight.
    const std::tuple<std::array<std::int16_t, 4>, QString, QString> casos[] = {
        {{-5, 0, 0, 0}, "Precondición", " requiere que el grafo sea conexo."},
        {{-5, 4, 4, 0}, "ADVERTENCIA", " no admite pesos negativos."},
    };
    for (const auto& [pesos, titulo, falta] : casos)
        for (const QString nombre : {"Kruskal", "Prim", "Boruvka"}) {
            SCOPED_TRACE((nombre + titulo).toStdString());
            Cuadrado(pesos);
            persona.mensajes.clear();
            p.EjecutarAlgoritmo(nombre);
            ASSERT_EQ(persona.mensajes.size(), 1u);
            const MensajeVisto& m = persona.mensajes[0];
            EXPECT_TRUE(m.titulo == titulo && m.texto == "El algoritmo de " + nombre + falta &&
                        m.icono == Icono::Exclamacion && m.botones == Botones::Aceptar);
            // The window never entered run mode.
            EXPECT_TRUE(p.Comandos().Habilitado("Archivo") && p.trazaPanel().NumFormatos() == 0);
        }
}

TEST_F(ArbolGenerador, KruskalDesdeElMenuHastaAceptarDejaElGrafoComoEstaba)
{
    Cuadrado({1, 2, 1, 3});
    const Grafo antes = p.grafo();
    EXPECT_TRUE(p.Ejecutar(Control::Algoritmo_kruskal));
    EXPECT_TRUE(persona.dialogosModo == 1 && persona.pausas.size() == 3u && !p.Comandos().Habilitado("Archivo"));
    EXPECT_EQ(persona.pausas.at(0), "Algoritmo de KRUSKAL\n\nArista: (1,2)    \t");

    lienzo.Olvidar();
    p.Aceptar_Click();
    EXPECT_TRUE(p.grafo() == antes && p.Comandos().Habilitado("Archivo") && p.text_peq().isEmpty());
    // Cleared and drawn again in black with the thin pen.
    EXPECT_TRUE(lienzo.primitivas.at(0).tipo == Primitiva::Tipo::Limpiar && lienzo.Lineas().size() == 4u);
    for (const Primitiva& l : lienzo.Lineas())
        EXPECT_TRUE(l.color == negro && l.ancho == 1);
}

} // namespace
