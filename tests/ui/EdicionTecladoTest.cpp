// The keyboard alone against the mouse: the same graph built, weighted, moved and run, key by key and click by
// click, leaves the same file and the same traces.
#include <gtest/gtest.h>

#include <deque>

#include "algorithms/CatalogoOrdenes.h"
#include "files/Escritor.h"
#include "model/Controles.h"
#include "support/EjecucionPrueba.h"
#include "support/MundoPrincipal.h"
#include "ui/EdicionTeclado.h"
#include "ui/SeleccionOrden.h"

namespace {

using T = EdicionTeclado::Tecla;

struct Escena {
    MundoCon<PersonaEjecucion> m;
    EdicionTeclado& teclado = m.p.Teclado();

    bool Pulsar(T tecla, bool fino = false) { return teclado.Pulsar(tecla, fino); }
    // The ring onto vertex v (or, past the vertices, the k-th edge), with Tab and Shift+Tab only.
    void Ir(int elemento)
    {
        const int n = m.p.grafo().dimen();
        for (int intentos = 0; intentos < 200; ++intentos) {
            const int ahora = teclado.Vertice() ? teclado.Vertice() : teclado.Arista() ? n + 1 : 0;
            if (ahora == elemento && (elemento <= n || teclado.Arista()))
                return;
            Pulsar(ahora < elemento || ahora == 0 ? T::Siguiente : T::Anterior);
        }
        FAIL() << "el foco no llega a " << elemento;
    }
    QByteArray Fichero() const { return TextoGrafo(m.p.grafo()); }
};

// A weighted triangle with a pendant vertex: four vertices, four edges with their weights, one weight
// changed, one vertex moved, with keys; then with the mouse on the points the keys reached.
TEST(EdicionTeclado, ElTecladoConstruyeElMismoGrafoQueElRaton)
{
    Escena teclas;
    teclas.m.Empezar(TipoGrafo::Ponderado);
    for (int k = 0; k < 4; ++k)
        ASSERT_TRUE(teclas.Pulsar(T::Insertar));
    ASSERT_EQ(teclas.m.p.grafo().dimen(), 4);
    EXPECT_EQ(teclas.teclado.Vertice(), 4) << "el vértice nuevo toma el foco";
    teclas.m.persona.pesos = {4, 1, 6, 2, 5};
    for (auto [a, b] : {std::pair{1, 2}, {2, 3}, {1, 3}, {3, 4}}) {
        teclas.Ir(a);
        ASSERT_TRUE(teclas.Pulsar(T::Intro));
        teclas.Ir(b);
        ASSERT_TRUE(teclas.Pulsar(T::Intro));
    }
    // Escape gives up an edge begun: nothing is added.
    teclas.Ir(2);
    teclas.Pulsar(T::Intro);
    teclas.Ir(4);
    EXPECT_TRUE(teclas.Pulsar(T::Escape));
    teclas.Ir(5); // the first edge, 1-2; the next is 1-3
    teclas.Pulsar(T::Siguiente);
    ASSERT_EQ(teclas.teclado.Arista(), CodigoArista(1, 3));
    ASSERT_TRUE(teclas.Pulsar(T::F2));
    teclas.Ir(4);
    const QPoint antes(teclas.m.p.grafo().Posic_CoordX(4), teclas.m.p.grafo().Posic_CoordY(4));
    ASSERT_TRUE(teclas.Pulsar(T::Derecha));
    ASSERT_TRUE(teclas.Pulsar(T::Abajo, true));
    EXPECT_EQ(QPoint(teclas.m.p.grafo().Posic_CoordX(4), teclas.m.p.grafo().Posic_CoordY(4)),
              antes + QPoint(int(EdicionTeclado::Paso), int(EdicionTeclado::PasoFino)));

    // The mouse makes the same graph, at the places and with the weights the keys left.
    Escena raton;
    raton.m.Empezar(TipoGrafo::Ponderado);
    const Grafo& g = teclas.m.p.grafo();
    for (int v = 1; v <= 4; ++v)
        raton.m.Vertice(g.Posic_CoordX(v), g.Posic_CoordY(v));
    raton.m.persona.pesos = {4, 1, 5, 2};
    for (auto [a, b] : {std::pair{1, 2}, {2, 3}, {1, 3}, {3, 4}})
        raton.m.Arista(a, b);
    EXPECT_EQ(teclas.Fichero(), raton.Fichero());
    // Where the arrows left vertex 4 it shows the ring, not a selection's blue: the picture is the mouse's with
    // the pointer resting on the vertex after a press on empty ground.
    raton.m.Clic(15, 15);
    raton.m.p.Edicion().MouseMove(0, g.Posic_CoordX(4), g.Posic_CoordY(4));
    EXPECT_TRUE(teclas.m.p.Area().Imagen() == raton.m.p.Area().Imagen());

    // Undo takes back the last move, as after a drag; Delete takes the focused vertex away.
    teclas.m.p.Ejecutar("Deshacer");
    EXPECT_EQ(g.Posic_CoordY(4), antes.y());
    teclas.Ir(4);
    ASSERT_TRUE(teclas.Pulsar(T::Suprimir));
    EXPECT_EQ(g.dimen(), 3);
    EXPECT_EQ(g.numero_aristas(), 3);
}

// Tab never traps the keyboard: past the last element, and before the first, the key is not the area's.
TEST(EdicionTeclado, TabSaleDelAreaTrasElUltimoElemento)
{
    Escena e;
    e.m.Poner(TipoGrafo::Simple, 2, {{1, 2}});
    EXPECT_TRUE(e.Pulsar(T::Siguiente) && e.teclado.Vertice() == 1);
    EXPECT_TRUE(e.Pulsar(T::Siguiente) && e.teclado.Vertice() == 2);
    EXPECT_TRUE(e.Pulsar(T::Siguiente) && e.teclado.Arista() == CodigoArista(1, 2));
    EXPECT_FALSE(e.Pulsar(T::Siguiente));
    EXPECT_TRUE(e.teclado.Vertice() == 0 && e.teclado.Arista() == 0);
    EXPECT_TRUE(e.Pulsar(T::Anterior) && e.teclado.Arista() == CodigoArista(1, 2));
    EXPECT_FALSE(e.Pulsar(T::F2)) << "un grafo sin pesos no tiene peso que cambiar";
}

// The pixels in the hover's red or the selection's blue: what a ring or a pointer left on a picture, whatever
// the smoothing of borders drawn again over themselves (a walk redraws each vertex the pointer crosses).
std::vector<QPoint> Resaltes(const QImage& imagen)
{
    std::vector<QPoint> puntos;
    for (int y = 0; y < imagen.height(); ++y)
        for (int x = 0; x < imagen.width(); ++x) {
            const QColor c = imagen.pixelColor(x, y);
            if ((c.red() > 230 || c.blue() > 230) && c.green() < 40 && std::min(c.red(), c.blue()) < 40)
                puntos.emplace_back(x, y);
        }
    return puntos;
}

// A run's clicks made by the ring and Enter, and by the mouse: the same trace, file and pictures. Kruskal takes
// no clicks; the colouring order is clicked before the run, the Fleury walk (a bridge and a vertex not
// adjacent refused on the way) while it waits.
TEST(EdicionTeclado, LosClicsDeUnaEjecucionSeHacenConIntro)
{
    struct Caso {
        QString control;
        int tipo, n;
        Aristas aristas;
        std::vector<int> clics;
    };
    const Caso casos[] = {
        {Control::Algoritmo_kruskal, TipoGrafo::Ponderado, 4, {{1, 2, 4}, {2, 3, 1}, {1, 3, 6}, {3, 4, 2}}, {}},
        {Control::mnu_Secuencial_intro_ord, TipoGrafo::Simple, 4, {{1, 2}, {2, 3}, {1, 3}, {3, 4}}, {3, 1, 4, 2}},
        {Control::muFleuryUsuario, TipoGrafo::Simple, 5, Pajarita, {1, 3, 2, 1, 4, 5, 3, 2, 1}}};
    struct Resultado {
        QString traza;
        QByteArray fichero;
        std::vector<QString> pausas;
        std::vector<QImage> dibujos;
        std::vector<QPoint> resaltes;
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.control.toStdString());
        std::vector<Resultado> resultados;
        for (const bool conTeclas : {true, false}) {
            Escena e;
            Principal& p = e.m.p;
            e.m.Empezar(caso.tipo);
            PonerGrafo(p.grafo(), NombreTipo(caso.tipo), {EnPajarita.begin(), EnPajarita.begin() + caso.n},
                       caso.aristas);
            p.Redibujar();
            std::deque<int> clics(caso.clics.begin(), caso.clics.end());
            const auto elegir = [&] {
                const int v = clics.front();
                clics.pop_front();
                if (!conTeclas)
                    return e.m.Clic(p.grafo().Posic_CoordX(v), p.grafo().Posic_CoordY(v));
                e.Ir(v);
                EXPECT_TRUE(e.Pulsar(T::Intro));
            };
            e.m.persona.alProcesar = [&] {
                if (!p.Marco().RecorridoUsuario || !p.Vista().areaHabilitada || p.Marcas().VerticeSeleccionado != 0)
                    return;
                if (clics.empty())
                    p.Marco().EscapePulsado = true;
                else
                    elegir();
            };
            std::vector<QImage> dibujos;
            e.m.persona.alPausar = [&](BotonesInterrupcion&) { dibujos.push_back(p.Area().Imagen().copy()); };
            if (conTeclas)
                e.Ir(caso.n);
            else
                p.Edicion().MouseMove(0, p.grafo().Posic_CoordX(caso.n), p.grafo().Posic_CoordY(caso.n));
            p.Ejecutar(caso.control);
            while (!clics.empty() && p.OrdenUsuario().Activa())
                elegir();
            EXPECT_TRUE(clics.empty() && p.Vista().aceptarVisible && !p.Marco().EscapePulsado);
            resultados.push_back(
                {p.text_peq().toPlainText(), e.Fichero(), e.m.persona.pausas, dibujos, Resaltes(p.Area().Imagen())});
        }
        const Resultado &teclas = resultados[0], &raton = resultados[1];
        EXPECT_EQ(teclas.traza, raton.traza);
        EXPECT_EQ(teclas.fichero, raton.fichero);
        EXPECT_EQ(teclas.pausas, raton.pausas);
        EXPECT_TRUE(teclas.dibujos == raton.dibujos);
        EXPECT_EQ(teclas.resaltes, raton.resaltes);
    }
}

} // namespace
