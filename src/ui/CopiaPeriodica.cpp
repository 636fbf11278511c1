#include "ui/CopiaPeriodica.h"

#include <QCoreApplication>
#include <QDateTime>

namespace {

// An empty graph is no work to lose: New asks nothing about it either.
bool HayTrabajo(const Grafo& grafo, const Documento& documento)
{
    return documento.GrafoModificado && grafo.dimen() > 0;
}

bool MismoDocumento(const Documento& a, const Documento& b)
{
    return a.NombreArchivo == b.NombreArchivo && a.NombreSinConfirmar == b.NombreSinConfirmar;
}

} // namespace

CopiaPeriodica::CopiaPeriodica(const QString& carpeta, std::function<double()> reloj)
    : copia_(carpeta), reloj_(std::move(reloj))
{
}

void CopiaPeriodica::Revisar(const Grafo& grafo, const Documento& documento, bool enEjecucion)
{
    Seguir(grafo, documento, enEjecucion, true);
}

void CopiaPeriodica::Ya(const Grafo& grafo, const Documento& documento, bool enEjecucion)
{
    Seguir(grafo, documento, enEjecucion, false);
}

void CopiaPeriodica::Seguir(const Grafo& grafo, const Documento& documento, bool enEjecucion, bool esperar)
{
    // A run keeps its own temporary state in the record.
    if (enEjecucion)
        return;
    if (!HayTrabajo(grafo, documento)) {
        // Saved, or let go by the user's answer.
        copia_.Borrar();
        escrito_.reset();
        return;
    }
    // A copy the writer could not put on disk is tried again at this tick.
    if (copia_.Fallida()) {
        escrito_.reset();
        ultima_.reset();
    }
    if (escrito_ && *escrito_ == grafo && MismoDocumento(documentoEscrito_, documento))
        return;
    const double ahora = reloj_();
    if (esperar && ultima_ && ahora - *ultima_ < Intervalo)
        return;
    const DescripcionCopia descripcion{documento.NombreArchivo, documento.NombreSinConfirmar,
                                       QDateTime::currentDateTime(), QCoreApplication::applicationPid()};
    if (!copia_.Escribir(grafo, descripcion))
        return;
    ultima_ = ahora;
    escrito_ = grafo;
    documentoEscrito_ = documento;
}
