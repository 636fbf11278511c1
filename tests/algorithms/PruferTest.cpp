// Prüfer codes: small trees as exact traces and drawings, the dialog's rules, and decode(encode(T)) = T on random
// labelled trees.
#include <QRegularExpression>
#include <numeric>
#include <random>
#include <set>

#include "algorithms/CatalogoOrdenes.h"
#include "support/MundoEjecucion.h"
#include "ui/CodigosTecla.h"
#include "ui/Prufer.h"

namespace {

using Trazas = std::vector<Pieza>;

struct PruferPrueba : MundoRecorrido {
    void Codificar() { p.EjecutarOrdenCompleta(*OrdenPorCli("Prufer_Encoding"), {}); }
    void Decodificar(std::vector<std::int16_t> secuencia)
    {
        Poner(TipoGrafo::Simple, 0, {});
        Parametros parametros;
        parametros.lista = std::move(secuencia);
        p.EjecutarOrdenCompleta(*OrdenPorCli("Prufer_Decoding"), parametros);
    }
    // The ends of the edges wiped out in white, in order.
    std::vector<Trazos> Borradas() const
    {
        std::vector<Trazos> borradas;
        for (const Primitiva& l : lienzo.Lineas())
            if (l.pluma == Lienzo::Pluma::Borrar && VerticeEn(l.a) && VerticeEn(l.b))
                borradas.push_back({{VerticeEn(l.a), VerticeEn(l.b)}});
        return borradas;
    }
};

void Teclear(Prufer& d, bool (Prufer::*tecla)(int), const QString& teclas)
{
    for (QChar c : teclas)
        (d.*tecla)(c == u'\n' ? CodigoTecla::Intro : c == u'<' ? CodigoTecla::Retroceso : c.unicode());
}

TEST_F(PruferPrueba, LaCodificacionQuitaLasHojasDelDibujo)
{
    // The path 1-2-3-4: leaf 1 goes with edge (1,2), then leaf 2 with (2,3).
    Poner(TipoGrafo::Simple, 4, {{1, 2, 1}, {2, 3, 1}, {3, 4, 1}});
    const Grafo antes = p.grafo();
    Codificar();
    EXPECT_EQ(Piezas(), (Trazas{{"Algoritmo de Codificación de Prüfer\r\n\r\n", true, negro},
                                {"Secuencia: ", false, negro},
                                {"2  ", true, Color(12)},
                                {"3  \r\n", true, Color(12)}}));
    EXPECT_EQ(Borradas(), (std::vector<Trazos>{{{1, 2}}, {{2, 3}}}));
    EXPECT_TRUE(p.grafo() == antes && p.Vista().aceptarVisible);
    p.Aceptar_Click();
    Poner(TipoGrafo::Simple, 3, {{1, 2, 1}, {2, 3, 1}, {1, 3, 1}});
    Codificar();
    EXPECT_EQ(Piezas(), (Trazas{{"La codificación de Prüfer requiere que el grafo sea un árbol.", true, negro}}));
    EXPECT_TRUE(Dibujadas(Color(1)).empty() && Borradas().empty() && persona.mensajes.empty());
}

TEST_F(PruferPrueba, ElDialogoSoloTomaNumerosEnSuRango)
{
    bool cerrar = false;
    Prufer d([&] { return cerrar; });
    Teclear(d, &Prufer::TeclaVertices, "2\n<51\n");
    EXPECT_FALSE(d.SecuenciaHabilitada());
    EXPECT_EQ(d.IndicacionElemento(), "") << "sin N no hay rango que indicar";
    EXPECT_FALSE(d.TeclaVertices('a'));
    Teclear(d, &Prufer::TeclaVertices, "<<4\n");
    EXPECT_EQ(d.IndicacionElemento(), "Introduzca el elemento 1 de la secuencia (1-4):");
    Teclear(d, &Prufer::TeclaElemento, "5\n<0\n<3\n");
    EXPECT_EQ(d.IndicacionElemento(), "Introduzca el elemento 2 de la secuencia (1-4):");
    d.Aceptar(); // not yet complete
    EXPECT_FALSE(d.Cerrado());
    Teclear(d, &Prufer::TeclaElemento, "4\n2\n");
    EXPECT_TRUE(d.Completa() && d.Secuencia() == "3 - 4");
    d.Aceptar(); // the person keeps the graph in hand
    EXPECT_TRUE(d.Cerrado() && !d.Aceptado());
}

TEST_F(PruferPrueba, LaDecodificacionDesdeElDialogoConstruyeElArbol)
{
    Poner(TipoGrafo::Simple, 2, {{1, 2, 1}});
    persona.respuestas.push_back(Respuesta::Si); // close the graph in hand
    persona.guionPrufer.push_back([](Prufer& d) {
        Teclear(d, &Prufer::TeclaVertices, "4\n");
        Teclear(d, &Prufer::TeclaElemento, "1\n1\n");
        d.Aceptar();
    });
    p.Ejecutar(Control::Prufer_Decoding);
    EXPECT_EQ(ArcosDe(p.grafo()), (Aristas{{1, 2}, {1, 3}, {1, 4}}));
    EXPECT_EQ(persona.pausas.size(), 2u);
    EXPECT_TRUE(p.Doc().GrafoModificado && p.Vista().aceptarVisible);
    const auto apagado = [&](const QString& t, bool negrita = false) { return Pieza{t, negrita, Color(8)}; };
    EXPECT_EQ(Piezas(), (Trazas{{"Algoritmo de Decodificación de Prüfer\r\n\r\n", true, negro},
                                {"Secuencia: ", false, negro},
                                apagado("1  "),
                                apagado("1  \r\n"),
                                {"Vértices libres: ", false, negro},
                                {"1  ", true, Color(4)},
                                apagado("2  ", true),
                                apagado("3  ", true),
                                {"4  \r\n", true, Color(4)}}));
    EXPECT_EQ(Dibujadas(Color(1)), (Trazos{{1, 2}, {1, 3}, {1, 4}}));
    // Nothing is left of the vertices that waited at the origin before they were placed.
    const auto& hechas = lienzo.primitivas;
    const auto limpio =
        std::find_if(hechas.rbegin(), hechas.rend(), [](auto& q) { return q.tipo == Primitiva::Tipo::Limpiar; });
    EXPECT_TRUE(std::all_of(hechas.rbegin(), limpio,
                            [&](auto& q) { return q.tipo != Primitiva::Tipo::Circulo || VerticeEn(q.a); }));
}

TEST_F(PruferPrueba, DecodificarLaCodificacionDevuelveElArbol)
{
    std::mt19937 azar(6);
    for (int prueba = 0; prueba < 200; ++prueba) {
        const int n = std::uniform_int_distribution(2, 50)(azar);
        std::vector<int> nombre(n + 1);
        std::iota(nombre.begin(), nombre.end(), 0);
        std::shuffle(nombre.begin() + 1, nombre.end(), azar);
        Aristas arbol;
        std::set<::Arista> esperadas;
        for (int v = 2; v <= n; ++v) {
            const int a = nombre[v], b = nombre[std::uniform_int_distribution(1, v - 1)(azar)];
            arbol.emplace_back(a, b, 1);
            esperadas.emplace(std::min(a, b), std::max(a, b));
        }
        SCOPED_TRACE(testing::Message() << "prueba " << prueba << ", n " << n);
        Poner(TipoGrafo::Simple, n, arbol);
        Codificar();
        std::vector<std::int16_t> secuencia;
        static const QRegularExpression numero(QStringLiteral("\\d+"));
        const QString texto = p.trazaPanel().Texto().section(QStringLiteral("Secuencia: "), 1).section('\r', 0, 0);
        for (const auto& m : numero.globalMatch(texto))
            secuencia.push_back(std::int16_t(m.captured().toInt()));
        ASSERT_EQ(int(secuencia.size()), n - 2);
        p.Aceptar_Click();
        Decodificar(secuencia);
        ASSERT_EQ(ArcosDe(p.grafo()), Aristas(esperadas.begin(), esperadas.end()));
        // Without one of its edges it is no tree.
        Poner(TipoGrafo::Simple, n, Aristas(arbol.begin() + 1, arbol.end()));
        Codificar();
        EXPECT_TRUE(p.trazaPanel().Texto().startsWith(QStringLiteral("La codificación de Prüfer requiere")));
        p.Aceptar_Click();
    }
}

} // namespace
