#include "ui/ImpresoraPaginas.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>

#include "costuras/Interaccion.h"

namespace {

constexpr double TwipsPorPulgada = 1440;
constexpr double MargenTexto = 1440;   // an inch round the printed trace
constexpr double MargenCabecera = 400; // a handout's header, left and above the picture

// Where the end of a laid-out text that fits in `alto` begins: the top of
// its first line that leaves no more than that below it.
double ComienzoDelFinal(const QTextDocument& texto, double alto)
{
    QAbstractTextDocumentLayout& disposicion = *texto.documentLayout();
    const double total = disposicion.documentSize().height();
    if (total <= alto)
        return 0;
    for (QTextBlock b = texto.begin(); b.isValid(); b = b.next()) {
        const double arriba = disposicion.blockBoundingRect(b).top();
        const QTextLayout& lineas = *b.layout();
        for (int i = 0; i < lineas.lineCount(); ++i)
            if (total - (arriba + lineas.lineAt(i).y()) <= alto)
                return arriba + lineas.lineAt(i).y();
    }
    return total - alto;
}

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

std::optional<QRectF> ImpresoraPaginas::LugarDibujo(const QRectF& twips)
{
    // A picture after a document's pages starts a page of its own.
    if (!pintor_.isActive() || documentos_ == Documentos::TodosEnUno) {
        if (!Pagina())
            return std::nullopt;
    }
    const double f = DispositivoPorTwip();
    const QSizeF hoja = dispositivo_.pageLayout().fullRectPixels(dispositivo_.logicalDpiX()).size();
    return EncajarEnHoja(QRectF(twips.topLeft() * f, twips.size() * f), hoja);
}

bool ImpresoraPaginas::DibujarImagen(const QImage& imagen, const QRectF& twips)
{
    const std::optional<QRectF> lugar = LugarDibujo(twips);
    if (!lugar)
        return false;
    pintor_.setRenderHint(QPainter::SmoothPixmapTransform);
    // A PDF would otherwise store the drawing as a JPEG, greying its white.
    pintor_.setRenderHint(QPainter::LosslessImageRendering);
    pintor_.drawImage(*lugar, imagen);
    return true;
}

bool ImpresoraPaginas::DibujarFiguras(const Figuras& dibujar, QSizeF medida, const QRectF& twips)
{
    const std::optional<QRectF> lugar = LugarDibujo(twips);
    if (!lugar || medida.isEmpty())
        return false;
    const double f = DispositivoPorTwip();
    pintor_.save();
    pintor_.setClipRect(*lugar);
    pintor_.translate(lugar->topLeft());
    pintor_.scale(lugar->width() / (medida.width() * f), lugar->height() / (medida.height() * f));
    dibujar(pintor_);
    pintor_.restore();
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
    const std::unique_ptr<QTextDocument> copia = EnDispositivo(texto);
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

std::unique_ptr<QTextDocument> ImpresoraPaginas::EnDispositivo(const QTextDocument& texto)
{
    std::unique_ptr<QTextDocument> copia(texto.clone());
    copia->documentLayout()->setPaintDevice(&dispositivo_);
    return copia;
}

bool ImpresoraPaginas::Encabezado(const QString& texto)
{
    if (!pintor_.isActive())
        return false;
    const double f = DispositivoPorTwip();
    const double ancho = dispositivo_.pageLayout().fullRectPixels(dispositivo_.logicalDpiX()).width();
    QFont letra(QStringLiteral("Arial"));
    letra.setPointSizeF(11);
    letra.setBold(true);
    pintor_.save();
    pintor_.setFont(QFont(letra, &dispositivo_));
    pintor_.setPen(Qt::black);
    pintor_.drawText(QRectF(QPointF(MargenCabecera, MargenCabecera / 2) * f,
                            QSizeF(ancho - 2 * MargenCabecera * f, MargenCabecera * f)),
                     Qt::AlignLeft | Qt::AlignVCenter, texto);
    pintor_.restore();
    return true;
}

bool ImpresoraPaginas::ImprimirTextoEn(const QTextDocument& texto, const QRectF& twips)
{
    if (!pintor_.isActive())
        return false;
    const double f = DispositivoPorTwip();
    const QRectF cuerpo(twips.topLeft() * f, twips.size() * f);
    const std::unique_ptr<QTextDocument> copia = EnDispositivo(texto);
    copia->setTextWidth(cuerpo.width());
    const double desde = ComienzoDelFinal(*copia, cuerpo.height());
    pintor_.save();
    pintor_.translate(cuerpo.topLeft() - QPointF(0, desde));
    copia->drawContents(&pintor_, QRectF(0, desde, cuerpo.width(), cuerpo.height()));
    pintor_.restore();
    return true;
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

void DecirPdfEscrito(Interaccion& interaccion, const Escritura& e, const QString& fichero, const QString& titulo)
{
    if (!e.hecha)
        interaccion.Mensaje(QStringLiteral("No se ha podido escribir el fichero ") + fichero + ": " + e.motivo + ".",
                            "ERROR", Icono::Critico, Botones::Aceptar);
    else if (!e.aviso.isEmpty())
        interaccion.Mensaje(e.aviso, titulo, Icono::Exclamacion, Botones::Aceptar);
}
