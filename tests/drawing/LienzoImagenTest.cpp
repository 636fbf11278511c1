// The real surface on a QImage: twips land on the right pixels at any pixel
// ratio, numbers sit inside their circles, the inverting pen undoes itself.
#include <QFontInfo>
#include <QImage>
#include <gtest/gtest.h>

#include "drawing/Dibujo.h"
#include "drawing/LienzoImagen.h"
#include "model/Grafo.h"
#include "model/Seleccion.h"
#include "support/EscenaDibujo.h"

namespace {

constexpr double TwipsPorPixel = 15;

QImage ImagenBlanca(QSize logico, double ratio, int dpi = 96)
{
    QImage imagen(logico * ratio, QImage::Format_RGB32);
    imagen.setDevicePixelRatio(ratio);
    imagen.setDotsPerMeterX(qRound(dpi / 0.0254));
    imagen.setDotsPerMeterY(qRound(dpi / 0.0254));
    imagen.fill(Qt::white);
    return imagen;
}

// The darkest grey among the device pixels around a point given in twips.
int MasOscuro(const QImage& imagen, QPointF twips)
{
    const QPoint c = (twips / TwipsPorPixel * imagen.devicePixelRatio()).toPoint();
    int minimo = 255;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (imagen.rect().contains(c + QPoint(dx, dy)))
                minimo = std::min(minimo, qGray(imagen.pixel(c + QPoint(dx, dy))));
    return minimo;
}

struct Mundo {
    Grafo grafo;
    Seleccion seleccion;
    bool desdeMenu = false;

    explicit Mundo(const std::vector<QPoint>& posiciones)
    {
        grafo.Insertar_Dimension(static_cast<std::int16_t>(posiciones.size()), false);
        for (int v = 1; v <= static_cast<int>(posiciones.size()); ++v) {
            grafo.InsertarPosicionX(v, static_cast<std::int16_t>(posiciones[v - 1].x()));
            grafo.InsertarPosicionY(v, static_cast<std::int16_t>(posiciones[v - 1].y()));
        }
    }
    void Pintar(QImage& imagen)
    {
        LienzoImagen lienzo(imagen);
        Dibujo dibujo(grafo, lienzo, seleccion, desdeMenu);
        lienzo.Limpiar();
        dibujo.DibujarGrafo(0);
    }
};

TEST(LienzoImagen, LosCirculosCaenDondeDicenLasPosiciones)
{
    Mundo m({{1500, 1500}, {4500, 1500}});
    m.grafo.InsertarMatriz(1, 2, 1);
    m.grafo.InsertarMatriz(2, 1, 1);
    // An image is a picture of the screen: 15 twips a pixel whatever
    // resolution it carries, times its pixel ratio.
    const struct {
        double ratio;
        int dpi;
    } casos[] = {{1, 96}, {2, 96}, {1, 120}, {2, 72}};
    for (const auto [ratio, dpi] : casos) {
        SCOPED_TRACE(testing::Message() << ratio << "x, " << dpi << " dpi");
        QImage imagen = ImagenBlanca({600, 400}, ratio, dpi);
        imagen.fill(Qt::darkGray); // Limpiar must whiten it
        m.Pintar(imagen);
        for (const QPointF centro : {QPointF(1500, 1500), QPointF(4500, 1500)}) {
            for (const double dy : {-110.0, 110.0})
                EXPECT_LT(MasOscuro(imagen, centro + QPointF(0, dy)), 110) << "on the circle";
            for (const double dy : {-165.0, 165.0})
                EXPECT_GT(MasOscuro(imagen, centro + QPointF(0, dy)), 245) << "outside it";
        }
        EXPECT_LT(MasOscuro(imagen, {3000, 1500}), 110) << "the edge between them";
        EXPECT_GT(MasOscuro(imagen, {3000, 3000}), 245) << "background";
    }
}

TEST(LienzoImagen, MideEnTwipsElDispositivo)
{
    for (const double ratio : {1.0, 2.0, 4.0}) {
        QImage imagen = ImagenBlanca({600, 400}, ratio);
        LienzoImagen lienzo(imagen);
        EXPECT_EQ(lienzo.Ancho(), 9000) << ratio;
        EXPECT_EQ(lienzo.Alto(), 6000) << ratio;
    }
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

TEST(LienzoImagen, LosNumerosQuedanCentradosEnSusCirculos)
{
    std::vector<QPoint> posiciones;
    for (int v = 1; v <= 12; ++v)
        posiciones.push_back({600 + 700 * ((v - 1) % 6), 1000 + 1500 * ((v - 1) / 6)});
    Mundo m(posiciones);
    QImage imagen = ImagenBlanca({600, 400}, 4);
    m.Pintar(imagen);
    for (int v : {1, 7, 9, 10, 12}) {
        SCOPED_TRACE(v);
        const QPointF centro = posiciones[v - 1];
        // Within 2 screen pixels of the centre, both ways.
        EsperarPunto(CentroDeLaTinta(imagen, centro), centro, 2 * TwipsPorPixel);
    }

    // The resolution an image carries changes nothing, text included.
    QImage otra = ImagenBlanca({600, 400}, 4, 120);
    m.Pintar(otra);
    otra.setDotsPerMeterX(imagen.dotsPerMeterX());
    otra.setDotsPerMeterY(imagen.dotsPerMeterY());
    EXPECT_EQ(otra, imagen);
}

TEST(LienzoImagen, LaPlumaInversoraSeDeshaceASiMisma)
{
    Mundo m({{1500, 1500}, {4500, 3000}});
    m.grafo.InsertarMatriz(1, 2, 1);
    m.grafo.InsertarMatriz(2, 1, 1);
    QImage imagen = ImagenBlanca({600, 400}, 1);
    m.Pintar(imagen);
    const QImage antes = imagen.copy();

    LienzoImagen lienzo(imagen);
    lienzo.PonerModoPluma(Lienzo::Pluma::Invertir);
    lienzo.PonerAnchoLinea(2);
    lienzo.Linea({700, 4000}, {6000, 800});
    lienzo.Circulo({1500, 1500}, 400, std::nullopt);
    lienzo.Terminar();
    EXPECT_NE(imagen, antes);
    lienzo.Linea({700, 4000}, {6000, 800});
    lienzo.Circulo({1500, 1500}, 400, std::nullopt);
    lienzo.Terminar();
    EXPECT_EQ(imagen, antes);
}

TEST(LienzoImagen, EscribeEnArialOEnSuGemelaMetrica)
{
    const QString familia = LienzoImagen::FamiliaFuente();
    EXPECT_TRUE(familia == "Arial" || familia == "Liberation Sans") << familia.toStdString();
    EXPECT_EQ(QFontInfo(QFont(familia)).family(), familia);
}

} // namespace
