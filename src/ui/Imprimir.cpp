#include "ui/Imprimir.h"

#include <QTextDocument>

#include "costuras/Impresora.h"
#include "costuras/Interaccion.h"
#include "ui/ImpresoraPaginas.h"

Imprimir::Imprimir(Interaccion& interaccion, Impresora& impresora, Contenido contenido)
    : interaccion_(interaccion), impresora_(impresora), contenido_(std::move(contenido)),
      check2_(!contenido_.traza.isEmpty()), check2Habilitado_(check2_)
{
}

void Imprimir::Up()
{
    if (!UpHabilitado())
        return;
    ++copias_;
    Notificar();
}

void Imprimir::Down()
{
    if (!DownHabilitado())
        return;
    --copias_;
    Notificar();
}

void Imprimir::PonerOrientacion(int orientacion)
{
    orientacion_ = orientacion;
    impresora_.Orientacion(orientacion);
    Notificar();
}

void Imprimir::Check1_Click(bool marcado)
{
    check1_ = marcado;
    Notificar();
}

void Imprimir::Check2_Click(bool marcado)
{
    check2_ = marcado && check2Habilitado_;
    Notificar();
}

bool Imprimir::ImprimirCopias(Impresora& destino)
{
    const QRectF area(EsquinaArea, contenido_.areaTwips * EscalaArea);
    for (int copia = 1; copia <= copias_; ++copia) {
        if (check1_ && !(destino.DibujarImagen(contenido_.area, area) && destino.FinDocumento()))
            return false;
        if (check2_) {
            if (contenido_.mostrarTraza)
                contenido_.mostrarTraza();
            if (!destino.ImprimirTexto(contenido_.traza))
                return false;
        }
    }
    return true;
}

void Imprimir::Aceptar()
{
    if (cerrado_ || !AceptarHabilitado())
        return;
    if (!ImprimirCopias(impresora_)) {
        impresora_.AbandonarDocumento();
        interaccion_.Mensaje(TextoError(), TituloAplicacion, Icono::Ninguno, Botones::Aceptar);
    }
    Cerrar();
}

void Imprimir::GuardarPdf()
{
    if (cerrado_ || !AceptarHabilitado())
        return;
    const QString nombre = interaccion_.NombreParaGuardar(contenido_.nombrePdf, FiltroPdf);
    if (nombre.isEmpty())
        return;
    ImpresoraPdf pdf(nombre);
    pdf.Orientacion(orientacion_);
    const Escritura e = ImprimirCopias(pdf) ? pdf.Guardar() : Escritura{false, QStringLiteral("no se pudo dibujar")};
    DecirPdfEscrito(interaccion_, e, nombre, QStringLiteral("Guardar como PDF"));
    Cerrar();
}

void Imprimir::Cancelar()
{
    if (cerrado_)
        return;
    impresora_.AbandonarDocumento();
    Cerrar();
}

void Imprimir::Cerrar()
{
    cerrado_ = true;
    Notificar();
}

void Imprimir::Notificar()
{
    if (alCambiar)
        alCambiar();
}
