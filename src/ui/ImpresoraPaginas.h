// A printer over any paged device: the real printer (one job per document)
// or a PDF file (every document goes in, page after page).
#pragma once

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QString>
#include <memory>
#include <optional>

#include "costuras/Impresora.h"
#include "files/EscrituraAtomica.h"

class Interaccion;
class QPagedPaintDevice;

class ImpresoraPaginas : public Impresora {
public:
    enum class Documentos { UnTrabajoCada, TodosEnUno };

    ImpresoraPaginas(QPagedPaintDevice& dispositivo, Documentos documentos);
    ~ImpresoraPaginas() override;

    void Orientacion(int orientacion) override;
    bool DibujarImagen(const QImage& imagen, const QRectF& twips) override;
    bool DibujarFiguras(const Figuras& dibujar, QSizeF medida, const QRectF& twips) override;
    bool FinDocumento() override;
    void AbandonarDocumento() override;
    bool ImprimirTexto(const QTextDocument& texto) override;
    bool Encabezado(const QString& texto) override;
    bool ImprimirTextoEn(const QTextDocument& texto, const QRectF& twips) override;

    // Ends the document in progress; false when the device refused it.
    [[nodiscard]] bool Terminar();

protected:
    // Drops what was sent of the document in progress (a printer's job).
    virtual void Abortar() {}

private:
    // Readies the next page: starts painting or turns the page.
    [[nodiscard]] bool Pagina();
    // Where a picture meant for these twips goes on the page, in the device's
    // units, its page opened; nothing when the device refused the page.
    std::optional<QRectF> LugarDibujo(const QRectF& twips);
    double DispositivoPorTwip() const;
    // A copy of the text laid out on the device, so the characters keep
    // their size in points.
    std::unique_ptr<QTextDocument> EnDispositivo(const QTextDocument& texto);

    QPagedPaintDevice& dispositivo_;
    Documentos documentos_;
    QPainter pintor_;
    bool paginaUsada_ = false;
};

// Where a picture meant for this rectangle lands on a sheet of this size (both
// in the same units): where it was meant, or shrunk to fit, keeping its
// proportions and leaving margins as wide as its left and top offsets.
QRectF EncajarEnHoja(const QRectF& rectangulo, const QSizeF& hoja);

// The PDF document in memory; a base of ImpresoraPdf so that it is built first.
struct DocumentoPdf {
    DocumentoPdf();
    QBuffer memoria;
    QPdfWriter escritor{&memoria};
};

// A PDF file that receives everything printed, page after page, and is
// written in one step by Guardar; nothing is written without it.
class ImpresoraPdf : private DocumentoPdf, public ImpresoraPaginas {
public:
    explicit ImpresoraPdf(const QString& fichero);
    // Ends the document and replaces the file with it.
    Escritura Guardar();

private:
    QString fichero_;
};

// The documents' PDF filter for the file dialogs.
inline const QString FiltroPdf = QStringLiteral("Documento PDF (*.pdf)|*.pdf");

// Tells the person why a PDF could not be written, or what its writing
// warned of (under `titulo`); nothing when it went well.
void DecirPdfEscrito(Interaccion& interaccion, const Escritura& escritura, const QString& fichero,
                     const QString& titulo);
