// The colourings as the person sees them: the trace with its invisible padding, bold and colours, the palette on
// the drawing, each order's tie-breaks, the step window with Brelaz's panel, and the order clicked; and the four
// on seeded random simple graphs against orders and greedy colourings computed here another way.
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <map>
#include <numeric>
#include <random>
#include <set>
#include <tuple>

#include "algorithms/Coloracion.h"
#include "support/GrafoBoost.h"
#include "support/MundoEjecucion.h"

namespace {

const QColor Negro(Qt::black);
const QColor Azul(0, 0, 192);

// "~1, ~2, ..., b" as the lists show the numbers a..b, padding invisible.
QString Numeros(int a, int b)
{
    QStringList numeros;
    for (int v = a; v <= b; ++v)
        numeros << (v < 10 ? "~" : "") + QString::number(v);
    return numeros.join(", ");
}

struct Colorear : ::testing::Test, MundoEjecucion {
    Colorear() { persona.completo = true; }
    // n vertices, ten to a row 800 twips apart, with these edges.
    void Simple(int n, const Aristas& aristas = {})
    {
        std::vector<QPoint> filas;
        for (int v = 0; v < n; ++v)
            filas.emplace_back(500 + 800 * (v % 10), 500 + 800 * (v / 10));
        PonerGrafo(p.grafo(), "Simple", filas, aristas);
    }
    QString Correr(const QString& ejecucion)
    {
        p.IniciarAlgoritmo(ejecucion);
        return Visible(p.trazaPanel());
    }
    // The fill of the last disc drawn at vertex v.
    QColor Relleno(int v) const
    {
        QColor relleno;
        for (const Primitiva& c : lienzo.Circulos())
            if (c.a == QPointF(p.grafo().Posic_CoordX(v), p.grafo().Posic_CoordY(v)) && c.relleno)
                relleno = *c.relleno;
        return relleno;
    }
};

// Past 25 numbers a line goes on after an invisible indent.
TEST_F(Colorear, LaTrazaExactaConSuRellenoInvisibleYSusSangrias)
{
    Simple(1);
    Correr("Coloración Secuencial");
    // clang-format off
    EXPECT_EQ(Piezas(), (std::vector<Pieza>{
        {"Algoritmo Secuencial\r\n", true, Negro},
        {"\r\nOrden de Coloración : ", false, Negro}, {"_", true, FondoTraza}, {"1\r\n", true, Azul},
        {"\r\nColor 1", false, Negro}, {"_", false, FondoTraza}, {" : ", false, Negro},
        {"_", false, FondoTraza}, {"1", false, Negro},
        {"\r\n\r\nSe han usado ", false, Negro}, {"1", true, Negro}, {" colores con el ", false, Negro},
        {"Algoritmo Secuencial", true, Negro}, {".\r\n", false, Negro}}));
    // clang-format on
    const QTextDocument& d = p.text_peq();
    EXPECT_EQ(d.firstBlock().blockFormat().alignment(), Qt::AlignHCenter);
    EXPECT_EQ(d.firstBlock().next().blockFormat().alignment(), Qt::AlignLeft);
    EXPECT_TRUE(p.Vista().aceptarVisible && !p.Marco().EjecucionCompleta);
    p.Aceptar_Click();

    Simple(30);
    EXPECT_EQ(Correr("Coloración Secuencial"),
              "Algoritmo Secuencial\r\n\r\nOrden de Coloración : " + Numeros(1, 25) + ",\r\n" + QString(22, '~') +
                  Numeros(26, 30) + "\r\n\r\nColor 1~ : " + Numeros(1, 25) + ",\r\n" + QString(11, '~') +
                  Numeros(26, 30) +
                  "\r\n\r\nSe han usado 1 colores con el Algoritmo Secuencial.\r\n\r\nPresione ACEPTAR  para "
                  "continuar.");
}

// The bold characters of the trace's colour lines, by position.
std::vector<int> Negritas(const Traza& traza)
{
    std::vector<int> negritas;
    int desde = 0;
    for (int i = 1; i <= traza.NumFormatos(); ++i) {
        const FormatoTraza& f = traza.Formato(i);
        for (int j = 0; f.negrita && j < f.longitud; ++j)
            negritas.push_back(desde + j);
        desde += f.longitud;
    }
    return negritas;
}

TEST_F(Colorear, PasoAPasoSoloElUltimoPintadoVaEnNegritaYFinTerminaComoCompleto)
{
    Simple(12, {{1, 2}, {2, 3}});
    Correr("Coloración Secuencial");
    const QString completa = p.trazaPanel().Texto();
    std::vector<int> negritas = Negritas(p.trazaPanel());
    p.Aceptar_Click();

    persona.completo = false;
    // After each Continuar: the bold characters of the window's colour lines, and whether that vertex is painted
    // and the next one not yet.
    std::vector<QString> pasos;
    persona.coloracion = [&](BotonesColoracion& v) {
        for (int k = 1; k <= 11; ++k) {
            v.Continuar();
            const QString texto = v.Texto().toPlainText();
            QString negrita;
            for (qsizetype i = texto.indexOf("\nColor"); i < texto.size(); ++i) {
                QTextCursor c(&v.Texto());
                c.setPosition(int(i) + 1);
                if (c.charFormat().fontWeight() == QFont::Bold)
                    negrita += texto[i];
            }
            pasos.push_back(negrita);
            EXPECT_TRUE(Relleno(k) != Qt::white && Relleno(k + 1) == Qt::white) << k;
        }
        v.Terminar();
    };
    Correr("Coloración Secuencial");
    for (int k = 1; k <= 11; ++k)
        EXPECT_EQ(pasos[k - 1], QString::number(k));
    EXPECT_EQ(p.trazaPanel().Texto(), completa);
    // "Fin" paints the rest; only the last vertex, 12, stays bold.
    const int doce = int(completa.lastIndexOf("12"));
    negritas.insert(std::lower_bound(negritas.begin(), negritas.end(), doce), {doce, doce + 1});
    EXPECT_EQ(Negritas(p.trazaPanel()), negritas);
    // Two colours spread over the palette: entries 1 and 26, their numbers white and black.
    EXPECT_TRUE(Relleno(12) == QColor(213, 0, 0) && Relleno(1) == QColor(213, 0, 0));
    EXPECT_EQ(Relleno(2), QColor(43, 255, 255));
    std::map<QString, QColor> numeros;
    for (const Primitiva& t : lienzo.Textos())
        numeros[t.texto.trimmed()] = t.color;
    EXPECT_TRUE(numeros["1"] == Qt::white && numeros["2"] == Negro);
}

TEST_F(Colorear, ElPanelDeBrelazMuestraGradosYSaturacionTrasCadaPaso)
{
    // A 5-cycle colours 1, 2, 3, 4, 5 in that order with colours 1, 2, 1, 2, 3; vertex 5 lies past the work area
    // once the panel takes its room.
    Simple(5, {{1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 1}});
    p.grafo().InsertarPosicionX(5, 11000);
    const int ancho = p.Geometria().areaTrabajo.ancho;
    persona.completo = false;
    std::vector<std::vector<FilaBrelaz>> vistos;
    persona.coloracion = [&](BotonesColoracion& v) {
        EXPECT_EQ(p.Geometria().areaTrabajo.ancho, ancho - PanelBrelaz::Ancho);
        EXPECT_EQ(p.grafo().Posic_CoordX(5), ancho - PanelBrelaz::Ancho - 300);
        EXPECT_EQ(QString(v.Texto().toPlainText()), "Algoritmo de Brelaz\n");
        while (v.Panel()) {
            vistos.push_back(v.Panel()->Filas());
            v.Continuar();
        }
    };
    Correr("Coloración Brelaz");
    const auto fila = [](int saturacion, bool borrada) { return FilaBrelaz{2, std::int16_t(saturacion), borrada}; };
    // clang-format off
    EXPECT_EQ(vistos, (std::vector<std::vector<FilaBrelaz>>{
        {{}, fila(0, 0), fila(0, 0), fila(0, 0), fila(0, 0), fila(0, 0)},
        {{}, fila(0, 1), fila(1, 0), fila(0, 0), fila(0, 0), fila(1, 0)},
        {{}, fila(0, 1), fila(1, 1), fila(1, 0), fila(0, 0), fila(1, 0)},
        {{}, fila(0, 1), fila(1, 1), fila(1, 1), fila(1, 0), fila(1, 0)},
        {{}, fila(0, 1), fila(1, 1), fila(1, 1), fila(1, 1), fila(2, 0)},
        {{}, fila(0, 1), fila(1, 1), fila(1, 1), fila(1, 1), fila(2, 1)}}));
    // clang-format on
    EXPECT_EQ(p.Geometria().areaTrabajo.ancho, ancho);
    EXPECT_TRUE(Visible(p.trazaPanel()).startsWith("Algoritmo de Brelaz\r\n\r\nColor 1~ : ~1, ~3\r\n"));
}

TEST_F(Colorear, ElOrdenSeEligeConClicsYLaColoracionLoSigue)
{
    Simple(27);
    const Grafo& g = p.grafo();
    auto mover = [&](int v) { p.Edicion().MouseMove(0, g.Posic_CoordX(v), g.Posic_CoordY(v)); };
    auto clic = [&](int v) {
        mover(v);
        p.Edicion().MouseDown(1, g.Posic_CoordX(v), g.Posic_CoordY(v));
        p.Edicion().MouseUp(1, g.Posic_CoordX(v), g.Posic_CoordY(v));
    };
    auto circulos = [&](int v) {
        const std::vector<Primitiva> todos = lienzo.Circulos();
        return std::count_if(todos.begin(), todos.end(),
                             [&](const Primitiva& c) { return c.a == QPointF(g.Posic_CoordX(v), g.Posic_CoordY(v)); });
    };
    for (const bool cancelar : {true, false}) {
        SCOPED_TRACE(cancelar);
        persona.cancelar = cancelar;
        p.Ejecutar("mnu_Secuencial_intro_ord");
        EXPECT_TRUE(p.Marco().Orden_Definido && !p.Comandos().Habilitado("Archivo") && !p.Vista().textoHabilitado);
        for (const int v : {27, 27}) // the second click is ignored
            clic(v);
        for (int v = 1; v <= 25; ++v)
            clic(v);
        EXPECT_EQ(Visible(p.trazaPanel()), "Seleccione los vértices en el orden deseado.\r\n\r\n Seleccionados : 27, " +
                                               Numeros(1, 24) + ",\r\n" + QString(17, '~') + "25");
        // The pointer over a chosen vertex leaves its mark alone; over another it marks it.
        const auto antes = circulos(27);
        mover(27);
        mover(26);
        EXPECT_EQ(circulos(27), antes);
        EXPECT_EQ(lienzo.Circulos().back().color, QColor(Qt::red));
        clic(26);
        EXPECT_FALSE(p.Marco().Orden_Definido);
        if (cancelar) {
            EXPECT_TRUE(p.trazaPanel().Texto().isEmpty() && p.Comandos().Habilitado("Archivo"));
            continue;
        }
        EXPECT_TRUE(Visible(p.trazaPanel())
                        .startsWith("Algoritmo Secuencial\r\n\r\nOrden de Coloración : 27, " + Numeros(1, 24) +
                                    ",\r\n" + QString(22, '~') + "25, 26\r\n"));
    }
}

using Grafico = GrafoBoostSinSentido;
using Lista = std::vector<int>; // vertices from 1

int Grado(const Grafico& g, int v, const std::vector<bool>& fuera = {})
{
    int grado = 0;
    for (const auto w : boost::make_iterator_range(adjacent_vertices(v - 1, g)))
        grado += fuera.empty() || !fuera[w + 1];
    return grado;
}

// Each time the vertex of least degree among those left goes last.
Lista MenorUltimo(const Grafico& g)
{
    const int n = int(num_vertices(g));
    Lista orden(n);
    std::vector<bool> fuera(n + 1, false);
    for (int p = n - 1; p >= 0; --p) {
        int elegido = 0;
        for (int v = 1; v <= n; ++v)
            if (!fuera[v] && (elegido == 0 || Grado(g, v, fuera) < Grado(g, elegido, fuera)))
                elegido = v;
        orden[p] = elegido;
        fuera[elegido] = true;
    }
    return orden;
}

// One vertex at a time, the uncoloured one of greatest `clave` (then the lower number), given the least colour
// none of its neighbours has: the order taken and each vertex's colour, from 1.
template <typename Clave> std::pair<Lista, Lista> Voraz(const Grafico& g, Clave clave)
{
    const int n = int(num_vertices(g));
    Lista orden, color(n + 1, 0);
    auto vecinos = [&](int v) {
        std::set<int> colores;
        for (const auto w : boost::make_iterator_range(adjacent_vertices(v - 1, g)))
            if (color[w + 1] != 0)
                colores.insert(color[w + 1]);
        return colores;
    };
    while (int(orden.size()) < n) {
        std::tuple<int, int, int> mejor{-1, 0, 0};
        for (int v = 1; v <= n; ++v)
            if (color[v] == 0)
                mejor = std::max(mejor, std::tuple_cat(clave(v, int(vecinos(v).size())), std::tuple(-v)));
        const int v = -std::get<2>(mejor);
        const std::set<int> usados = vecinos(v);
        for (color[v] = 1; usados.count(color[v]); ++color[v]) {
        }
        orden.push_back(v);
    }
    return {orden, color};
}

struct Leida {
    Lista orden;
    std::vector<Lista> clases; // colour 1 first
    int k = -1;
};

// The trace read back with its padding taken out.
Leida Leer(QString traza)
{
    traza.remove(u'_');
    Leida l;
    auto numeros = [](const QString& texto, Lista& a) {
        for (const QString& n : texto.split(u',', Qt::SkipEmptyParts))
            a.push_back(n.trimmed().toInt());
    };
    static const QRegularExpression resumen(QStringLiteral("^Se han usado (\\d+) colores"));
    for (const QString& linea : traza.split(QStringLiteral("\r\n"))) {
        const QString resto = linea.section(QStringLiteral(" : "), 1);
        if (linea.startsWith(QStringLiteral("Orden de Coloración : ")))
            numeros(resto, l.orden);
        else if (linea.startsWith(QStringLiteral("Color  : ")))
            numeros(resto, l.clases.back());
        else if (linea.startsWith(QStringLiteral("Color ")))
            numeros(resto, l.clases.emplace_back());
        else if (const auto m = resumen.match(linea); m.hasMatch())
            l.k = m.captured(1).toInt();
    }
    return l;
}

TEST(ColoracionOraculo, LasCuatroSiguenSuOrdenYListanSusColores)
{
    std::mt19937 azar(20240612);
    for (int caso = 0; caso < 250; ++caso) {
        const int n = caso == 0 ? 50 : std::uniform_int_distribution(1, 50)(azar);
        const double densidad = std::array{0.0, 0.03, 0.15, 0.4, 0.8}[caso % 5];
        const Aristas aristas = AristasAlAzar(azar, TipoGrafo::Simple, n, densidad, false);
        Grafo g;
        PonerGrafo(g, "Simple", n, aristas);
        const Grafico grafico = ABoost<Grafico>(g);
        Lista usuario(n);
        std::iota(usuario.begin(), usuario.end(), 1);
        std::shuffle(usuario.begin(), usuario.end(), azar);
        // A fixed order: the first vertex has the greatest key.
        const auto enOrden = [&](const Lista& orden) {
            std::vector<int> puesto(n + 1);
            for (int i = 0; i < n; ++i)
                puesto[orden[i]] = n - i;
            return Voraz(grafico, [&](int v, int) { return std::pair(puesto[v], 0); });
        };
        const std::pair<QString, std::pair<Lista, Lista>> esperados[] = {
            {"Coloración Secuencial", enOrden(usuario)},
            {"Coloración Welsh-Powell", Voraz(grafico, [&](int v, int) { return std::pair(Grado(grafico, v), 0); })},
            {"Coloración Matula-Marble-Isaacson", enOrden(MenorUltimo(grafico))},
            {"Coloración Brelaz",
             Voraz(grafico, [&](int v, int saturacion) { return std::pair(saturacion, Grado(grafico, v)); })},
        };
        for (const auto& [nombre, esperado] : esperados) {
            SCOPED_TRACE("caso " + std::to_string(caso) + ", n = " + std::to_string(n) + ", " + nombre.toStdString());
            const auto& [orden, color] = esperado;
            MundoEjecucion m;
            m.persona.completo = true;
            Principal& p = m.p;
            m.Poner(TipoGrafo::Simple, n, aristas);
            p.IniciarAlgoritmo(nombre, {.lista = ListaVertices(usuario.begin(), usuario.end())});
            const Leida leida = Leer(p.trazaPanel().Texto());
            EXPECT_EQ(leida.orden, nombre.endsWith("Brelaz") ? Lista{} : orden);
            std::vector<Lista> clases(*std::max_element(color.begin(), color.end()));
            for (const int v : orden)
                clases[color[v] - 1].push_back(v);
            ASSERT_EQ(leida.clases, clases);
            EXPECT_EQ(leida.k, int(clases.size()));
            for (const auto e : boost::make_iterator_range(edges(grafico)))
                EXPECT_NE(color[source(e, grafico) + 1], color[target(e, grafico) + 1]);
            EXPECT_FALSE(Visible(p.trazaPanel()).contains(u'_'));
        }
    }
}

} // namespace
