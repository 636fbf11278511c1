// Vertices, whole graphs and highlight refreshes through the recording surface.
#include <gtest/gtest.h>

#include "support/EscenaDibujo.h"

namespace {

using Tipo = Primitiva::Tipo;
const QColor Verde(0, 128, 0);

std::vector<QPoint> EnDiagonal(int n)
{
    std::vector<QPoint> posiciones;
    for (int v = 1; v <= n; ++v)
        posiciones.push_back({500 * v, 1000 + 100 * v});
    return posiciones;
}

TEST(DibujoVertice, ElNumeroCambiaDeTamañoYSitioConDosCifras)
{
    struct Caso {
        int v;
        double puntos;
        QPointF desplazamiento;
        QString texto;
    } casos[] = {{7, 10, {-95, -110}, " 7"},
                 {9, 10, {-95, -110}, " 9"},
                 {10, 7, {-110, -80}, " 10"},
                 {12, 7, {-110, -80}, " 12"}};
    EscenaDibujo e("Simple", EnDiagonal(12));
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.v);
        e.lienzo.Olvidar();
        e.dibujo.DibujarNumero(c.v, Verde);
        ASSERT_EQ(e.lienzo.primitivas.size(), 1u);
        const Primitiva& t = e.lienzo.primitivas[0];
        EXPECT_EQ(t.texto, c.texto);
        EXPECT_EQ(t.puntos, c.puntos);
        EXPECT_FALSE(t.negrita);
        EXPECT_EQ(t.color, Verde);
        EsperarPunto(t.a, QPointF(500 * c.v, 1000 + 100 * c.v) + c.desplazamiento, 0);
    }
}

TEST(DibujoVertice, SeBorraYSeDibujaSegunLasMarcas)
{
    struct Fila {
        const char* nombre;
        bool seleccionado, bajoCursor, moviendo;
        QColor contorno;
        std::optional<QColor> relleno;
        std::optional<QColor> numero; // nullopt: no number
    } filas[] = {
        {"normal", false, false, false, Verde, std::nullopt, Verde},
        {"normal mientras se arrastra otro", false, false, true, Verde, std::nullopt, Verde},
        {"bajo el cursor", false, true, false, Qt::red, std::nullopt, Qt::red},
        {"seleccionado", true, false, false, Qt::blue, QColor(Qt::blue), Qt::white},
        {"seleccionado y bajo el cursor", true, true, false, Qt::blue, QColor(Qt::blue), Qt::white},
        {"arrastrado: anillo azul sin numero", true, false, true, Qt::blue, std::nullopt, std::nullopt},
    };
    for (const Fila& f : filas) {
        SCOPED_TRACE(f.nombre);
        EscenaDibujo e("Ponderado", {{1500, 1500}, {3000, 1500}});
        e.seleccion.VerticeSeleccionado = f.seleccionado ? 2 : 1;
        e.seleccion.VerticeBajoCursor = f.bajoCursor ? 2 : 1;
        e.seleccion.Moviendo = f.moviendo;
        e.dibujo.DibujarVertice(2, Verde);
        const auto& p = e.lienzo.primitivas;
        ASSERT_EQ(p.size(), f.numero ? 3u : 2u);
        // The white disc wipes what lay under the circle.
        EXPECT_EQ(p[0].tipo, Tipo::Circulo);
        EXPECT_EQ(p[0].color, QColor(Qt::white));
        EXPECT_EQ(p[0].relleno, QColor(Qt::white));
        EXPECT_EQ(p[1].tipo, Tipo::Circulo);
        EXPECT_EQ(p[1].a, QPointF(3000, 1500));
        EXPECT_EQ(p[1].radio, 110);
        EXPECT_EQ(p[1].color, f.contorno);
        EXPECT_EQ(p[1].relleno, f.relleno);
        if (f.numero) {
            EXPECT_EQ(p[2].texto, " 2");
            EXPECT_EQ(p[2].color, *f.numero);
        }
    }
}

TEST(DibujoVertice, RellenoYPaleta)
{
    EscenaDibujo e("Simple", EnDiagonal(12));
    e.seleccion.VerticeBajoCursor = 4;
    e.dibujo.DibujarVerticeRelleno(3, Verde);
    e.dibujo.DibujarVerticeRelleno(4, Verde);
    const auto textos = e.lienzo.Textos();
    const auto circulos = e.lienzo.Circulos();
    ASSERT_EQ(circulos.size(), 4u);
    EXPECT_EQ(circulos[1].color, Verde);
    EXPECT_EQ(circulos[1].relleno, Verde);
    ASSERT_EQ(textos.size(), 2u);
    EXPECT_EQ(textos[0].color, QColor(Qt::white));
    EXPECT_EQ(textos[1].color, QColor(Qt::red)) << "the number keeps the cursor's red";

    struct Caso {
        int v, p;
        QColor disco, numero;
        double puntos;
        QPointF desplazamiento;
    } casos[] = {
        {3, 1, {213, 0, 0}, Qt::white, 10, {-95, -110}},
        {12, 6, {255, 191, 128}, Qt::black, 8, {-117, -100}},
        {10, 50, {255, 128, 175}, Qt::white, 8, {-117, -100}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.p);
        e.lienzo.Olvidar();
        e.dibujo.PintarVertice(c.v, c.p);
        const auto& p = e.lienzo.primitivas;
        ASSERT_EQ(p.size(), 3u);
        EXPECT_EQ(p[0].relleno, QColor(Qt::white));
        EXPECT_EQ(p[1].color, c.disco);
        EXPECT_EQ(p[1].relleno, c.disco);
        EXPECT_EQ(p[2].color, c.numero);
        EXPECT_TRUE(p[2].negrita);
        EXPECT_EQ(p[2].puntos, c.puntos);
        EsperarPunto(p[2].a, QPointF(500 * c.v, 1000 + 100 * c.v) + c.desplazamiento, 0);
    }
    for (const int fuera : {0, 51}) {
        e.lienzo.Olvidar();
        e.dibujo.PintarVertice(1, fuera);
        EXPECT_TRUE(e.lienzo.primitivas.empty()) << fuera;
    }
}

