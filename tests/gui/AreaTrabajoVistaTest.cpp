// The mouse on the work area of a graph of 50 vertices, complete but for the edge 1-2 (so edges can still be
// added), through the window's own events: what the picture shows during and after an edit.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <cmath>
#include <numbers>

#include "files/Escritor.h"
#include "gui/PrincipalVista.h"
#include "support/CarpetaPrueba.h"
#include "support/InteraccionGuion.h"

namespace {

constexpr int Twips = 15;

struct VentanaK50 {
    CarpetaPrueba carpeta;
    InteraccionGuion persona;
    PrincipalVista vista{persona};

    explicit VentanaK50(const char* tipo = "Simple")
    {
        vista.show();
        vista.resize(1000, 800);
        Principal& p = vista.principal();
        p.grafo().InsertarTipo(tipo);
        p.Iniciar_trabajo();
        p.Vista().check1Marcado = true; // random weights
        Grafo& g = p.grafo();
        g.Insertar_Dimension(50, false);
        for (int v = 1; v <= 50; ++v) {
            const double a = 2 * std::numbers::pi * v / 50;
            g.InsertarPosicionX(v, std::int16_t(4500 + 3000 * std::cos(a)));
            g.InsertarPosicionY(v, std::int16_t(3600 + 3000 * std::sin(a)));
            for (int w = 1; w < v; ++w)
                if (v != 2)
                    g.AñadirArista(v, w);
        }
        // Opened from a file, so the window offers what a graph of 50 vertices allows.
        persona.respuestas.push_back(Respuesta::Si); // the drawn one goes
        EXPECT_TRUE(p.AbrirArchivo(carpeta.Fichero("k50.grf", TextoGrafo(g))));
        p.Redibujar();
        vista.Refrescar();
    }
    QWidget* Area() { return vista.findChild<QWidget*>(QStringLiteral("Area_trabajo")); }
    QPoint En(int v)
    {
        const Grafo& g = vista.principal().grafo();
        return QPoint(g.Posic_CoordX(v), g.Posic_CoordY(v)) / Twips;
    }
    QImage Imagen() { return vista.principal().Area().Imagen().copy(); }
    QImage Redibujada()
    {
        vista.principal().Redibujar();
        return Imagen();
    }
    // Press on vertex v, then the pointer to `hasta` in `pasos` moves; the picture before the release.
    QImage Arrastrar(int v, QPoint hasta, int pasos)
    {
        const QPoint desde = En(v);
        Mover(desde, Qt::NoButton);
        QTest::mousePress(Area(), Qt::LeftButton, {}, desde);
        Mover(desde + QPoint(1, 0), Qt::LeftButton);
        for (int k = 1; k <= pasos; ++k)
            Mover(desde + (hasta - desde) * k / pasos, Qt::LeftButton);
        return Imagen();
    }
    // A pointer move with these buttons held, straight to the work area.
    void Mover(QPoint a, Qt::MouseButtons botones)
    {
        QMouseEvent e(QEvent::MouseMove, a, Area()->mapToGlobal(a), Qt::NoButton, botones, {});
        QApplication::sendEvent(Area(), &e);
    }
};

// Whether the dragged vertex's blue ring shows within its radius of c.
bool AnilloAzulEn(const QImage& imagen, QPoint c)
{
    for (int y = c.y() - 8; y <= c.y() + 8; ++y)
        for (int x = c.x() - 8; x <= c.x() + 8; ++x)
            if (const QColor k = imagen.pixelColor(x, y); k.blue() - k.red() > 120)
                return true;
    return false;
}

// The picture of a drag depends only on where the vertex is, not on the way it came: nothing is left behind, and
// the release leaves the picture a fresh drawing of the graph would show.
TEST(AreaTrabajoVista, ArrastrarUnVerticeNoDejaRastro)
{
    const QPoint destino(300, 240);
    VentanaK50 v;
    const QPoint origen = v.En(7);
    const QImage aPasos = v.Arrastrar(7, destino, 12);
    EXPECT_TRUE(aPasos == VentanaK50().Arrastrar(7, destino, 1));
    EXPECT_TRUE(AnilloAzulEn(aPasos, destino) && !AnilloAzulEn(aPasos, origen));
    QTest::mouseRelease(v.Area(), Qt::LeftButton, {}, destino);
    ASSERT_EQ(v.En(7), destino);
    const QImage soltado = v.Imagen();
    EXPECT_TRUE(soltado == v.Redibujada());
}

// An edge that loses its hover mark, to another edge or to nothing, leaves no tinge around its line, its weight or
// its ends: the picture is the one a fresh drawing of the graph would show.
TEST(AreaTrabajoVista, UnaAristaQueDejaDeMarcarseNoDejaHuella)
{
    VentanaK50 v("Ponderado");
    const QImage antes = v.Imagen();
    v.Mover((v.En(3) + v.En(20)) / 2, Qt::NoButton);
    ASSERT_FALSE(v.Imagen() == antes);
    v.Mover((v.En(5) + v.En(33)) / 2, Qt::NoButton);
    v.Mover(QPoint(2, 2), Qt::NoButton);
    const QImage despues = v.Imagen();
    EXPECT_TRUE(despues == v.Redibujada());
}

// A click on a vertex in the add-edge mode draws no rubber band, so it leaves nothing where the graph has no ink.
TEST(AreaTrabajoVista, UnClicSinArrastrarAlAñadirAristaNoDejaHuella)
{
    VentanaK50 v;
    v.Arrastrar(3, v.En(3) + QPoint(40, 30), 3); // an earlier drag leaves its ends behind
    QTest::mouseRelease(v.Area(), Qt::LeftButton, {}, v.En(3));
    v.vista.Accion(QStringLiteral("Añadir_Arista"))->trigger();
    const QImage antes = v.Imagen();
    QTest::mouseClick(v.Area(), Qt::LeftButton, {}, v.En(10));
    const QImage despues = v.Imagen();
    const QImage limpia = v.Redibujada();
    int fuera = 0;
    for (int y = 0; y < antes.height(); ++y)
        for (int x = 0; x < antes.width(); ++x)
            fuera += antes.pixel(x, y) != despues.pixel(x, y) && limpia.pixel(x, y) == qRgb(255, 255, 255);
    EXPECT_EQ(fuera, 0);
}

} // namespace
