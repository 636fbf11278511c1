// The real surface on a QImage: twips land on the right pixels whatever the pixel ratio or resolution,
// numbers sit inside their circles, the inverting pen undoes itself. (The PNG export samples circle pixels at
// two scales.)
#include <QImage>
#include <QPixmap>
#include <cmath>
#include <numbers>
#include <random>

#include "drawing/LienzoBandas.h"
#include "drawing/LienzoImagen.h"
#include "drawing/LienzoMemoria.h"
#include "drawing/MemoriaLineas.h"
#include "support/EscenaDibujo.h"

namespace {

constexpr double TwipsPorPixel = 15;

// A 600 x 400 image, whitened, that carries the given pixel ratio and resolution.
QImage Imagen(double ratio, int dpi = 96)
{
    QImage imagen(QSize(600, 400) * ratio, QImage::Format_RGB32);
    imagen.setDevicePixelRatio(ratio);
    imagen.setDotsPerMeterX(qRound(dpi / 0.0254));
    imagen.setDotsPerMeterY(qRound(dpi / 0.0254));
    imagen.fill(Qt::white);
    return imagen;
}

// Clears the image and draws on it the graph with vertices at `posiciones`, joined 1-2 when there are two of
// them.
void Pintar(QImage& imagen, const std::vector<QPoint>& posiciones)
{
    EscenaDibujo e("Simple", posiciones);
    if (posiciones.size() == 2)
        e.Arista(1, 2);
    LienzoImagen lienzo(imagen);
    Dibujo dibujo(e.grafo, lienzo, e.seleccion, e.desdeMenu);
    lienzo.Limpiar();
    dibujo.DibujarGrafo(0);
}

// Centre of the dark pixels strictly inside a vertex circle, in twips.
QPointF CentroDeLaTinta(const QImage& imagen, QPointF centro)
{
    const double escala = imagen.devicePixelRatio() / TwipsPorPixel;
    const QPointF c = centro * escala;
    const double radio = (110 - 25) * escala; // clear of the outline
    QRectF caja;
    for (int y = int(c.y() - radio); y <= int(c.y() + radio); ++y)
        for (int x = int(c.x() - radio); x <= int(c.x() + radio); ++x)
            if (QLineF(c, QPointF(x + 0.5, y + 0.5)).length() < radio && qGray(imagen.pixel(x, y)) < 128)
                caja |= QRectF(x, y, 1, 1);
    return caja.isNull() ? QPointF(-1, -1) : caja.center() / escala;
}

// An image is a picture of the screen: 15 twips a pixel whatever resolution it carries, times its pixel
// ratio.
TEST(LienzoImagen, LosNumerosQuedanCentradosEnSusCirculosConCualquierResolucion)
{
    std::vector<QPoint> posiciones;
    for (int v = 1; v <= 12; ++v)
        posiciones.push_back({600 + 700 * ((v - 1) % 6), 1000 + 1500 * ((v - 1) / 6)});
    QImage imagen = Imagen(4);
    EXPECT_TRUE(LienzoImagen(imagen).Ancho() == 9000 && LienzoImagen(imagen).Alto() == 6000);
    imagen.fill(Qt::darkGray); // Limpiar must whiten it
    Pintar(imagen, posiciones);
    EXPECT_EQ(imagen.pixel(5, 5), qRgb(255, 255, 255));
    for (int v : {1, 9, 10, 12}) // within 2 screen pixels of the centre, both ways
        EsperarPunto(CentroDeLaTinta(imagen, posiciones[v - 1]), posiciones[v - 1], 2 * TwipsPorPixel);

    QImage otra = Imagen(4, 120);
    Pintar(otra, posiciones);
    otra.setDotsPerMeterX(imagen.dotsPerMeterX());
    otra.setDotsPerMeterY(imagen.dotsPerMeterY());
    EXPECT_EQ(otra, imagen);
}

TEST(LienzoImagen, LaPlumaInversoraSeDeshaceASiMisma)
{
    QImage imagen = Imagen(1);
    Pintar(imagen, {{1500, 1500}, {4500, 3000}});
    const QImage antes = imagen.copy();
    LienzoImagen lienzo(imagen);
    lienzo.PonerModoPluma(Lienzo::Pluma::Invertir);
    lienzo.PonerAnchoLinea(2);
    for (int vez = 1; vez <= 2; ++vez) {
        lienzo.Linea({700, 4000}, {6000, 800});
        lienzo.Circulo({1500, 1500}, 400, std::nullopt);
        lienzo.Terminar();
        EXPECT_EQ(imagen == antes, vez == 2) << vez;
    }
}

// What the work area remembers draws the very same picture again — colours, widths, fills, a drag drawn and
// undone with the inverting pen — and the same places at three times the pixels; a clearing forgets the past.
TEST(LienzoMemoria, RepiteElDibujoIgualYNitido)
{
    QImage pantalla = Imagen(1);
    LienzoImagen sobrePantalla(pantalla);
    LienzoMemoria memoria(sobrePantalla);
    EscenaDibujo e("Ponderado", {{1500, 1500}, {4500, 3000}, {7000, 1200}});
    e.Arista(1, 2, 120);
    Dibujo dibujo(e.grafo, memoria, e.seleccion, e.desdeMenu);
    memoria.Limpiar();
    dibujo.DibujarGrafo(0);
    memoria.PonerColorFrente(QColor(128, 0, 0));
    memoria.PonerAnchoLinea(3);
    memoria.Linea({1500, 1500}, {4500, 3000});
    memoria.Circulo({7000, 1200}, 110, QColor(0, 0, 255));
    memoria.PonerModoPluma(Lienzo::Pluma::Invertir);
    for (int vez = 0; vez < 2; ++vez)
        memoria.Linea({700, 4000}, {6000, 800});
    memoria.PonerModoPluma(Lienzo::Pluma::Copiar);
    sobrePantalla.Terminar();

    // What the memory draws again on a darkened image of this pixel ratio.
    const auto repetida = [&memoria](double ratio) {
        QImage imagen = Imagen(ratio);
        imagen.fill(Qt::darkGray);
        LienzoImagen lienzo(imagen);
        memoria.Repetir(lienzo);
        lienzo.Terminar();
        return imagen;
    };
    EXPECT_EQ(repetida(1), pantalla);
    const QImage nitida = repetida(3);
    EXPECT_EQ(nitida.pixel(7000 / 5, 1200 / 5), qRgb(0, 0, 255)) << "el relleno, en su sitio";
    EXPECT_EQ(nitida.pixel(3000 / 5, 2250 / 5), qRgb(128, 0, 0)) << "la arista resaltada";
    memoria.Limpiar();
    const QImage vacia = repetida(1);
    EXPECT_EQ(vacia, Imagen(1));
}

} // namespace

