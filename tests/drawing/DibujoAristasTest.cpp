// Edges and arcs as the recording surface sees them: where the lines run, where weights go, which colour and
// width each piece takes.
#include "drawing/GeometriaArista.h"
#include "support/EscenaDibujo.h"
#include "ui/SuperficieArea.h"
#include <QLineF>

namespace {

const QColor Granate(192, 0, 0);
const QPoint Arriba(1000, 1000), Abajo(1000, 3000), Derecha(3000, 1000);

// Clockwise from straight up; a horizontal takes the slope 180, hence the odd third decimal.
TEST(DibujoRumbo, SeMideEnSentidoHorarioDesdeArriba)
{
    for (const auto& [x, y, rumbo] : {std::tuple{3000, 2000, 90.318},
                                      {1000, 2000, 270.318},
                                      {2000, 3000, 180.0},
                                      {2000, 1000, 0.0},
                                      {3000, 3000, 135.0},
                                      {3000, 1000, 45.0},
                                      {1000, 3000, 225.0},
                                      {1000, 1000, 315.0}})
        EXPECT_NEAR(GeometriaArista::Rumbo(2000, 2000, x, y), rumbo, 1e-3) << x << ", " << y;
}

TEST(DibujoArista, VaDeBordeABordeYElArcoLlevaMediaPuntaEnSuDestino)
{
    EscenaDibujo h("Simple", {Arriba, Derecha}, {{1, 2}});
    const auto arista = h.Lineas(1, 2);
    ASSERT_EQ(h.lienzo.primitivas.size(), 1u);
    EsperarPunto(arista.at(0).a, {1110, 1000}, 1);
    EsperarPunto(arista[0].b, {2890, 1000}, 1);

    EscenaDibujo v("Digrafo", {Arriba, Abajo}, {{1, 2}});
    v.lienzo.PonerAnchoLinea(2);
    const auto arco = v.Lineas(1, 2, 0, Granate);
    ASSERT_EQ(arco.size(), 2u);
    // The head: 300 twips out at 180 + 65 degrees, ending on the circle.
    EsperarPunto(arco[0].a, {1000 + 300 * -0.42262, 3000 + 300 * -0.90631});
    EsperarPunto(arco[0].b, {1000, 2890});
    EsperarPunto(arco[1].a, {1000, 1110});
    EsperarPunto(arco[1].b, {1000, 2890});
    EXPECT_TRUE(arco[0].color == Granate && arco[1].color == Granate && arco[1].ancho == 2);
    EXPECT_TRUE(v.Lineas(1, 1, 1).empty() && v.lienzo.primitivas.empty()) << "a vertex to itself draws nothing";
}

// The arc 2 -> 1 shares the line of 1 -> 2: only its head is added, thin, and coloured by its marks only in a
// run started from the menu. The line takes the selection's blue over the cursor's red.
TEST(DibujoArista, LaPuntaDelArcoContrarioEsFinaYNegraFueraDeUnaEjecucion)
{
    const auto colores = [](bool desdeMenu, std::int16_t seleccionada, std::int16_t bajoCursor) {
        EscenaDibujo e("Digrafo", {Arriba, Abajo}, {{1, 2}, {2, 1}});
        e.desdeMenu = desdeMenu;
        e.seleccion.AristaSeleccionada = seleccionada;
        e.seleccion.AristaBajoCursor = bajoCursor;
        e.lienzo.PonerAnchoLinea(2);
        const auto lineas = e.Lineas(1, 2, 0, Granate);
        EXPECT_EQ(lineas.size(), 3u);
        EsperarPunto(lineas.at(2).a, {1000 + 300 * 0.42262, 1000 + 300 * 0.90631});
        EsperarPunto(lineas[2].b, lineas[1].a, 0.01); // ends where the line starts
        EXPECT_TRUE(lineas[2].ancho == 1 && e.lienzo.AnchoLinea() == 2) << "thin, then the caller's width";
        return std::pair{lineas[1].color, lineas[2].color};
    };
    using Linea_Punta = std::pair<QColor, QColor>;
    EXPECT_EQ(colores(false, 201, 0), Linea_Punta(Granate, Qt::black));
    EXPECT_EQ(colores(true, 201, 0), Linea_Punta(Granate, Qt::blue));
    EXPECT_EQ(colores(true, 0, 201), Linea_Punta(Granate, Qt::red));
    EXPECT_EQ(colores(true, 0, 0), Linea_Punta(Granate, Granate));
    EXPECT_EQ(colores(true, 102, 0), Linea_Punta(Qt::blue, Granate)) << "only the arc drawn is marked";
    EXPECT_EQ(colores(false, 102, 102), Linea_Punta(Qt::blue, Qt::black)) << "the selection wins";
}

// An undirected edge is drawn from its smaller end, except in parallel mode 2, so that it looks the same
// and takes its marks whichever way it is named; an arc keeps its sense.
TEST(DibujoArista, SoloLaAristaSinDireccionSeDaLaVuelta)
{
    const auto desde = [](const char* tipo, int modo) {
        EscenaDibujo e(tipo, {Abajo, Derecha}, {{2, 1, 140}});
        return QLineF(e.Lineas(2, 1, modo).back().a, Abajo).length() < 200 ? 1 : 2;
    };
    EXPECT_TRUE(desde("Ponderado", 0) == 1 && desde("Ponderado", 1) == 1);
    EXPECT_TRUE(desde("Ponderado", 2) == 2 && desde("Digrafo", 0) == 2);
    EscenaDibujo e("Simple", {Abajo, Derecha}, {{1, 2}});
    e.seleccion.AristaSeleccionada = 102;
    EXPECT_EQ(e.Lineas(2, 1).at(0).color, QColor(Qt::blue)) << "named backwards, still the selected 1 - 2";
}

// The corner of the weight's text beside the midpoint of u -> v: down and to the left three digits or a minus
// sign take more room, a label never does. Weights show only on weighted graphs and not while a vertex is
// dragged; a label always shows; the text is 7 points, plain, black.
TEST(DibujoArista, ElPesoSeEscribeJuntoAlPuntoMedioSegunLaDireccion)
{
    const QPoint A(3000, 1000), B(1000, 3000);
    // clang-format off
    const std::tuple<QPoint, QPoint, int, int, const char*, QPointF> casos[] = {
        {A, B, 150, 0, " 150", {1520, 1880}}, {A, B, 50, 0, " 50", {1730, 1880}}, {A, B, -150, 0, "-150", {1520, 1880}},
        {A, B, 150, 7, " 7", {1730, 1880}}, {{2000, 1000}, B, 50, 0, " 50", {1230, 2000}}, // only a little left
        {{1000, 1000}, {3000, 3000}, 50, 0, " 50", {1830, 2000}}, {B, A, 50, 0, " 50", {2120, 2000}}, // up, right
        {{3000, 3000}, {1000, 1000}, 50, 0, " 50", {2050, 1820}}, {{1000, 1000}, {3000, 1200}, 50, 0, " 50", {1830, 1130}},
        {A, {1000, 1000}, 50, 0, " 50", {2050, 800}}, {{1000, 1000}, {1200, 3000}, 150, 0, " 150", {720, 2000}},
        {B, {1100, 1000}, 50, 0, " 50", {1120, 2000}}};
    // clang-format on
    for (const auto& [u, v, peso, etiqueta, texto, esquina] : casos) {
        EscenaDibujo e("Digrafo_Ponderado", {u, v}, {{1, 2, std::int16_t(peso)}});
        e.dibujo.DibujarArista(1, 2, Qt::black, std::int16_t(etiqueta), 0, 0);
        const auto textos = e.lienzo.Textos();
        EXPECT_TRUE(textos.at(0).texto == texto && textos[0].a == esquina) << texto << " " << u.x() << "," << u.y();
        EXPECT_TRUE(textos[0].puntos == 7 && !textos[0].negrita && textos[0].color == QColor(Qt::black));
    }
    const auto texto = [](const char* tipo, bool moviendo, std::int16_t etiqueta, std::int16_t sinPeso) {
        EscenaDibujo e(tipo, {Arriba, Abajo}, {{1, 2, 40}});
        e.seleccion.Moviendo = moviendo;
        e.dibujo.DibujarArista(1, 2, Qt::black, etiqueta, sinPeso, 0);
        const auto textos = e.lienzo.Textos();
        return textos.size() == 1 ? textos[0].texto : QString("%1 texts").arg(textos.size());
    };
    EXPECT_EQ(texto("Simple", false, 0, 0) + texto("Simple", false, 7, 0), "0 texts 7");
    EXPECT_EQ(texto("Ponderado", false, 0, 0) + texto("Ponderado", false, 0, 1), " 400 texts");
    EXPECT_EQ(texto("Ponderado", false, 3, 1) + texto("Ponderado", true, 0, 0), " 30 texts");
    EXPECT_EQ(texto("Digrafo_Ponderado", true, 4, 0), " 4");
}

// The two passes of a doubled edge lie four pixels to each side of its line, and each writes its number a line
// of text further out on its own side: both lines and both numbers read apart.
TEST(DibujoArista, ElModoParaleloApartaLaLineaPeroNoLaPunta)
{
    // How far the line moves; the head must stay.
    const auto apartado = [](QPoint u, QPoint v, int modo) {
        EscenaDibujo e("Digrafo", {u, v}, {{1, 2}});
        const auto centrada = e.Lineas(1, 2);
        const auto apartada = e.Lineas(1, 2, modo);
        EXPECT_TRUE(apartada.at(0).a == centrada.at(0).a && apartada[0].b == centrada[0].b);
        EXPECT_EQ(apartada.at(1).b - centrada.at(1).b, apartada[1].a - centrada[1].a);
        return apartada[1].a - centrada[1].a;
    };
    EXPECT_EQ(apartado(Arriba, Abajo, 1), QPointF(60, 0));
    EXPECT_EQ(apartado(Arriba, Abajo, 2), QPointF(-60, 0));
    EXPECT_EQ(apartado(Arriba, Derecha, 1), QPointF(0, -60));
    EXPECT_EQ(apartado(Arriba, {3000, 3000}, 1), QPointF(0, -60)); // diagonal
    EXPECT_EQ(apartado(Arriba, {1300, 3000}, 1), QPointF(60, 0));  // steep, to the right
    EXPECT_EQ(apartado({1300, 1000}, Abajo, 1), QPointF(-60, 0));  // steep, to the left
}

TEST(DibujoArista, LasEtiquetasDeDosPasadasNoSePisan)
{
    EscenaDibujo e("Ponderado", {Arriba, Derecha}, {{1, 2, 5}});
    e.dibujo.DibujarArista(1, 2, Granate, 3, 1, 1);
    e.dibujo.DibujarArista(1, 2, Granate, 6, 1, 2);
    std::vector<Primitiva> textos;
    std::ranges::copy_if(e.lienzo.Textos(), std::back_inserter(textos),
                         [](const Primitiva& t) { return t.pluma == Lienzo::Pluma::Copiar; });
    ASSERT_EQ(textos.size(), 2u);
    EXPECT_TRUE(textos[0].texto == " 3" && textos[1].texto == " 6");
    // The edge runs along y = 1000; each pass 60 twips off it, each number's line (about 170 twips high)
    // wholly beyond its own pass.
    EXPECT_EQ(textos[0].a.x(), textos[1].a.x());
    EXPECT_LT(textos[0].a.y() + 170, 1000 - 60);
    EXPECT_GT(textos[1].a.y(), 1000 + 60);
}

// A highlight draws the edge's weight again where it already is: it must look as it did, not bolder.
TEST(DibujoArista, UnPesoResaltadoNoSeOscurece)
{
    EscenaDibujo e("Ponderado", {Arriba, Derecha}, {{1, 2, 36}});
    SuperficieArea area(4500, 3000);
    Dibujo dibujo(e.grafo, area.Superficie(), e.seleccion, e.desdeMenu);
    area.Superficie().Limpiar();
    dibujo.DibujarGrafo(0);
    const QImage antes = area.Imagen().copy();
    area.Superficie().PonerAnchoLinea(2);
    for (int vez = 0; vez < 3; ++vez)
        dibujo.DibujarArista(1, 2, Granate, 0, 0, 0);
    // The label's rows, clear of the wide line and its smoothing: 1075 to 1300 twips down.
    const QRect renglones(1800 / 15, 1075 / 15, 600 / 15, 225 / 15);
    EXPECT_EQ(area.Imagen().copy(renglones), antes.copy(renglones));
}

} // namespace
