// What a person sees on screen: a window brought up to date before a
// dialog covers it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "files/Escritor.h"
#include "gui/InsercionNºVertVista.h"
#include "gui/InteraccionQt.h"
#include "gui/PrincipalVista.h"

namespace {

// Runs `accion` on the modal window of type W as soon as one is open.
template <typename W> void AlAbrirse(std::function<void(W&)> accion)
{
    QTimer::singleShot(10, [accion] {
        if (auto* w = dynamic_cast<W*>(QApplication::activeModalWidget()))
            accion(*w);
        else
            AlAbrirse<W>(accion);
    });
}

// A generator over a loaded graph closes it before asking its number: the
// caption behind the number dialog is already the new graph's.
TEST(PantallaPrincipal, TrasUnDialogoSeVeElEstadoQuePregunta)
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("c3.grf"));
    Grafo g;
    g.InsertarTipo("Simple");
    for (int v = 1; v <= 3; ++v)
        g.AñadirVertice(static_cast<std::int16_t>(1000 * v), 1000);
    ASSERT_TRUE(EscribirGrafo(ruta, g).hecha);
    InteraccionQt persona;
    PrincipalVista vista(persona);
    vista.Atender(persona);
    vista.show();
    vista.AbrirArchivo(ruta);
    ASSERT_EQ(vista.windowTitle(), QString("NODEVA: Algoritmos sobre Grafos - [c3.grf]"));

    QString tituloDetras;
    AlAbrirse<QMessageBox>([&](QMessageBox& caja) {
        AlAbrirse<InsercionNºVertVista>([&](InsercionNºVertVista& numero) {
            tituloDetras = vista.windowTitle();
            numero.reject();
        });
        caja.button(QMessageBox::Yes)->click();
    });
    vista.Accion("Ciclo")->trigger();
    EXPECT_EQ(tituloDetras, QString("NODEVA: Algoritmos sobre Grafos - [SinNombre.grf]"));
}

} // namespace
