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
    memoria.Reponer();
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
    const auto pintar = [&](bool conArista) {
        QImage imagen = Imagen(1);
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
        if (conArista)
            dibujo.DibujarArista(1, 2, Qt::black, 0, 0, 0);
        memoria.Reponer();
        return imagen;
    };
    EXPECT_TRUE(pintar(true) == pintar(false));
}

// The complete graph on 50 vertices in a maximized work area, weighted or not, with a highlight, wide lines,
// a clipped one and a dragged line: painted by one thread or by three, whole or a piece at a time, the image
// has the same bytes.
TEST(LienzoBandas, PintanLoMismoConCualquierNumeroDeHilosYPorTrozos)
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
        // A repaint confines the whole picture to its piece: the picture then confines nothing itself.
        const auto pintar = [&](Lienzo& lienzo, bool recortar) {
            Dibujo dibujo(e.grafo, lienzo, e.seleccion, e.desdeMenu);
            lienzo.PonerModoPluma(Lienzo::Pluma::Copiar); // as the last time left it
            lienzo.PonerAnchoLinea(1);
            lienzo.Limpiar();
            dibujo.DibujarGrafo(0);
            dibujo.PintarVertice(7, 2);
            lienzo.PonerAnchoLinea(2);
            for (int v = 2; v <= 50; v += 3)
                dibujo.DibujarArista(1, v, dibujo.Color(v % 15 + 1), 0, 0, 0);
            if (recortar)
                lienzo.Recortar(QRectF(3000, 2000, 9000, 5000));
            dibujo.DibujarArista(5, 40, Qt::blue, 0, 0, 0);
            if (recortar)
                lienzo.Recortar(std::nullopt);
            lienzo.PonerAnchoLinea(6);
            lienzo.PonerColorFrente(QColor(0, 0, 255, 100)); // see-through, past the image's left side
            lienzo.Linea({-3000, 1000}, {4000, 9000});
            lienzo.PonerAnchoLinea(1);
            lienzo.PonerModoPluma(Lienzo::Pluma::Invertir);
            lienzo.Linea({700, 4000}, {26000, 800});
        };
        // Painted whole, then each piece painted again as a repaint does.
        const auto enBandas = [&](int hilos, bool recortar, const std::vector<QRectF>& trozos = {}) {
            QImage imagen(1907, 851, QImage::Format_RGB32);
            LienzoBandas bandas(imagen, hilos);
            pintar(bandas, recortar);
            for (const QRectF zona : trozos) {
                bandas.Terminar();
                bandas.Recortar(zona);
                pintar(bandas, false);
                bandas.Recortar(std::nullopt);
            }
            bandas.Terminar();
            return imagen;
        };
        EXPECT_TRUE(enBandas(3, true) == enBandas(1, true)) << tipo;
        // Pieces of every size, some across the bands' edges.
        EXPECT_TRUE(enBandas(2, false,
                             {QRectF(100, 100, 300, 200), QRectF(5000, 1500, 9000, 2000), QRectF(0, 0, 28605, 12765),
                              QRectF(20000, 6000, 17, 4000)}) == enBandas(1, false))
            << tipo;
    }
}

// A line two pixels wide is as wide as the painter's pen, at any slope and scale: the ink across it, summed
// over a column (or a row, for a line nearer the horizontal), is its width over the cosine of its slope.
TEST(LienzoImagen, LasLineasAnchasTienenSuAnchura)
{
    for (const double ratio : {1.0, 2.0})
        for (const double grados : {0.0, 17.0, 45.0, 70.0, 90.0}) {
            QImage imagen = Imagen(ratio);
            LienzoImagen lienzo(imagen);
            lienzo.PonerAnchoLinea(2);
            const double a = grados * std::numbers::pi / 180;
            const QPointF centro(4500, 3000), brazo = QPointF(std::cos(a), std::sin(a)) * 2500;
            lienzo.Linea(centro - brazo, centro + brazo);
            lienzo.Terminar();
            const bool casiVertical = grados > 45;
            const QPoint medio = (centro / TwipsPorPixel * ratio).toPoint();
            double tinta = 0;
            for (int k = -30; k <= 30; ++k) {
                const QPoint p = casiVertical ? QPoint(medio.x() + k, medio.y()) : QPoint(medio.x(), medio.y() + k);
                tinta += (255 - qGray(imagen.pixel(p))) / 255.0;
            }
            const double esperada = 2 * ratio / std::max(std::abs(std::cos(a)), std::abs(std::sin(a)));
            EXPECT_NEAR(tinta, esperada, 0.15 * esperada) << ratio << " " << grados;
        }
}
