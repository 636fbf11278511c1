// The help browser: menu files, ten topics at a time, sub-menus in place of
// their parent and "Salir" back up, the messages of files that cannot be
// loaded, and the browser asked for when a page does not open.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/InteraccionGuion.h"
#include "ui/Menu_ayuda.h"
#include "ui/OrdenesAyuda.h"

namespace {

MensajeVisto NoCargado(const QString& nombre)
{
    return {"No se ha podido cargar el fichero " + nombre + ". ", "ERROR", Icono::Exclamacion, Botones::Aceptar};
}

struct Menu_ayudaTest : ::testing::Test {
    QTemporaryDir carpeta;
    InteraccionGuion persona;

    void Escribir(const QString& nombre, const QStringList& lineas)
    {
        QFile f(carpeta.filePath(nombre));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write((lineas.join("\r\n") + "\r\n").toUtf8());
    }
    // A menu of n topics "Tema 1".. whose targets are "t1.html"..
    void EscribirMenu(const QString& nombre, int n, const QString& padre = "primero",
                      const QString& tituloPadre = {})
    {
        QStringList lineas{QString::number(n), padre, tituloPadre};
        for (int k = 1; k <= n; ++k)
            lineas << QStringLiteral("Tema %1").arg(k) << QStringLiteral("t%1.html").arg(k);
        Escribir(nombre, lineas);
    }
    Menu_ayuda Abrir(const QString& nombre) { return {persona, {carpeta.path()}, nombre, "Índice"}; }
};

TEST_F(Menu_ayudaTest, TresTemasAcortanLaVentana_DoceSeRecorrenConLasFlechas)
{
    EscribirMenu("diez.men", 10);
    EscribirMenu("tres.men", 3);
    EscribirMenu("doce.men", 12);
    Menu_ayuda tres = Abrir("tres.men");
    EXPECT_TRUE(tres.OpcionVisible(2) && !tres.OpcionVisible(3) && !tres.SubirVisible() && !tres.BajarVisible());
    EXPECT_EQ(Abrir("diez.men").AltoVentana() - tres.AltoVentana(), 7 * 360);
    EXPECT_EQ(tres.Label1(), QString("Índice  "));

    Menu_ayuda doce = Abrir("doce.men");
    struct Paso {
        bool bajar;
        int primero;
        bool subir, bajarVisible;
    };
    const Paso pasos[] = {{false, 0, false, true}, {true, 1, true, true},  {true, 2, true, false},
                          {true, 2, true, false},  {false, 1, true, true}, {false, 0, false, true}};
    for (auto [bajar, primero, subir, bajarVisible] : pasos) {
        bajar ? doce.Bajar() : doce.Subir();
        EXPECT_EQ(std::tuple(doce.PrimerTema(), doce.SubirVisible(), doce.BajarVisible()),
                  std::tuple(primero, subir, bajarVisible));
        EXPECT_EQ(doce.Opcion(0), QStringLiteral("Tema %1").arg(primero + 1));
        EXPECT_EQ(doce.Opcion(9), QStringLiteral("Tema %1").arg(primero + 10));
    }
    EXPECT_TRUE(persona.mensajes.empty());
}

TEST_F(Menu_ayudaTest, SoloElTemaSeñaladoSeVeAzul)
{
    EscribirMenu("m.men", 4);
    Menu_ayuda m = Abrir("m.men");
    for (int señalada : {2, -1, 7, 0}) {
        m.Señalar(señalada);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(m.ColorOpcion(i), i == señalada ? QColor(0, 0, 255) : QColor(Qt::black)) << señalada;
    }
}

// Into a sub-menu, a document from it, back to the parent, out.
TEST_F(Menu_ayudaTest, ElSubmenuOcupaElLugarDelPadreYSalirVuelveAEl)
{
    Escribir("Ayuda Grafos.men",
             {"3", "primero", "", "Árboles", "Sub Árboles.men", "", "huérfano.html", "Grado", "grado.html"});
    Escribir("Sub Árboles.men", {"1", "Ayuda Grafos.men", "Teoría", "Prüfer", "prufer.html"});
    Escribir("prufer.html", {"<h1>Códigos</h1><p>texto</p>"});
    persona.guionMenuAyuda = {[](Menu_ayuda& m) {
                                  EXPECT_EQ(m.NumTemas(), 2) << "el par sin título no cuenta";
                                  m.Elegir(0);
                              },
                              [](Menu_ayuda& m) {
                                  m.Elegir(0);
                                  m.Salir();
                              },
                              [](Menu_ayuda& m) { m.Salir(); }};
    persona.guionAyuda = {[](Ayuda& a) { EXPECT_EQ(a.Documento().toPlainText().trimmed(), QString("Códigos\ntexto")); }};
    NavegarAyuda(persona, {carpeta.path()}, "Ayuda Grafos.men", "Teoría");
    EXPECT_EQ(persona.menusAyuda, (std::vector<QString>{"Teoría", "Árboles", "Teoría"}));
    EXPECT_EQ(persona.documentosAyuda, std::vector<QString>{"Prüfer"});
    EXPECT_TRUE(persona.mensajes.empty());
}

TEST_F(Menu_ayudaTest, LoQueNoSePuedeCargarSeDiceConSuNombreEnMayusculas)
{
    NavegarAyuda(persona, {carpeta.path()}, "Ayuda Grafos.men", "Teoría");
    EXPECT_EQ(persona.mensajes, std::vector{NoCargado("AYUDA GRAFOS.MEN")});
    EXPECT_TRUE(persona.menusAyuda.empty());

    // A missing sub-menu or document leaves the menu open where it was.
    Escribir("m.men", {"2", "primero", "", "Falta", "falta.men", "Tampoco", "sin_documento.html"});
    Menu_ayuda m = Abrir("m.men");
    m.Elegir(0);
    m.Elegir(1);
    EXPECT_FALSE(m.Cerrado());
    EXPECT_EQ(persona.mensajes, (std::vector{NoCargado("AYUDA GRAFOS.MEN"), NoCargado("FALTA.MEN"),
                                             NoCargado("SIN_DOCUMENTO.HTML")}));

    // A broken file shows what it has before the fault.
    EscribirMenu("treinta y uno.men", 31);
    Escribir("mal.men", {"diez", "primero", ""});
    Escribir("corto.men", {"2", "primero", "", "Uno", "uno.html", "Dos"});
    for (const auto& [nombre, temas] : {std::pair("treinta y uno.men", 30), {"mal.men", 0}, {"corto.men", 1}}) {
        persona.mensajes.clear();
        Menu_ayuda roto = Abrir(nombre);
        EXPECT_EQ(roto.NumTemas(), temas) << nombre;
        EXPECT_EQ(persona.mensajes, std::vector{NoCargado(QString(nombre).toUpper())});
    }
}

TEST_F(Menu_ayudaTest, SinNavegadorSePideSuRutaHastaQueArrancaOSeDejaEnBlanco)
{
    const QString pagina = carpeta.filePath("ayuda_coloracion.html");
    AbrirPaginaAyuda(persona, pagina);
    EXPECT_EQ(persona.mensajes, std::vector{NoCargado("AYUDA_COLORACION.HTML")});
    Escribir("ayuda_coloracion.html", {"<p>página</p>"});

    persona.abrePaginas = true;
    AbrirPaginaAyuda(persona, pagina);
    EXPECT_TRUE(persona.propuestosVistos.empty() && persona.programasVistos.empty());

    persona.abrePaginas = false;
    persona.textosPedidos = {"/no/hay/navegador", " /usr/bin/navegador ", "/otro"};
    persona.programasIniciados = {false, true};
    AbrirPaginaAyuda(persona, pagina);
    EXPECT_EQ(persona.propuestosVistos, (std::vector<QString>{NavegadorPropuesto, "/no/hay/navegador"}));
    EXPECT_EQ(persona.programasVistos,
              (std::vector<QStringList>{{"/no/hay/navegador", pagina}, {"/usr/bin/navegador", pagina}}));

    persona.textosPedidos = {"/no/hay/navegador"};
    AbrirPaginaAyuda(persona, pagina);
    EXPECT_EQ(persona.programasVistos.size(), 3u) << "una respuesta vacía termina sin más intentos";
    EXPECT_EQ(persona.propuestosVistos.size(), 4u);
}

} // namespace
