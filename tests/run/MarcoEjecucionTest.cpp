// The run frame: the trace and its formats, the step window, the end prompt and the return to editing.
#include <QTextCursor>
#include <functional>

#include "algorithms/CatalogoOrdenes.h"
#include "run/BotonesInterrupcion.h"
#include "run/PasoAPaso.h"
#include "support/EjecucionPrueba.h"
#include "support/MundoPrincipal.h"

namespace {

struct Marco : ::testing::Test {
    PersonaEjecucion persona;
    Principal p{persona};
    MarcoEjecucion& m = p.Marco();

    // A small algorithm: three steps, each a line in its own colour; then the person's Aceptar. The person
    // answers the first step window with `primero`, then Continuar as at every other one.
    void Ejecutar(std::function<void(BotonesInterrupcion&)> primero = {})
    {
        persona.pausas.clear();
        persona.alPausar = [this, primero](BotonesInterrupcion& v) {
            if (persona.pausas.size() == 1 && primero)
                primero(v);
        };
        m.PrepararEjecucion();
        for (int paso = 1; paso <= 3; ++paso) {
            m.AñadirTraza(QStringLiteral("Paso "), true, QColor(Qt::black));
            m.AñadirTraza(QString::number(paso) + QStringLiteral("\r\n"), false, QColor(0, 128, 0));
            m.PausaPaso();
        }
        m.FinalizarEjecucion();
    }
    // The format of the document character that shows trace character i.
    QTextCharFormat FormatoEn(int posicion)
    {
        QTextCursor c(&p.text_peq());
        c.setPosition(posicion + 1);
        return c.charFormat();
    }
};

TEST_F(Marco, LosFormatosCaenEnLosMismosCaracteresPeseALosSaltosDeLinea)
{
    m.PrepararEjecucion();
    QString esperado;
    std::vector<std::pair<bool, QColor>> porCaracter;
    for (int i = 0; i < 200; ++i) {
        const QString pieza = QStringLiteral("v%1").arg(i) + (i % 3 == 0 ? QStringLiteral("\r\n") : QString());
        const bool negrita = i % 2 == 0;
        const QColor color = i % 5 == 0 ? QColor() : QColor(i, 0, 255 - i);
        m.AñadirTraza(pieza, negrita, color);
        for (QChar c : pieza)
            if (c != u'\r')
                porCaracter.emplace_back(negrita, color);
        esperado += pieza;
    }
    QTextDocument& doc = p.text_peq();
    m.AplicarFormatos(doc);
    ASSERT_EQ(doc.toPlainText(), QString(esperado).replace("\r\n", "\n"));
    for (std::size_t k = 0; k < porCaracter.size(); ++k) {
        if (doc.characterAt(int(k)) == QChar::ParagraphSeparator)
            continue;
        const QTextCharFormat f = FormatoEn(int(k));
        const auto [negrita, c] = porCaracter[k];
        ASSERT_EQ(f.fontWeight() == QFont::Bold, negrita) << k;
        ASSERT_EQ(f.foreground().style() == Qt::NoBrush, !c.isValid()) << k;
        ASSERT_TRUE(!c.isValid() || f.foreground().color() == c) << k;
    }
}

// Paso a paso pauses at each step with the trace so far; Fin at the first pause ends the pauses (the next run
// offers them again); Escape continues and is noted; "Completo" never pauses, and a cancelled mode dialog
// leaves no trace.
TEST_F(Marco, PausasFinEscapeYCompleto)
{
    Ejecutar();
    ASSERT_EQ(persona.pausas.size(), 3u);
    EXPECT_EQ(persona.pausas[1], QString("Paso 1\nPaso 2\n"));
    const QString fin = p.text_peq().toPlainText();
    EXPECT_TRUE(fin.endsWith("Paso 3\n\nPresione ACEPTAR  para continuar.")) << fin.toStdString();
    const int inicio = int(fin.lastIndexOf("Presione ")); // only "ACEPTAR " is bold in the prompt
    for (int k = inicio; k < fin.size(); ++k)
        ASSERT_EQ(FormatoEn(k).fontWeight() == QFont::Bold, k >= inicio + 9 && k < inicio + 17) << k;
    EXPECT_EQ(m.traza().NumFormatos(), 6) << "el aviso final no cuenta";
    EXPECT_TRUE(p.Vista().aceptarVisible && p.Vista().textoVisible && !m.EjecucionCompleta);

    p.Aceptar_Click();
    Ejecutar([](BotonesInterrupcion& v) { v.Terminar(); });
    EXPECT_TRUE(persona.pausas.size() == 1u && p.text_peq().toPlainText().contains("Paso 3"));
    EXPECT_FALSE(m.EjecucionCompleta || m.EscapePulsado);
    p.Aceptar_Click();
    Ejecutar([](BotonesInterrupcion& v) { v.Escape(); });
    EXPECT_TRUE(persona.pausas.size() == 3u && m.EscapePulsado);
    p.Aceptar_Click();

    {
        PasoAPaso dialogo(m, OrdenPorEjecucion("Kruskal")->TituloPasos());
        EXPECT_EQ(dialogo.Titulo(), QString("Algoritmo de Kruskal"));
        dialogo.ElegirCompleto();
        dialogo.Cancelar();
        EXPECT_FALSE(dialogo.Aceptado());
    }
    PasoAPaso otro(m, OrdenPorEjecucion("Cartero")->TituloPasos());
    EXPECT_EQ(otro.Titulo(), QString("Problema del cartero"));
    EXPECT_TRUE(otro.PasoAPasoElegido() && !m.EjecucionCompleta);
    otro.ElegirCompleto();
    otro.Aceptar();
    Ejecutar();
    EXPECT_TRUE(persona.pausas.empty());
}

TEST_F(Marco, LaEjecucionBloqueaLaVentanaYAceptarLaDevuelve)
{
    p.grafo().InsertarTipo("Ponderado");
    p.Vista().combo1 = 1;
    p.Iniciar_trabajo();
    p.grafo().AñadirVertice(1000, 1000);
    p.grafo().AñadirVertice(3000, 1000);
    p.Marcas().VerticeSeleccionado = 1;
    const int ancho = p.Geometria().textoPeq.ancho;
    const auto editable = [&] {
        return p.Comandos().Habilitado("Archivo") && p.Comandos().Habilitado("Toolbar1") &&
               p.Comandos().Habilitado("Combo1") && p.Vista().areaHabilitada && p.Vista().check1Habilitado;
    };
    m.PrepararEjecucion();
    EXPECT_FALSE(p.Comandos().Habilitado("Archivo") || p.Comandos().Habilitado("Toolbar1") ||
                 p.Vista().areaHabilitada || p.Vista().check1Habilitado);
    EXPECT_EQ(p.Marcas().VerticeSeleccionado, 0);
    m.AñadirTraza("x", false, QColor());
    m.PausaPaso();
    EXPECT_FALSE(p.Vista().textoVisible) << "la ventana de pasos lo tapa";
    m.FinalizarEjecucion();
    EXPECT_EQ(p.Geometria().textoPeq.ancho, ancho - MarcoEjecucion::AnchoBotones);
    EXPECT_EQ(p.Geometria().aceptar.izquierda, p.Geometria().textoPeq.ancho + 200);
    p.Comandos().Habilitar(Control::Añadir_Arista, false);
    p.Aceptar_Click();
    EXPECT_TRUE(editable() && p.Comandos().Habilitado(Control::Añadir_Arista));
    EXPECT_TRUE(!p.Vista().aceptarVisible && p.text_peq().isEmpty());
    EXPECT_EQ(p.Geometria().textoPeq.ancho, ancho);
}

TEST(TablaFormatos, DespuesDeCuatroMilVuelveAEmpezar)
{
    Traza t;
    for (int i = 1; i <= Traza::MAX_FORMATOS; ++i)
        t.AñadirTraza("a", false, QColor());
    t.AñadirTraza("bcd", true, QColor());
    EXPECT_TRUE(t.NumFormatos() == 1 && t.Formato(1).longitud == 3);
    EXPECT_EQ(t.Texto().size(), Traza::MAX_FORMATOS + 3) << "el texto sigue completo";
}

TEST_F(Marco, EstaEnListaTerminaEnElPrimerCero_EsperarCuentaConElReloj)
{
    EXPECT_FALSE(MarcoEjecucion::EstaEnLista(3, {0, 0, 3}));
    EXPECT_TRUE(MarcoEjecucion::EstaEnLista(3, {0, 5, 3, 0}));
    EXPECT_FALSE(MarcoEjecucion::EstaEnLista(4, {0, 5, 3, 0, 4}));
    persona.pasoReloj = 0.25;
    m.Esperar(2);
    EXPECT_EQ(persona.eventosProcesados, 8);
}

} // namespace
