#include "cli/CargaCli.h"

#include "cli/InteraccionCli.h"
#include "files/Documento.h"
#include "files/EscrituraAtomica.h"
#include "files/Intercambio.h"
#include "files/Lector.h"
#include "model/Grafo.h"

std::optional<int> MedidaTwips(const QString& texto)
{
    bool ok = false;
    const int valor = texto.toInt(&ok);
    return ok && valor > 0 && valor <= 1'000'000 ? std::optional<int>(valor) : std::nullopt;
}

bool CargarGrafoCli(const QString& archivo, QSize area, Grafo& grafo, QTextStream& errores)
{
    // Another tool's file by its extension; any other name is a graph file,
    // as it has always been.
    if (const std::optional<Formato> formato = FormatoDeArchivo(archivo); formato && *formato != Formato::Nodeva) {
        const QString error = ImportarGrafo(archivo, grafo, area);
        if (!error.isEmpty())
            errores << "ERROR: " << error << "\n";
        return error.isEmpty();
    }
    Documento documento;
    InteraccionCli interaccion(errores);
    return LeerGrafo(archivo, grafo, documento, interaccion, area) == 0;
}

bool Escrito(const Escritura& escritura, const QString& fichero, QTextStream& errores)
{
    if (!escritura.hecha)
        errores << "No se pudo escribir " << fichero << ": " << escritura.motivo << "\n";
    else if (!escritura.aviso.isEmpty())
        errores << fichero << ": " << escritura.aviso << "\n";
    return escritura.hecha;
}

std::optional<int> AyudaOError(bool ayuda, const QString& error, void (*ayudaTexto)(QTextStream&), QTextStream& salida,
                               QTextStream& errores)
{
    if (ayuda) {
        ayudaTexto(salida);
        return 0;
    }
    if (error.isEmpty())
        return std::nullopt;
    errores << error << "\n\n";
    ayudaTexto(errores);
    return 2;
}
