// The help as delivered: whole menus, documents with their pictures, links that resolve, no file out of
// reach, and the Help menu's commands finding their files beside the program.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QRegularExpression>
#include <QUrl>
#include <set>

#include "files/Datos.h"
#include "support/InteraccionGuion.h"
#include "ui/Ayuda.h"
#include "ui/Menu_ayuda.h"
#include "ui/OrdenesAyuda.h"

namespace {

const QDir CarpetaAyuda(QStringLiteral(NODEVA_DATOS "/ayuda"));

// Every local link and picture of a page names a file that exists, and an anchor one that the target page
// defines; returns the pictures.
QStringList ComprobarEnlaces(const QString& ruta)
{
    SCOPED_TRACE(ruta.toStdString());
    const QString texto = LeerTextoDato(ruta).value_or(QString());
    EXPECT_FALSE(texto.isEmpty());
    QStringList imagenes;
    static const QRegularExpression enlace(R"re(\b(src|href)\s*=\s*"([^"]*)")re");
    for (const auto& m : enlace.globalMatch(texto)) {
        const QUrl url(m.captured(2));
        if (!url.scheme().isEmpty())
            continue;
        const QString destino = url.path().isEmpty() ? ruta : QFileInfo(ruta).dir().filePath(url.path());
        EXPECT_TRUE(QFileInfo(destino).isFile()) << m.captured(2).toStdString();
        const QString ancla = QStringLiteral("id=\"%1\"").arg(url.fragment());
        EXPECT_TRUE(!url.hasFragment() || LeerTextoDato(destino).value_or(QString()).contains(ancla))
            << m.captured(2).toStdString();
        if (m.captured(1) == QLatin1String("src"))
            imagenes << m.captured(2);
    }
    return imagenes;
}

// Walks a menu and all below it, collecting every file reached.
void Visitar(const QString& menu, const QString& titulo, const QString& padre, const QString& tituloPadre,
             std::set<QString>& vistos)
{
    SCOPED_TRACE(menu.toStdString());
    ASSERT_TRUE(vistos.insert(menu).second) << "un menú se alcanza desde un solo padre";
    const std::optional<ArchivoMenu> leido = LeerMenuAyuda(CarpetaAyuda.filePath(menu));
    ASSERT_TRUE(leido && leido->completo);
    EXPECT_EQ(leido->declarados, static_cast<int>(leido->temas.size()));
    EXPECT_EQ(leido->padre, padre);
    EXPECT_TRUE(padre == QLatin1String("primero") || leido->tituloPadre == tituloPadre) << titulo.toStdString();
    for (const TemaAyuda& tema : leido->temas) {
        if (EsMenu(tema.destino)) {
            Visitar(tema.destino, tema.titulo, menu, titulo, vistos);
            continue;
        }
        vistos.insert(tema.destino);
        Ayuda documento(CarpetaAyuda.filePath(tema.destino), tema.titulo);
        ASSERT_TRUE(documento.Cargar()) << tema.destino.toStdString();
        for (const QString& imagen : ComprobarEnlaces(CarpetaAyuda.filePath(tema.destino)))
            EXPECT_FALSE(documento.Documento().resource(QTextDocument::ImageResource, QUrl(imagen)).isNull())
                << imagen.toStdString();
    }
}

TEST(ContenidoAyuda, MenusDocumentosYPaginasCompletos)
{
    std::set<QString> vistos;
    Visitar("Ayuda Grafos.men", "Teoría de Grafos", "primero", {}, vistos);
    Visitar("Ayuda Nodeva.men", "Manual de Usuario de Nodeva", "primero", {}, vistos);
    for (QDirIterator it(CarpetaAyuda.path(), {"*.men", "*.html"}, QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();) {
        const QString archivo = CarpetaAyuda.relativeFilePath(it.next());
        EXPECT_TRUE(archivo == QLatin1String("ayuda_coloracion.html") || vistos.count(archivo))
            << "nada lleva a " << archivo.toStdString();
    }
    ComprobarEnlaces(CarpetaAyuda.filePath("ayuda_coloracion.html"));
    ComprobarEnlaces(QStringLiteral(NODEVA_DATOS "/ayudaeuler/ayuda_euler.htm"));
}

// Against the copy beside the test programs, as the program finds it.
TEST(ContenidoAyuda, LasOrdenesDelMenuAyudaEncuentranSusArchivos)
{
    InteraccionGuion persona;
    EjecutarAyuda("ay_grafos", persona);
    EjecutarAyuda("ay_nodeva", persona);
    EXPECT_EQ(persona.menusAyuda, (std::vector<QString>{"Teoría de Grafos", "Manual de Usuario de Nodeva"}));
    persona.textosPedidos = {"navegador", "navegador"};
    persona.programasIniciados = {true, true};
    EjecutarAyuda("ay_coloracion", persona);
    EjecutarAyuda("muAyudaEuler", persona);
    ASSERT_EQ(persona.programasVistos.size(), 2u);
    EXPECT_TRUE(persona.programasVistos[0][1].endsWith("/ayuda/ayuda_coloracion.html"));
    EXPECT_TRUE(persona.programasVistos[1][1].endsWith("/ayudaeuler/ayuda_euler.htm"));
    EXPECT_TRUE(persona.mensajes.empty()) << persona.UltimoTexto().toStdString();
}

} // namespace
