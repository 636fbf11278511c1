#include "gui/ImpresoraSistema.h"

#include <QPrinterInfo>

namespace {

std::unique_ptr<QPrinter> PrinterPredeterminada()
{
    auto impresora = std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    // Places on the page are measured from its corner, not from the printable area.
    impresora->setFullPage(true);
    // Without a printer Qt would fall back on a PDF file with no name.
    if (QPrinterInfo::defaultPrinter().isNull())
        impresora->setOutputFormat(QPrinter::NativeFormat);
    return impresora;
}

} // namespace

ImpresoraSistema::ImpresoraSistema() : ImpresoraSistema(PrinterPredeterminada()) {}

ImpresoraSistema::ImpresoraSistema(std::unique_ptr<QPrinter> impresora)
    : ImpresoraPaginas(*impresora, Documentos::UnTrabajoCada), impresora_(std::move(impresora))
{
}
