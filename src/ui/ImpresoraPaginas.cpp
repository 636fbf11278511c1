#include "ui/ImpresoraPaginas.h"

#include <QAbstractTextDocumentLayout>
#include <QTextDocument>
#include <algorithm>

namespace {

constexpr double TwipsPorPulgada = 1440;
constexpr double MargenTexto = 1440; // an inch round the printed trace

} // namespace

ImpresoraPaginas::ImpresoraPaginas(QPagedPaintDevice& dispositivo, Documentos documentos)
    : dispositivo_(dispositivo), documentos_(documentos)
{
}

ImpresoraPaginas::~ImpresoraPaginas()
{
    if (pintor_.isActive())
        pintor_.end();
}

void ImpresoraPaginas::Orientacion(int orientacion)
{
    dispositivo_.setPageOrientation(orientacion == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
}

double ImpresoraPaginas::DispositivoPorTwip() const
{
    return dispositivo_.logicalDpiX() / TwipsPorPulgada;
}

bool ImpresoraPaginas::Pagina()
{
    if (!pintor_.isActive()) {
        if (!pintor_.begin(&dispositivo_))
            return false;
        paginaUsada_ = false;
    }
    if (paginaUsada_ && !dispositivo_.newPage())
        return false;
    paginaUsada_ = true;
    return true;
}

bool ImpresoraPaginas::DibujarImagen(const QImage& imagen, const QRectF& twips)
{
    // A picture after a document's pages starts a page of its own.
    if (!pintor_.isActive() || documentos_ == Documentos::TodosEnUno) {
        if (!Pagina())
            return false;
    }
    const double f = DispositivoPorTwip();
    const QSizeF hoja = dispositivo_.pageLayout().fullRectPixels(dispositivo_.logicalDpiX()).size();
    pintor_.setRenderHint(QPainter::SmoothPixmapTransform);
    // A PDF would otherwise store the drawing as a JPEG, greying its white.
    pintor_.setRenderHint(QPainter::LosslessImageRendering);
    pintor_.drawImage(EncajarEnHoja(QRectF(twips.topLeft() * f, twips.size() * f), hoja), imagen);
    return true;
}

bool ImpresoraPaginas::FinDocumento()
{
    if (documentos_ == Documentos::TodosEnUno)
        return pintor_.isActive();
    return Terminar();
}

bool ImpresoraPaginas::Terminar()
{
    if (!pintor_.isActive())
        return true;
    paginaUsada_ = false;
    return pintor_.end();
}

void ImpresoraPaginas::AbandonarDocumento()
{
    if (!pintor_.isActive())
        return;
    Abortar();
    pintor_.end();
    paginaUsada_ = false;
}

bool ImpresoraPaginas::ImprimirTexto(const QTextDocument& texto)
{
    if (documentos_ == Documentos::UnTrabajoCada && !Terminar())
        return false;
    // Laid out on the device itself, so the characters keep their size in points.
    const std::unique_ptr<QTextDocument> copia(texto.clone());
    copia->documentLayout()->setPaintDevice(&dispositivo_);
    const double f = DispositivoPorTwip();
    const QSizeF hoja = dispositivo_.pageLayout().fullRectPixels(dispositivo_.logicalDpiX()).size();
    const QRectF cuerpo(QPointF(MargenTexto, MargenTexto) * f, hoja - QSizeF(2 * MargenTexto, 2 * MargenTexto) * f);
    copia->setPageSize(cuerpo.size());
    for (int i = 0; i < copia->pageCount(); ++i) {
        if (!Pagina())
            return false;
        const QRectF trozo(0, i * cuerpo.height(), cuerpo.width(), cuerpo.height());
        pintor_.save();
        pintor_.translate(cuerpo.topLeft() - trozo.topLeft());
        copia->drawContents(&pintor_, trozo);
        pintor_.restore();
    }
    return documentos_ == Documentos::TodosEnUno || Terminar();
}

QRectF EncajarEnHoja(const QRectF& rectangulo, const QSizeF& hoja)
{
    const QSizeF cabe(hoja.width() - 2 * rectangulo.left(), hoja.height() - 2 * rectangulo.top());
    const double k = std::min({1.0, cabe.width() / rectangulo.width(), cabe.height() / rectangulo.height()});
    return {rectangulo.topLeft(), rectangulo.size() * k};
}

DocumentoPdf::DocumentoPdf()
{
    memoria.open(QIODevice::WriteOnly);
    escritor.setPageSize(QPageSize(QPageSize::A4));
    escritor.setPageMargins(QMarginsF(0, 0, 0, 0));
    escritor.setCreator(QStringLiteral("Nodeva"));
}

ImpresoraPdf::ImpresoraPdf(const QString& fichero)
    : ImpresoraPaginas(escritor, Documentos::TodosEnUno), fichero_(fichero)
{
}

Escritura ImpresoraPdf::Guardar()
{
    if (!Terminar())
        return {false, QStringLiteral("no se pudo terminar el documento")};
    return EscribirAtomicamente(fichero_, memoria.data());
}
