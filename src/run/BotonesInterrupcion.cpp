#include "run/BotonesInterrupcion.h"

#include "run/BanderasEjecucion.h"
#include "run/HistoriaPasos.h"
#include "run/Reproduccion.h"
#include "run/Traza.h"

BotonesInterrupcion::BotonesInterrupcion(BanderasEjecucion& banderas, Traza& traza,
                                         std::function<void(const QTextDocument&)> imprimir, HistoriaPasos* historia)
    : banderas_(banderas), imprimir_(std::move(imprimir))
{
    cursor_ = traza.CopiarEn(texto_);
    if (historia) {
        historia->Recordar(traza, cursor_);
        pasos_.emplace(*historia);
    }
}

void BotonesInterrupcion::ConReproduccion(Reproduccion& juego)
{
    if (pasos_)
        mando_.emplace(juego, *pasos_, [this] { Continuar(); });
}

QTextDocument& BotonesInterrupcion::Texto()
{
    return EnUltimo() ? texto_ : pasos_->Copia();
}

int BotonesInterrupcion::PosicionCursor() const
{
    return EnUltimo() ? cursor_ : pasos_->Cursor();
}

void BotonesInterrupcion::Cerrar()
{
    VolverAlUltimo();
    cerrado_ = true;
}

void BotonesInterrupcion::VolverAlUltimo()
{
    if (pasos_)
        pasos_->AlUltimo();
}

void BotonesInterrupcion::Continuar()
{
    if (!EnUltimo())
        return VolverAlUltimo();
    Cerrar();
}

void BotonesInterrupcion::Terminar()
{
    Parar();
    banderas_.EjecucionCompleta = true;
    textoVisible_ = false;
    Cerrar();
}

void BotonesInterrupcion::Imprimir()
{
    if (imprimir_)
        imprimir_(Texto());
}

void BotonesInterrupcion::Escape()
{
    Parar();
    if (!EnUltimo())
        return VolverAlUltimo();
    banderas_.EscapePulsado = true;
    Continuar();
}

void BotonesInterrupcion::Parar()
{
    if (mando_)
        mando_->Juego().Pausar();
}
