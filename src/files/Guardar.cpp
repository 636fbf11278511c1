#include "files/Guardar.h"

#include <QDir>

#include "costuras/Interaccion.h"
#include "files/Documento.h"
#include "files/Escritor.h"

namespace {
const QString Indicacion = QStringLiteral(" Introduzca el nombre que desee dar al archivo que ") +
                           QStringLiteral("contenga este grafo y pulse GUARDAR.");

void PonerTraza(const TextoPanelTraza& traza, const QString& texto)
{
    if (traza)
        traza(texto);
}
} // namespace

bool GuardarGrafo(const Grafo& grafo, Documento& documento, Interaccion& interaccion, const TextoPanelTraza& traza)
{
    if (!documento.GrafoModificado)
        return true;
    if (documento.NombreArchivo.isEmpty() || documento.NombreSinConfirmar)
        return GuardarGrafoComo(grafo, documento, interaccion, traza);
    const Escritura e = EscribirGrafo(documento.NombreArchivo, grafo);
    if (!e.hecha) {
        interaccion.Mensaje(QStringLiteral("No se pudo guardar el fichero ") +
                                QDir::toNativeSeparators(documento.NombreArchivo) + ": " + e.motivo + u'.',
                            QStringLiteral("ERROR"), Icono::Critico, Botones::Aceptar);
        return false;
    }
    PonerTraza(traza, QString());
    interaccion.Mensaje(QStringLiteral("Fichero ") + documento.NombreCorto().toUpper() + QStringLiteral(" Guardado"),
                        QStringLiteral("Salvar Grafo"), Icono::Informacion, Botones::Aceptar);
    if (!e.aviso.isEmpty())
        interaccion.Mensaje(e.aviso, QStringLiteral("Salvar Grafo"), Icono::Exclamacion, Botones::Aceptar);
    documento.GrafoModificado = false;
    return true;
}

bool GuardarGrafoComo(const Grafo& grafo, Documento& documento, Interaccion& interaccion, const TextoPanelTraza& traza)
{
    PonerTraza(traza, Indicacion);
    const QString nombre = interaccion.NombreParaGuardar(documento.NombreArchivo, FiltroGrafos);
    bool guardado = false;
    if (!nombre.isEmpty()) {
        // A name that could not be written to is not the graph's file: the
        // caption keeps naming the file the graph last came from.
        const Documento anterior = documento;
        documento.NombreArchivo = nombre;
        documento.NombreSinConfirmar = false;
        documento.GrafoModificado = true;
        guardado = GuardarGrafo(grafo, documento, interaccion, traza);
        if (!guardado)
            documento = anterior;
    }
    PonerTraza(traza, QString());
    return guardado;
}
