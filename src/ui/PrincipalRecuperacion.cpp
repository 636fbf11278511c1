// The recovery copy of unsaved work: its schedule, and at start the copies
// other instances left behind.
#include "costuras/Interaccion.h"
#include "files/CopiaRecuperacion.h"
#include "ui/CopiaPeriodica.h"
#include "ui/OfertaRecuperacion.h"
#include "ui/Principal.h"

Principal::~Principal() = default;

void Principal::CopiasEn(const QString& carpeta)
{
    copias_ = std::make_unique<CopiaPeriodica>(carpeta, [this] { return interaccion_.Ahora(); });
}

void Principal::RevisarCopia()
{
    if (copias_)
        copias_->Revisar(grafo(), documento_, enEjecucion_ > 0);
}

void Principal::CopiarYa()
{
    if (copias_)
        copias_->Ya(grafo(), documento_, enEjecucion_ > 0);
}

void Principal::OfrecerCopias()
{
    if (!copias_)
        return;
    for (const auto& copia : CopiaHuerfana::Buscar(copias_->Copia().Carpeta()))
        OfrecerCopia(*copia);
}

// Read before asking: a copy that cannot be read is said once, with the
// reader's words, and put aside where it is never offered again.
void Principal::OfrecerCopia(CopiaHuerfana& copia)
{
    Grafo leido;
    const QSize area(disposicion_.areaTrabajo.ancho, disposicion_.areaTrabajo.alto);
    if (const QString error = copia.Leer(leido, area); !error.isEmpty()) {
        interaccion_.Mensaje(error, QStringLiteral("ERROR"), Icono::Critico, Botones::Aceptar);
        copia.Apartar();
        return;
    }
    const DescripcionCopia& d = copia.Descripcion();
    OfertaRecuperacion oferta(Documento{d.original}.NombreCorto(), d.hora);
    interaccion_.Mostrar(oferta);
    switch (oferta.Elegida()) {
    case OfertaRecuperacion::Respuesta::Recuperar: Recuperar(copia, leido); break;
    case OfertaRecuperacion::Respuesta::Descartar: copia.Borrar(); break;
    case OfertaRecuperacion::Respuesta::MasTarde: break;
    }
}

void Principal::Recuperar(CopiaHuerfana& copia, const Grafo& leido)
{
    // A graph recovered before this one is not dropped unasked; kept, this
    // copy waits for the next start.
    if (grafo().dimen() > 0 && !QuiereCerrar())
        return;
    const DescripcionCopia& d = copia.Descripcion();
    TomarGrafoLeido(leido, d.original, d.nombreSinConfirmar);
    // Ours first, on the disk: the work is never without a copy.
    CopiarYa();
    copias_->Copia().Esperar();
    copia.Borrar();
}