TEST(DibujoPaleta, LosColoresDeUnaColoracionSeReparten)
{
    struct Caso {
        int c, k, entrada;
    } casos[] = {{1, 1, 1}, {1, 3, 1}, {2, 3, 17}, {3, 3, 33}, {7, 7, 43}, {50, 50, 50}, {2, 26, 2}};
    for (const Caso& c : casos)
        EXPECT_EQ(Indice_Paleta(c.c, c.k), c.entrada) << c.c << " de " << c.k;
    EXPECT_EQ(Paleta_Colores(0), nullptr);
    EXPECT_EQ(Paleta_Colores(51), nullptr);
}

TEST(DibujoGrafo, AristasPrimeroLuegoVertices)
{
    struct Fila {
        const char* tipo;
        size_t lineas;
        size_t pesos;
    } filas[] = {
        // Triangle 1-2-3 plus, for digraphs, the arc 2 -> 1 opposite 1 -> 2.
        {"Simple", 3, 0},
        {"Ponderado", 3, 3},
        {"Digrafo", 4 * 2 + 2, 0},
        {"Digrafo_Ponderado", 4 * 2 + 2, 4},
    };
    for (const Fila& f : filas) {
        SCOPED_TRACE(f.tipo);
        EscenaDibujo e(f.tipo, {{1000, 1000}, {3000, 1000}, {2000, 3000}});
        e.Arista(1, 2, 5);
        e.Arista(2, 3, 6);
        e.Arista(1, 3, 7);
        if (e.grafo.Dirigido())
            e.Arista(2, 1, 8);
        e.dibujo.DibujarGrafo(0);
        EXPECT_EQ(e.lienzo.Lineas().size(), f.lineas);
        EXPECT_EQ(e.lienzo.Circulos().size(), 6u);
        EXPECT_EQ(e.lienzo.Textos().size(), 3 + f.pesos);
        const auto& p = e.lienzo.primitivas;
        const auto primerCirculo =
            std::find_if(p.begin(), p.end(), [](const Primitiva& x) { return x.tipo == Tipo::Circulo; });
        EXPECT_TRUE(
            std::none_of(primerCirculo, p.end(), [](const Primitiva& x) { return x.tipo == Tipo::Linea; }));

        e.lienzo.Olvidar();
        e.dibujo.DibujarGrafo(1);
        EXPECT_EQ(e.lienzo.Textos().size(), 3u) << "sin-peso leaves only the vertex numbers";
    }
}

TEST(DibujoGrafo, MientrasSeArrastraNoHayPesosYElSeleccionadoEsUnAnillo)
{
    EscenaDibujo e("Ponderado", {{1000, 1000}, {3000, 1000}, {2000, 3000}});
    e.Arista(1, 2, 500);
    e.Arista(2, 3, 60);
    e.seleccion.VerticeSeleccionado = 1;
    e.seleccion.Moviendo = true;
    e.dibujo.DibujarGrafo(0);
    QStringList escritos;
    for (const Primitiva& t : e.lienzo.Textos())
        escritos << t.texto;
    EXPECT_EQ(escritos, QStringList({" 2", " 3"}));
    const auto circulos = e.lienzo.Circulos();
    EXPECT_EQ(circulos[1].color, QColor(Qt::blue));
    EXPECT_EQ(circulos[1].relleno, std::nullopt);
}

TEST(DibujoMarcas, RefrescarRepiteLoMarcadoEnOrden)
{
    EscenaDibujo e("Simple", {{1000, 1000}, {3000, 1000}, {2000, 3000}, {4000, 3000}});
    e.Arista(1, 2);
    e.Arista(3, 4);
    e.seleccion.AristaAnterior = 102;
    e.seleccion.AristaSeleccionada = 304;
    e.seleccion.VerticeBajoCursor = 2;
    e.lienzo.PonerDibujoPersistente(false);
    e.dibujo.RefrescarMarcas();
    EXPECT_TRUE(e.lienzo.DibujoPersistente());

    // Each marked edge with its two ends, then each marked vertex.
    std::vector<std::pair<Tipo, QColor>> visto;
    for (const Primitiva& p : e.lienzo.primitivas)
        if (p.tipo != Tipo::Texto && !(p.tipo == Tipo::Circulo && p.relleno == QColor(Qt::white)))
            visto.push_back({p.tipo, p.color});
    const std::vector<std::pair<Tipo, QColor>> esperado = {
        {Tipo::Linea, Qt::black}, {Tipo::Circulo, Qt::black}, {Tipo::Circulo, Qt::red},
        {Tipo::Linea, Qt::blue},  {Tipo::Circulo, Qt::black}, {Tipo::Circulo, Qt::black},
        {Tipo::Circulo, Qt::red},
    };
    EXPECT_EQ(visto, esperado);
}

TEST(DibujoColores, ElDibujoTraeLaTablaDeColoresLlena)
{
    EscenaDibujo e("Simple", {});
    EXPECT_EQ(e.dibujo.Color(1), QColor(128, 0, 0));
    EXPECT_EQ(e.dibujo.Color(6), e.dibujo.Color(8));
    EXPECT_EQ(e.dibujo.Color(15), QColor(Qt::white));
}

} // namespace