// The erasing pen takes a shape out whatever colours and widths it was drawn in, and the picture is then
// exactly the drawing without it, crossing lines and covering circles included.
TEST(LienzoMemoria, LoBorradoQuedaComoSiNuncaSeHubieraDibujado)
{
    const std::vector<QPoint> posiciones{{1500, 1500}, {7500, 4500}, {4500, 1200}, {4500, 4800}, {4400, 3000}};
    const auto pintar = [&](QImage& imagen, bool conArista, bool borrar) {
        EscenaDibujo e("Simple", posiciones, {{3, 4}, {3, 5}});
        if (conArista)
            e.Arista(1, 2);
        LienzoImagen lienzo(imagen);
        LienzoMemoria memoria(lienzo);
        Dibujo dibujo(e.grafo, memoria, e.seleccion, e.desdeMenu);
        memoria.Limpiar();
        dibujo.DibujarGrafo(0);
        memoria.PonerAnchoLinea(2);
        if (conArista)
            dibujo.DibujarArista(1, 2, Qt::red, 0, 0, 0);
        memoria.PonerModoPluma(Lienzo::Pluma::Borrar);
        if (borrar)
            dibujo.DibujarArista(1, 2, Qt::black, 0, 0, 0);
        memoria.Reponer();
    };
    QImage borrada = Imagen(1), sin = Imagen(1);
    pintar(borrada, true, true);
    pintar(sin, false, false);
    EXPECT_TRUE(borrada == sin);
}

