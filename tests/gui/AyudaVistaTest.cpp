// The help browser's windows clicked through offscreen: scrolling, hovering, a sub-menu (whose untitled
// pair does not count) in its shorter window, a document, back with "Salir", out by the frame.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

#include "gui/AyudaVista.h"
#include "gui/InteraccionQt.h"
#include "gui/Menu_ayudaVista.h"
#include "support/CarpetaPrueba.h"
#include "support/InteraccionGuion.h"

namespace {

// A person who sees the real windows: each menu and document is played by the next step of the script.
struct PersonaVentanas : InteraccionGuion {
    std::deque<std::function<void(Menu_ayudaVista&)>> menus;
    std::function<void(AyudaVista&)> documento;

    void Mostrar(ModeloDialogo& dialogo) override
    {
        const bool atendido = SegunDialogo(
            dialogo, [&](Menu_ayuda& modelo) { VerMenu(modelo); }, [&](Ayuda& modelo) { VerDocumento(modelo); });
        if (!atendido)
            InteraccionGuion::Mostrar(dialogo);
    }
    void VerMenu(Menu_ayuda& modelo)
    {
        Menu_ayudaVista vista(modelo);
        vista.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&vista));
        menusAyuda.push_back(vista.findChild<QLabel*>("Label1")->text().trimmed());
        if (!menus.empty()) {
            auto paso = std::move(menus.front());
            menus.pop_front();
            paso(vista);
        }
        if (vista.isVisible())
            vista.close();
    }
    void VerDocumento(Ayuda& modelo)
    {
        AyudaVista vista(modelo);
        vista.show();
        documento(vista);
        QTest::mouseClick(vista.findChild<QPushButton*>("Salir"), Qt::LeftButton);
        EXPECT_TRUE(modelo.Cerrado());
    }
};

void Pulsar(QWidget* w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5));
}

TEST(AyudaVista, NavegacionPorMenusYDocumentos)
{
    CarpetaPrueba ayuda;
    QStringList raiz{"12", "primero", ""};
    for (int k = 1; k <= 12; ++k)
        raiz << QStringLiteral("Tema %1").arg(k) << (k == 2 ? QStringLiteral("sub.men") : QStringLiteral("t.html"));
    ayuda.Fichero("raiz.men", raiz.join("\n").toUtf8());
    ayuda.Fichero("sub.men", "2\nraiz.men\nRaíz\nGrado\ngrado.html\n\nhuérfano.html\nPerdido\nno_esta.html");
    ayuda.Fichero("grado.html", "<p>El <b>grado</b> de un vértice.</p>");

    PersonaVentanas persona;
    int altoDiez = 0;
    persona.menus.push_back([&altoDiez](Menu_ayudaVista& v) {
        altoDiez = v.height();
        EXPECT_EQ(v.findChild<QLabel*>("Label1")->text(), QString("Raíz  "));
        EXPECT_TRUE(v.Opcion(9)->isVisible() && v.Bajar()->isVisible() && !v.Subir()->isVisible());
        Pulsar(v.Bajar());
        Pulsar(v.Bajar());
        EXPECT_EQ(v.Opcion(0)->text(), QString("Tema 3"));
        EXPECT_EQ(v.Opcion(9)->text(), QString("Tema 12"));
        EXPECT_TRUE(!v.Bajar()->isVisible() && v.Subir()->isVisible());
        QTest::mouseMove(v.windowHandle(), v.Opcion(4)->geometry().center());
        EXPECT_EQ(v.Opcion(4)->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        EXPECT_EQ(v.Opcion(3)->palette().color(QPalette::WindowText), QColor(Qt::black));
        QTest::mouseMove(v.windowHandle(), QPoint(2, 2));
        EXPECT_EQ(v.Opcion(4)->palette().color(QPalette::WindowText), QColor(Qt::black)) << "el fondo";
        Pulsar(v.Subir());
        Pulsar(v.Subir());
        Pulsar(v.Opcion(1));
        EXPECT_FALSE(v.isVisible()) << "el submenú ocupa su lugar";
    });
    persona.menus.push_back([&](Menu_ayudaVista& v) {
        EXPECT_FALSE(v.Opcion(2)->isVisible() || v.Bajar()->isVisible());
        EXPECT_EQ(altoDiez - v.height(), 8 * 360 / 15) << "ocho temas menos, 360 twips cada uno";
        Pulsar(v.Opcion(0));
        EXPECT_TRUE(v.isVisible()) << "el menú sigue debajo del documento";
        Pulsar(v.Opcion(1)); // a document not there: its message, counted below
        Pulsar(v.BotonSalir());
    });
    persona.menus.push_back([](Menu_ayudaVista& v) { v.close(); });
    persona.documento = [](AyudaVista& v) {
        EXPECT_EQ(v.Titulo()->text(), QString("Grado"));
        EXPECT_EQ(v.Text1()->toPlainText(), QString("El grado de un vértice."));
        EXPECT_TRUE(v.Text1()->isReadOnly());
    };
    NavegarAyuda(persona, {ayuda.carpeta.path()}, "raiz.men", "Raíz");
    EXPECT_EQ(persona.menusAyuda, (std::vector<QString>{"Raíz", "Tema 2", "Raíz"}));
    EXPECT_EQ(persona.mensajes.size(), 1u);
}

// A page is shown only when xdg-open says a browser took it: one that starts and then finds no browser is a
// failure, so the help asks for the browser's path instead of doing nothing.
TEST(InteraccionQt, UnaPaginaSeAbreSoloSiUnNavegadorLaToma)
{
    CarpetaPrueba carpeta;
    const QByteArray camino = qgetenv("PATH");
    const QString pagina = carpeta.Fichero("p.html", "<html></html>");
    InteraccionQt persona;
    for (const auto& [estado, abierta] : {std::pair{3, false}, {0, true}}) {
        const QString xdg =
            carpeta.Fichero("xdg-open", QByteArray("#!/bin/sh\nexit ") + QByteArray::number(estado) + "\n");
        QFile::setPermissions(xdg, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        qputenv("PATH", QFile::encodeName(carpeta.Ruta("")) + ':' + camino);
        EXPECT_EQ(persona.AbrirPagina(pagina), abierta) << estado;
        QFile::remove(xdg);
    }
    qputenv("PATH", camino);
}

} // namespace
