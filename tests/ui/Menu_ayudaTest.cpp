// The help browser's model where its windows do not reach: files that cannot be loaded, and the browser
// asked for when a page does not open.
#include <gtest/gtest.h>

#include "support/CarpetaPrueba.h"
#include "support/InteraccionGuion.h"
#include "ui/Menu_ayuda.h"
#include "ui/OrdenesAyuda.h"

namespace {

MensajeVisto NoCargado(const QString& nombre)
{
    return {"No se ha podido cargar el fichero " + nombre + ". ", "ERROR", Icono::Exclamacion, Botones::Aceptar};
}

struct Menu_ayudaTest : ::testing::Test, CarpetaPrueba {
    InteraccionGuion persona;

    void Escribir(const QString& nombre, const QStringList& lineas)
    {
        Fichero(nombre, (lineas.join("\r\n") + "\r\n").toUtf8());
    }
    Menu_ayuda Abrir(const QString& nombre) { return {persona, {carpeta.path()}, nombre, "Índice"}; }
};

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
    EXPECT_EQ(persona.mensajes,
              (std::vector{NoCargado("AYUDA GRAFOS.MEN"), NoCargado("FALTA.MEN"), NoCargado("SIN_DOCUMENTO.HTML")}));

    // A broken file shows what it has before the fault.
    QStringList treintaYUno{"31", "primero", ""};
    for (int k = 1; k <= 31; ++k)
        treintaYUno << QStringLiteral("Tema %1").arg(k) << QStringLiteral("t%1.html").arg(k);
    Escribir("treinta y uno.men", treintaYUno);
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
    const QString pagina = Ruta("ayuda_coloracion.html");
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
