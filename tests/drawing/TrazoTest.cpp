// A line painted by hand, thin or wide, must leave every pixel exactly as QPainter leaves it: the oracle is Qt itself,
// on random lines over random pixels (so that every blend shows), in and out of the image and of the clip.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <random>

#include "drawing/TrazoFino.h"
#include "drawing/TrazoGrueso.h"

namespace {

bool Trazar(QImage& imagen, const QRect& recorte, const QLineF& linea, double ancho, QRgb color)
{
    return ancho == 1 ? TrazarLineaFina(imagen, recorte, linea, color)
                      : TrazarLineaGruesa(imagen, recorte, linea, ancho, color);
}

} // namespace

TEST(Trazo, DejaLosMismosPixelesQueElPintor)
{
    std::mt19937 azar(2026);
    const auto real = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(azar); };
    const auto entero = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(azar); };
    constexpr int Ancho = 160, Alto = 120;
    int pintadas = 0;
    for (int caso = 0; caso < 2000; ++caso) {
        QImage esperada(Ancho, Alto, caso % 2 ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < Alto; ++y)
            for (int x = 0; x < Ancho; ++x)
                esperada.setPixel(x, y, azar() | 0xff000000u);
        QImage obtenida = esperada.copy();
        QLineF linea(real(-30, Ancho + 30), real(-30, Alto + 30), real(-30, Ancho + 30), real(-30, Alto + 30));
        switch (caso % 5) { // short, vertical, horizontal, on pixel centres, any
        case 0: linea.setP2(linea.p1() + QPointF(real(-3, 3), real(-3, 3)) / (caso % 10 ? 1 : 3)); break;
        case 1: linea.setP2({linea.x1(), linea.y2()}); break;
        case 2: linea.setP2({linea.x2(), linea.y1()}); break;
        case 3: linea = QLineF(QLine(linea.p1().toPoint(), linea.p2().toPoint())).translated(0.5, 0.5); break;
        }
        QRect recorte = esperada.rect();
        if (caso % 3 == 1)
            recorte = QRect(entero(-10, Ancho), entero(-10, Alto), entero(1, Ancho), entero(1, Alto));
        else if (caso % 3 == 2) // a band of whole rows, as the work area is painted
            recorte = QRect(0, entero(0, Alto - 1), Ancho, entero(1, Alto / 2));
        const double ancho = entero(1, 4);
        const QRgb color = azar() | 0xff000000u;
        QPainter pintor(&esperada);
        pintor.setRenderHint(QPainter::Antialiasing);
        pintor.setClipRect(QRectF(recorte));
        QPen pluma(QColor::fromRgb(color), ancho);
        pluma.setCapStyle(Qt::RoundCap);
        pintor.setPen(pluma);
        pintor.drawLine(linea);
        pintor.end();
        if (!Trazar(obtenida, recorte, linea, ancho, color))
            continue;
        ++pintadas;
        ASSERT_TRUE(obtenida == esperada) << "caso " << caso << ": " << linea.x1() << ", " << linea.y1() << " - "
                                          << linea.x2() << ", " << linea.y2() << " de " << ancho;
    }
    EXPECT_GT(pintadas, 1900);
    QImage imagen(10, 10, QImage::Format_RGB32);
    EXPECT_FALSE(TrazarLineaGruesa(imagen, imagen.rect(), QLineF(1, 1, 1, 1), 2, 0xff000000u));
    EXPECT_FALSE(TrazarLineaGruesa(imagen, imagen.rect(), QLineF(1, 1, 5, 5), 2, 0x80000000u));
    EXPECT_FALSE(TrazarLineaGruesa(imagen, imagen.rect(), QLineF(1, 1, 5, 40000), 2, 0xff000000u));
    EXPECT_FALSE(TrazarLineaFina(imagen, imagen.rect(), QLineF(1, 1, 1, 1), 0xff000000u));
    EXPECT_FALSE(TrazarLineaFina(imagen, imagen.rect(), QLineF(1, 1, 5, 5), 0x80000000u));
}
