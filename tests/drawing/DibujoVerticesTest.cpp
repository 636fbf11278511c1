// Vertices, whole graphs and highlight refreshes through the recording surface.
#include "support/EscenaDibujo.h"

namespace {

using Tipo = Primitiva::Tipo;
const QColor Verde(0, 128, 0);

// A vertex number: its text, colour, size, weight and offset from the centre.
void EsperarNumero(const Primitiva& t, int v, QColor color, double puntos, QPointF desplazamiento, bool negrita)
{
    EXPECT_TRUE(t.tipo == Tipo::Texto && t.texto == " " + QString::number(v)) << v;
    EXPECT_TRUE(t.color == color && t.puntos == puntos && t.negrita == negrita) << v;
    EXPECT_EQ(t.a, QPointF(500 * v, 1000 + 100 * v) + desplazamiento) << v;
}

// A white disc first wipes what lay under the circle; then the outline, the fill and the number follow the
// marks.
TEST(DibujoVertice, SeBorraYSeDibujaSegunLasMarcas)
{
    const auto vertice = [](const char* caso, bool seleccionado, bool bajoCursor, bool moviendo, QColor contorno,
                            std::optional<QColor> relleno, std::optional<QColor> numero) {
        SCOPED_TRACE(caso);
        EscenaDibujo e("Ponderado", {{1500, 1500}, {3000, 1500}});
        e.seleccion.VerticeSeleccionado = seleccionado ? 2 : 1;
        e.seleccion.VerticeBajoCursor = bajoCursor ? 2 : 1;
        e.seleccion.Moviendo = moviendo;
        e.dibujo.DibujarVertice(2, Verde);
        const auto& p = e.lienzo.primitivas;
        ASSERT_EQ(p.size(), numero ? 3u : 2u);
        EXPECT_TRUE(p[0].tipo == Tipo::Circulo && p[0].relleno == QColor(Qt::white));
        EXPECT_TRUE(p[1].a == QPointF(3000, 1500) && p[1].radio == 110 && p[1].color == contorno &&
                    p[1].relleno == relleno);
        EXPECT_TRUE(!numero || (p[2].texto == " 2" && p[2].color == *numero));
    };
    vertice("normal", false, false, false, Verde, std::nullopt, Verde);
    vertice("normal while another is dragged", false, false, true, Verde, std::nullopt, Verde);
    vertice("under the cursor", false, true, false, Qt::red, std::nullopt, Qt::red);
    vertice("selected", true, false, false, Qt::blue, QColor(Qt::blue), Qt::white);
    vertice("selected and under the cursor", true, true, false, Qt::blue, QColor(Qt::blue), Qt::white);
    vertice("dragged: a blue ring, no number", true, false, true, Qt::blue, std::nullopt, std::nullopt);
}

// A filled vertex writes its number in white, or in the cursor's red; one digit larger, two digits smaller
// and further left.
TEST(DibujoVertice, RellenoYPaleta)
{
    std::vector<QPoint> enDiagonal; // vertex v at (500 v, 1000 + 100 v)
    for (int v = 1; v <= 12; ++v)
        enDiagonal.push_back({500 * v, 1000 + 100 * v});
    EscenaDibujo e("Simple", enDiagonal);
    e.seleccion.VerticeBajoCursor = 10;
    e.dibujo.DibujarVerticeRelleno(9, Verde);
    e.dibujo.DibujarVerticeRelleno(10, Verde);
    ASSERT_EQ(e.lienzo.primitivas.size(), 6u);
    EXPECT_EQ(e.lienzo.primitivas[1].relleno, Verde);
    EsperarNumero(e.lienzo.primitivas[2], 9, Qt::white, 10, {-95, -110}, false);
    EsperarNumero(e.lienzo.primitivas[5], 10, Qt::red, 7, {-110, -80}, false);

    const auto pintar = [&e](int v, int p) {
        e.lienzo.Olvidar();
        e.dibujo.PintarVertice(v, p);
        return e.lienzo.primitivas;
    };
    for (const auto& [v, p, disco, numero, puntos, desplazamiento] :
         {std::tuple{3, 1, QColor(213, 0, 0), QColor(Qt::white), 10, QPointF(-95, -110)},
          {12, 6, QColor(255, 191, 128), QColor(Qt::black), 8, QPointF(-117, -100)},
          {10, 50, QColor(255, 128, 175), QColor(Qt::white), 8, QPointF(-117, -100)}}) {
        const auto dibujado = pintar(v, p);
        ASSERT_EQ(dibujado.size(), 3u);
        EXPECT_TRUE(dibujado[1].color == disco && dibujado[1].relleno == disco) << p;
        EsperarNumero(dibujado[2], v, numero, puntos, desplazamiento, true);
    }
    EXPECT_TRUE(pintar(1, 0).empty() && pintar(1, 51).empty());
    // Spreading k colours over the 50 of the palette.
    EXPECT_TRUE(Indice_Paleta(2, 3) == 17 && Indice_Paleta(2, 26) == 2 && Indice_Paleta(50, 50) == 50);
}

TEST(DibujoGrafo, AristasPrimeroLuegoVertices)
{
    // Triangle 1-2-3 plus, for digraphs, the arc 2 -> 1 opposite 1 -> 2.
    const auto contar = [](const char* tipo, size_t lineas, size_t pesos) {
        SCOPED_TRACE(tipo);
        EscenaDibujo e(tipo, {{1000, 1000}, {3000, 1000}, {2000, 3000}}, {{1, 2, 5}, {2, 3, 6}, {1, 3, 7}});
        if (e.grafo.Dirigido())
            e.Arista(2, 1, 8);
        e.dibujo.DibujarGrafo(0);
        EXPECT_TRUE(e.lienzo.Lineas().size() == lineas && e.lienzo.Textos().size() == 3 + pesos);
        const auto& p = e.lienzo.primitivas;
        const auto circulo = std::find_if(p.begin(), p.end(), [](auto& x) { return x.tipo == Tipo::Circulo; });
        EXPECT_TRUE(std::none_of(circulo, p.end(), [](auto& x) { return x.tipo == Tipo::Linea; }));
        e.lienzo.Olvidar();
        e.dibujo.DibujarGrafo(1);
        EXPECT_EQ(e.lienzo.Textos().size(), 3u) << "sin-peso leaves only the vertex numbers";
    };
    contar("Simple", 3, 0);
    contar("Ponderado", 3, 3);
    contar("Digrafo", 4 * 2 + 2, 0);
    contar("Digrafo_Ponderado", 4 * 2 + 2, 4);
}

} // namespace