// The complete graph on 50 vertices in a maximized work area, weighted or not, with a highlight, wide lines
// painted twice and a dragged line: the image's surface (confined to the image) and three bands painted at once,
// also a second time from the wide lines they kept, leave the very bytes of a painter over a pixmap, which draws
// as Qt always does.
TEST(LienzoBandas, PintanLoMismoQueUnSoloPintor)
{
    for (const char* tipo : {"Simple", "Ponderado"}) {
        std::vector<QPoint> posiciones;
        std::vector<Arista> aristas;
        std::mt19937 azar(50);
        for (int v = 1; v <= 50; ++v) {
            const double a = 2 * std::numbers::pi * v / 50;
            posiciones.emplace_back(int(14302 + 13702 * std::cos(a)), int(6382 + 5782 * std::sin(a)));
            for (int w = 1; w < v; ++w)
                aristas.push_back({w, v, std::int16_t(azar() % 999 + 1)});
        }
        EscenaDibujo e(tipo, posiciones, aristas);
        const auto pintar = [&](auto&& lienzo) {
            Dibujo dibujo(e.grafo, lienzo, e.seleccion, e.desdeMenu);
            lienzo.PonerModoPluma(Lienzo::Pluma::Copiar); // as the last time left it
            lienzo.Limpiar();
            dibujo.DibujarGrafo(0);
            dibujo.DibujarArista(3, 30, Qt::red, 0, 0, 0);
            dibujo.PintarVertice(7, 2);
            // Wide lines, as the runs draw them: coloured, taken away, clipped.
            lienzo.PonerAnchoLinea(2);
            for (int v = 2; v <= 50; v += 3)
                dibujo.DibujarArista(1, v, dibujo.Color(v % 15 + 1), 0, 0, 0);
            lienzo.PonerModoPluma(Lienzo::Pluma::Borrar);
            lienzo.Linea({900, 900}, {20000, 11000});
            lienzo.PonerModoPluma(Lienzo::Pluma::Copiar);
            lienzo.Recortar(QRectF(3000, 2000, 9000, 5000));
            dibujo.DibujarArista(5, 40, Qt::blue, 0, 0, 0);
            lienzo.Recortar(std::nullopt);
            // Painted again, as a block's edges are from their other end:
            // out of the clip too, and in other colours.
            dibujo.DibujarArista(40, 5, Qt::darkGreen, 0, 0, 0);
            for (int v = 2; v <= 50; v += 3)
                dibujo.DibujarArista(v, 1, dibujo.Color(v % 7 + 1), 0, 0, 0);
            lienzo.PonerAnchoLinea(6);
            for (const Qt::GlobalColor color : {Qt::magenta, Qt::darkCyan}) { // past either side of the image
                lienzo.PonerColorFrente(color);
                lienzo.Linea({-3000, 1000}, {4000, 9000});
                lienzo.Linea({27000, -2000}, {29500, 14000});
            }
            lienzo.PonerColorFrente(QColor(0, 0, 255, 100)); // see-through: only the painter blends it
            lienzo.Linea({-3000, 1000}, {4000, 9000});
            lienzo.PonerAnchoLinea(1);
            lienzo.PonerModoPluma(Lienzo::Pluma::Invertir);
            lienzo.Linea({700, 4000}, {26000, 800});
        };
        QPixmap pixmap(1907, 851);
        LienzoImagen sobrePixmap(pixmap);
        pintar(sobrePixmap);
        sobrePixmap.Terminar();
        const QImage esperada = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
        QImage unaVez(pixmap.size(), QImage::Format_RGB32), bandas(pixmap.size(), QImage::Format_RGB32);
        pintar(LienzoImagen(unaVez));
        LienzoBandas enBandas(bandas, 3);
        enBandas.Anticipar(Dibujo(e.grafo, enBandas, e.seleccion, e.desdeMenu).LineasDeAristas(2));
        pintar(enBandas);
        enBandas.Terminar();
        EXPECT_TRUE(unaVez == esperada) << tipo;
        EXPECT_TRUE(bandas == esperada) << tipo;
        // Again: every wide line is now one the bands have kept, and the
        // edges worked out beforehand since are cut short.
        bandas.fill(Qt::black);
        pintar(enBandas);
        enBandas.Terminar();
        EXPECT_TRUE(bandas == esperada) << tipo;
    }
}

