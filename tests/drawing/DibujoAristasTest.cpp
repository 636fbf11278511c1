// Edges and arcs as the recording surface sees them: where the lines run,
// where weights go, which colour and width each piece takes.
#include <QLineF>
#include <gtest/gtest.h>

#include "drawing/GeometriaArista.h"
#include "support/EscenaDibujo.h"

namespace {

const QColor Granate(192, 0, 0);

TEST(DibujoRumbo, SeMideEnSentidoHorarioDesdeArriba)
{
    struct Fila {
        const char* nombre;
        QPointF desde, hasta;
        double rumbo;
    } filas[] = {
        // A horizontal takes the slope 180, hence the odd third decimal.
        {"derecha", {1000, 1000}, {3000, 1000}, 90.318},
        {"izquierda", {3000, 1000}, {1000, 1000}, 270.318},
        {"abajo", {1000, 1000}, {1000, 3000}, 180},
        {"arriba", {1000, 3000}, {1000, 1000}, 0},
        {"abajo-derecha", {1000, 1000}, {3000, 3000}, 135},
        {"arriba-derecha", {1000, 3000}, {3000, 1000}, 45},
        {"abajo-izquierda", {3000, 1000}, {1000, 3000}, 225},
        {"arriba-izquierda", {3000, 3000}, {1000, 1000}, 315},
    };
    for (const Fila& f : filas) {
        SCOPED_TRACE(f.nombre);
        EXPECT_NEAR(GeometriaArista::Rumbo(f.desde.x(), f.desde.y(), f.hasta.x(), f.hasta.y()), f.rumbo,
                    0.001);
    }
}

TEST(DibujoArista, HorizontalVaDeBordeABordeDeLosCirculos)
{
    EscenaDibujo e("Simple", {{1000, 1000}, {3000, 1000}});
    e.Arista(1, 2);
    e.dibujo.DibujarArista(1, 2, Qt::black, 0, 0, 0);
    ASSERT_EQ(e.lienzo.primitivas.size(), 1u);
    const Primitiva& linea = e.lienzo.primitivas[0];
    ASSERT_EQ(linea.tipo, Primitiva::Tipo::Linea);
    EsperarPunto(linea.a, {1110, 1000}, 1);
    EsperarPunto(linea.b, {2890, 1000}, 1);
    EXPECT_EQ(linea.color, QColor(Qt::black));
}

TEST(DibujoArista, ArcoHaciaAbajoLlevaMediaPuntaEnSuDestino)
{
    EscenaDibujo e("Digrafo", {{1000, 1000}, {1000, 3000}});
    e.Arista(1, 2);
    e.lienzo.PonerAnchoLinea(2);
    e.dibujo.DibujarArista(1, 2, Granate, 0, 0, 0);
    const auto lineas = e.lienzo.Lineas();
    ASSERT_EQ(lineas.size(), 2u);
    // The head: 300 twips out at 180 + 65 degrees, ending on the circle.
    EsperarPunto(lineas[0].a, {1000 + 300 * -0.42262, 3000 + 300 * -0.90631});
    EsperarPunto(lineas[0].b, {1000, 2890});
    EsperarPunto(lineas[1].a, {1000, 1110});
    EsperarPunto(lineas[1].b, {1000, 2890});
    for (const Primitiva& l : lineas) {
        EXPECT_EQ(l.color, Granate);
        EXPECT_EQ(l.ancho, 2);
    }
}

TEST(DibujoArista, LaPuntaDelArcoContrarioEsFinaYNegraFueraDeUnaEjecucion)
{
    struct Fila {
        const char* nombre;
        bool desdeMenu;
        std::int16_t seleccionada, bajoCursor;
        QColor punta;
    } filas[] = {
        {"editando, arco contrario seleccionado", false, 201, 0, Qt::black},
        {"editando, sin marcas", false, 0, 0, Qt::black},
        {"ejecucion, seleccionado", true, 201, 0, Qt::blue},
        {"ejecucion, bajo el cursor", true, 0, 201, Qt::red},
        {"ejecucion, sin marcas", true, 0, 0, Granate},
        {"ejecucion, solo el arco dibujado marcado", true, 102, 0, Granate},
    };
    for (const Fila& f : filas) {
        SCOPED_TRACE(f.nombre);
        EscenaDibujo e("Digrafo", {{1000, 1000}, {1000, 3000}});
        e.Arista(1, 2);
        e.Arista(2, 1);
        e.desdeMenu = f.desdeMenu;
        e.seleccion.AristaSeleccionada = f.seleccionada;
        e.seleccion.AristaBajoCursor = f.bajoCursor;
        e.lienzo.PonerAnchoLinea(2);
        e.dibujo.DibujarArista(1, 2, Granate, 0, 0, 0);
        const auto lineas = e.lienzo.Lineas();
        ASSERT_EQ(lineas.size(), 3u);
        const Primitiva& punta = lineas[2];
        EsperarPunto(punta.a, {1000 + 300 * 0.42262, 1000 + 300 * 0.90631});
        EsperarPunto(punta.b, lineas[1].a, 0.01); // ends where the line starts
        EXPECT_EQ(punta.color, f.punta);
        EXPECT_EQ(punta.ancho, 1);
        EXPECT_EQ(e.lienzo.AnchoLinea(), 2) << "the caller's width comes back";
    }
}

TEST(DibujoArista, DeUnVerticeASiMismoNoDibujaNada)
{
    EscenaDibujo e("Digrafo_Ponderado", {{1000, 1000}, {2000, 2000}, {3000, 1000}});
    e.Arista(3, 3, 40);
    e.dibujo.DibujarArista(3, 3, Qt::black, 5, 0, 1);
    EXPECT_TRUE(e.lienzo.primitivas.empty());
}

bool MismoDibujo(const std::vector<Primitiva>& x, const std::vector<Primitiva>& y)
{
    if (x.size() != y.size())
        return false;
    for (size_t i = 0; i < x.size(); ++i)
        if (x[i].tipo != y[i].tipo || x[i].a != y[i].a || x[i].b != y[i].b || x[i].texto != y[i].texto)
            return false;
    return true;
}

TEST(DibujoArista, UnaAristaSinDireccionSeDibujaDesdeSuVerticeMenorSalvoEnModoDos)
{
    EscenaDibujo e("Ponderado", {{1000, 1000}, {1500, 4000}, {3000, 1000}, {4000, 4000}, {5000, 2000}});
    e.Arista(2, 5, 140);
    e.dibujo.DibujarArista(2, 5, Qt::black, 0, 0, 0);
    const auto directo = e.lienzo.primitivas;
    e.lienzo.Olvidar();
    e.dibujo.DibujarArista(5, 2, Qt::black, 0, 0, 0);
    EXPECT_TRUE(MismoDibujo(e.lienzo.primitivas, directo));

    for (const int modo : {1, 2}) {
        e.lienzo.Olvidar();
        e.dibujo.DibujarArista(5, 2, Qt::black, 0, 0, modo);
        const QPointF inicio = e.lienzo.Lineas().at(0).a;
        const bool desdeCinco = QLineF(inicio, QPointF(5000, 2000)).length() < 200;
        EXPECT_EQ(desdeCinco, modo == 2) << "modo " << modo;
    }
}

TEST(DibujoArista, UnArcoConservaSuSentido)
{
    EscenaDibujo e("Digrafo", {{1000, 1000}, {3000, 1000}});
    e.Arista(2, 1);
    e.dibujo.DibujarArista(2, 1, Qt::black, 0, 0, 0);
    EsperarPunto(e.lienzo.Lineas().at(1).a, {2890, 1000}, 1);
}

TEST(DibujoArista, ElPesoSeEscribeJuntoAlPuntoMedioSegunLaDireccion)
{
    struct Fila {
        const char* nombre;
        QPoint u, v;
        std::int16_t peso, etiqueta;
        QPointF esquina;
        QString texto;
    } filas[] = {
        {"abajo-izquierda, tres cifras", {3000, 1000}, {1000, 3000}, 150, 0, {1520, 1880}, " 150"},
        {"abajo-izquierda, dos cifras", {3000, 1000}, {1000, 3000}, 50, 0, {1730, 1880}, " 50"},
        {"negativo ancho", {3000, 1000}, {1000, 3000}, -150, 0, {1520, 1880}, "-150"},
        {"una etiqueta nunca es ancha", {3000, 1000}, {1000, 3000}, 150, 150, {1730, 1880}, " 150"},
        {"la etiqueta sustituye al peso", {3000, 1000}, {1000, 3000}, 50, 7, {1730, 1880}, " 7"},
        {"abajo-izquierda, poco a la izquierda", {2000, 1000}, {1000, 3000}, 50, 0, {1230, 2000}, " 50"},
        {"abajo-derecha", {1000, 1000}, {3000, 3000}, 50, 0, {1830, 2000}, " 50"},
        {"arriba-derecha", {1000, 3000}, {3000, 1000}, 50, 0, {2120, 2000}, " 50"},
        {"arriba-izquierda", {3000, 3000}, {1000, 1000}, 50, 0, {2050, 1820}, " 50"},
        {"casi horizontal", {1000, 1000}, {3000, 1200}, 50, 0, {1830, 1130}, " 50"},
        {"horizontal hacia la izquierda", {3000, 1000}, {1000, 1000}, 50, 0, {2050, 800}, " 50"},
        {"casi vertical bajando", {1000, 1000}, {1200, 3000}, 150, 0, {720, 2000}, " 150"},
        {"casi vertical subiendo", {1000, 3000}, {1100, 1000}, 50, 0, {1120, 2000}, " 50"},
    };
    for (const Fila& f : filas) {
        SCOPED_TRACE(f.nombre);
        EscenaDibujo e("Digrafo_Ponderado", {f.u, f.v});
        e.Arista(1, 2, f.peso);
        e.dibujo.DibujarArista(1, 2, Qt::black, f.etiqueta, 0, 0);
        const auto textos = e.lienzo.Textos();
        ASSERT_EQ(textos.size(), 1u);
        EXPECT_EQ(textos[0].texto, f.texto);
        EsperarPunto(textos[0].a, f.esquina, 0.01);
        EXPECT_EQ(textos[0].puntos, 7);
        EXPECT_FALSE(textos[0].negrita);
        EXPECT_EQ(textos[0].color, QColor(Qt::black));
    }
}

TEST(DibujoArista, ElPesoSoloSeEscribeEnGrafosPonderadosYSinArrastre)
{
    struct Fila {
        const char* nombre;
        const char* tipo;
        bool moviendo;
        std::int16_t etiqueta, sinPeso;
        QString texto; // "" when nothing is written
    } filas[] = {
        {"simple", "Simple", false, 0, 0, ""},
        {"simple con etiqueta", "Simple", false, 7, 0, " 7"},
        {"digrafo con etiqueta", "Digrafo", false, 7, 1, " 7"},
        {"ponderado", "Ponderado", false, 0, 0, " 40"},
        {"ponderado sin peso", "Ponderado", false, 0, 1, ""},
        {"ponderado sin peso con etiqueta", "Ponderado", false, 3, 1, " 3"},
        {"arrastrando", "Ponderado", true, 0, 0, ""},
        {"arrastrando con etiqueta", "Digrafo_Ponderado", true, 4, 0, " 4"},
    };
    for (const Fila& f : filas) {
        SCOPED_TRACE(f.nombre);
        EscenaDibujo e(f.tipo, {{1000, 1000}, {3000, 2000}});
        e.Arista(1, 2, e.grafo.Ponderado() ? 40 : 1);
        e.seleccion.Moviendo = f.moviendo;
        e.dibujo.DibujarArista(1, 2, Qt::black, f.etiqueta, f.sinPeso, 0);
        const auto textos = e.lienzo.Textos();
        ASSERT_EQ(textos.size(), f.texto.isEmpty() ? 0u : 1u);
        if (!textos.empty()) {
            EXPECT_EQ(textos[0].texto, f.texto);
        }
    }
}

TEST(DibujoArista, LaSeleccionYElCursorTinenLaLinea)
{
    struct Fila {
        const char* nombre;
        std::int16_t seleccionada, bajoCursor;
        QColor color;
    } filas[] = {
        {"sin marcas", 0, 0, Granate},
        {"seleccionada", 102, 0, Qt::blue},
        {"bajo el cursor", 0, 102, Qt::red},
        {"la seleccion gana al cursor", 102, 102, Qt::blue},
        {"otra arista marcada", 103, 203, Granate},
    };
    for (const Fila& f : filas) {
        SCOPED_TRACE(f.nombre);
        EscenaDibujo e("Simple", {{1000, 1000}, {3000, 1000}, {2000, 3000}});
        e.Arista(1, 2);
        e.seleccion.AristaSeleccionada = f.seleccionada;
        e.seleccion.AristaBajoCursor = f.bajoCursor;
        e.dibujo.DibujarArista(2, 1, Granate, 0, 0, 0); // named backwards: code 102 still
        ASSERT_EQ(e.lienzo.Lineas().size(), 1u);
        EXPECT_EQ(e.lienzo.Lineas()[0].color, f.color);
    }
}

TEST(DibujoArista, ElModoParaleloApartaLaLineaPeroNoLaPunta)
{
    struct Fila {
        const char* nombre;
        QPoint u, v;
        int modo;
        QPointF apartado;
    } filas[] = {
        {"vertical, modo 1", {1000, 1000}, {1000, 3000}, 1, {25, 0}},
        {"vertical, modo 2", {1000, 1000}, {1000, 3000}, 2, {-25, 0}},
        {"horizontal, modo 1", {1000, 1000}, {3000, 1000}, 1, {0, -25}},
        {"horizontal, modo 2", {1000, 1000}, {3000, 1000}, 2, {0, 25}},
        {"diagonal", {1000, 1000}, {3000, 3000}, 1, {0, -25}},
        {"empinada a la derecha", {1000, 1000}, {1300, 3000}, 1, {25, 0}},
        {"empinada a la izquierda", {1300, 1000}, {1000, 3000}, 1, {-25, 0}},
        {"empinada a la izquierda, modo 2", {1300, 1000}, {1000, 3000}, 2, {25, 0}},
    };
    for (const Fila& f : filas) {
        SCOPED_TRACE(f.nombre);
        EscenaDibujo e("Digrafo", {f.u, f.v});
        e.Arista(1, 2);
        e.dibujo.DibujarArista(1, 2, Qt::black, 0, 0, 0);
        const auto centrada = e.lienzo.Lineas();
        e.lienzo.Olvidar();
        e.dibujo.DibujarArista(1, 2, Qt::black, 0, 0, f.modo);
        const auto apartada = e.lienzo.Lineas();
        ASSERT_EQ(apartada.size(), 2u);
        EXPECT_EQ(apartada[0].a, centrada[0].a);
        EXPECT_EQ(apartada[0].b, centrada[0].b);
        EsperarPunto(apartada[1].a - centrada[1].a, f.apartado, 1e-9);
        EsperarPunto(apartada[1].b - centrada[1].b, f.apartado, 1e-9);
    }
}

} // namespace
