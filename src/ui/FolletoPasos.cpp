#include "ui/FolletoPasos.h"

#include <QTextDocument>

#include "run/HistoriaPasos.h"
#include "ui/EstadoPrincipal.h"
#include "ui/ImpresoraPaginas.h"
#include "ui/Imprimir.h"

namespace {

// The page in twips: A4, as the PDF printer makes it.
constexpr double AnchoHoja = 11906;
constexpr double AltoHoja = 16838;
// The picture takes at most this much of the page's height, the trace the
// rest below it, within the one-inch margins of a printed trace.
constexpr double AltoDibujo = 8000;
constexpr double MargenTexto = 1440;
constexpr double SeparacionTexto = 300;

} // namespace

FolletoPasos::FolletoPasos(EstadoPrincipal& ventana, const HistoriaPasos& historia, QString titulo)
    : ventana_(ventana), historia_(historia), titulo_(std::move(titulo))
{
}

QString FolletoPasos::Cabecera(const QString& titulo, int k, int m)
{
    return QStringLiteral("%1 — paso %2 de %3").arg(titulo).arg(k).arg(m);
}

bool FolletoPasos::Imprimir(Impresora& impresora)
{
    const std::shared_ptr<const RecuerdoDibujo> mostrado = ventana_.RecordarDibujo();
    bool hecho = true;
    for (int k = 1; hecho && k <= historia_.Pasos(); ++k)
        hecho = Pagina(impresora, k);
    if (mostrado)
        ventana_.MostrarDibujo(*mostrado);
    return hecho && impresora.FinDocumento();
}

bool FolletoPasos::Pagina(Impresora& impresora, int k)
{
    const Lienzo& area = ventana_.Area().Superficie();
    const QRectF dibujo =
        EncajarEnHoja(QRectF(::Imprimir::EsquinaArea, QSizeF(area.Ancho(), area.Alto()) * ::Imprimir::EscalaArea),
                      QSizeF(AnchoHoja, AltoDibujo + 2 * ::Imprimir::EsquinaArea.y()));
    const double arriba = dibujo.bottom() + SeparacionTexto;
    QTextDocument traza;
    historia_.Copiar(k, traza);
    return DibujarPaso(impresora, k, dibujo) && impresora.Encabezado(Cabecera(titulo_, k, historia_.Pasos())) &&
           impresora.ImprimirTextoEn(
               traza, QRectF(MargenTexto, arriba, AnchoHoja - 2 * MargenTexto, AltoHoja - MargenTexto - arriba));
}

// The step's shapes drawn again on the page; a picture the area could not
// keep whole (past its memory) goes as the area shows it.
bool FolletoPasos::DibujarPaso(Impresora& impresora, int k, const QRectF& dibujo)
{
    const RecuerdoDibujo* recuerdo = historia_.Dibujo(k);
    if (const auto repetir = recuerdo ? ventana_.Repeticion(*recuerdo) : std::function<void(Lienzo&)>()) {
        const Lienzo& area = ventana_.Area().Superficie();
        const QSize medida(area.Ancho(), area.Alto());
        return impresora.DibujarFiguras(
            [&](QPainter& pintor) {
                LienzoImagen lienzo(pintor, medida, letras_);
                repetir(lienzo);
            },
            medida, dibujo);
    }
    historia_.MostrarDibujo(k);
    return impresora.DibujarImagen(ventana_.Area().ImagenNitida(Nitidez), dibujo);
}

Escritura FolletoPasos::Guardar(const QString& fichero)
{
    ImpresoraPdf pdf(fichero);
    pdf.Orientacion(1);
    if (!Imprimir(pdf))
        return {false, QStringLiteral("no se pudo dibujar")};
    return pdf.Guardar();
}