// A run marking every edge of K50 wide, some past the image's right side, with what was worked out
// beforehand: the same bytes as a single painter, and nothing new to keep.
TEST(LienzoBandas, LoAnticipadoPintaLoMismoSinCalcularOtraVez)
{
    std::vector<QPoint> posiciones;
    std::vector<Arista> aristas;
    for (int v = 1; v <= 50; ++v) {
        const double a = 2 * std::numbers::pi * v / 50;
        // The last vertex lies right of the image: its edges leave it there.
        posiciones.emplace_back(v == 50 ? 31000 : int(14302 + 13702 * std::cos(a)), int(6382 + 5782 * std::sin(a)));
        for (int w = 1; w < v; ++w)
            aristas.push_back({w, v, 1});
    }
    EscenaDibujo e("Simple", posiciones, aristas);
    const auto marcar = [&](auto&& lienzo) {
        Dibujo dibujo(e.grafo, lienzo, e.seleccion, e.desdeMenu);
        lienzo.PonerAnchoLinea(2);
        for (const Arista& arista : aristas) // from either end: an edge is drawn from its smaller one
            dibujo.DibujarArista(arista.b, arista.a, dibujo.Color(arista.a % 15 + 1), 0, 1, 0);
    };
    QImage esperada(1907, 851, QImage::Format_RGB32), previstas(esperada.size(), QImage::Format_RGB32);
    esperada.fill(Qt::white);
    previstas.fill(Qt::white);
    marcar(LienzoImagen(esperada));
    LienzoBandas bandas(previstas, 2);
    bandas.Anticipar(Dibujo(e.grafo, bandas, e.seleccion, e.desdeMenu).LineasDeAristas(2));
    bandas.EsperarAnticipo();
    const std::size_t hecho = bandas.Recordado();
    EXPECT_GT(hecho, 0u);
    marcar(bandas);
    bandas.Terminar();
    EXPECT_TRUE(previstas == esperada);
    EXPECT_EQ(bandas.Recordado(), hecho);
}

// Kept lines fill one half of the budget, then it becomes the older half and the oldest go; a line used again
// moves to the newer half and stays.
TEST(MemoriaLineas, GuardaHastaSuMedidaYConservaLoQueSeUsa)
{
    const auto clave = [](double x) { return MemoriaLineas::Clave(QLineF(x, 0, x, 100), 2, QRect(0, 0, 50, 50)); };
    const auto linea = [] {
        MemoriaLineas::Recordada r;
        r.aMano = true;
        r.cobertura.Reservar(0, 1000);
        return r;
    };
    MemoriaLineas memoria(4 * 1200); // two lines a half
    for (const double x : {1, 2, 3}) // the third starts a new half
        memoria.Guardar(clave(x), linea());
    ASSERT_NE(memoria.Buscar(clave(1)), nullptr);
    memoria.Guardar(clave(4), linea()); // 2 goes; 1 was used, and stays
    EXPECT_EQ(memoria.Buscar(clave(2)), nullptr);
    for (const double x : {1, 3, 4})
        EXPECT_NE(memoria.Buscar(clave(x)), nullptr) << x;
    EXPECT_LE(memoria.Bytes(), 4u * 1200);
    EXPECT_EQ(memoria.Buscar(MemoriaLineas::Clave(QLineF(1, 0, 1, 100), 2, QRect(0, 0, 50, 49))), nullptr);
}
