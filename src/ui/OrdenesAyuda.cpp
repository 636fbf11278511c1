#include "ui/OrdenesAyuda.h"

#include <QDir>
#include <QFileInfo>

#include "costuras/Interaccion.h"
#include "files/Datos.h"
#include "ui/Menu_ayuda.h"

namespace {

struct OrdenAyuda {
    const char* control;
    const char* archivo; // a menu file, or a page under the data folder
    const char* titulo;  // the menu's title; none for a page
};

const OrdenAyuda Ordenes[] = {
    {"ay_grafos", "Ayuda Grafos.men", "Teoría de Grafos"},
    {"ay_nodeva", "Ayuda Nodeva.men", "Manual de Usuario de Nodeva"},
    {"ay_coloracion", "ayuda/ayuda_coloracion.html", nullptr},
    {"muAyudaEuler", "ayudaeuler/ayuda_euler.htm", nullptr},
};

} // namespace

bool EjecutarAyuda(const QString& control, Interaccion& persona)
{
    for (const OrdenAyuda& orden : Ordenes) {
        if (control != QLatin1String(orden.control))
            continue;
        const QString archivo = QString::fromUtf8(orden.archivo);
        if (orden.titulo)
            NavegarAyuda(persona, CarpetasDatos(BuscarEn::TrabajoYPrograma, QStringLiteral("ayuda")), archivo,
                         QString::fromUtf8(orden.titulo));
        else
            AbrirPaginaAyuda(persona, QDir(CarpetaDatos()).filePath(archivo));
        return true;
    }
    return false;
}

void AbrirPaginaAyuda(Interaccion& persona, const QString& pagina)
{
    // A browser would only say the page is not there, and less plainly.
    if (!QFileInfo(pagina).isFile()) {
        persona.Mensaje(MensajeNoCargado(QFileInfo(pagina).fileName()), QStringLiteral("ERROR"), Icono::Exclamacion,
                        Botones::Aceptar);
        return;
    }
    if (persona.AbrirPagina(pagina))
        return;
    QString navegador = NavegadorPropuesto;
    for (;;) {
        navegador = persona
                        .PedirTexto(QStringLiteral("Por favor, teclea la ruta completa de tu navegador habitual"),
                                    QStringLiteral("No se encuentra el navegador..."), navegador)
                        .trimmed();
        if (navegador.isEmpty() || persona.IniciarPrograma(navegador, {pagina}))
            return;
    }
}
