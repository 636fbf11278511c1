#include "run/HistoriaPasos.h"

#include <QTextCursor>
#include <QTextDocumentFragment>
#include <algorithm>
#include <iterator>

#include "run/VentanaEjecucion.h"

namespace {

// The characters from..to of a document, formats included, added at the end
// of another.
void CopiarTrozo(const QTextDocument& origen, int desde, int hasta, QTextDocument& destino)
{
    QTextCursor seleccion(const_cast<QTextDocument*>(&origen));
    seleccion.setPosition(desde);
    seleccion.setPosition(hasta, QTextCursor::KeepAnchor);
    QTextCursor final(&destino);
    final.movePosition(QTextCursor::End);
    final.insertFragment(seleccion.selection());
}

int Largo(const QTextDocument& documento)
{
    return documento.characterCount() - 1;
}

} // namespace

void HistoriaPasos::Recordar(Traza& traza, int cursor)
{
    Paso paso;
    paso.tramo = TramoPara(traza);
    paso.largoTexto = static_cast<int>(traza.Texto().size());
    paso.largoDocumento = Largo(traza.Documento());
    paso.formatos = FormatosPara(traza);
    paso.cursor = cursor;
    paso.dibujo = ventana_.RecordarDibujo();
    pasos_.push_back(std::move(paso));
}

void HistoriaPasos::Añadir(HistoriaPasos&& otra)
{
    std::move(otra.pasos_.begin(), otra.pasos_.end(), std::back_inserter(pasos_));
    otra.Olvidar();
}

// The last step's stretch of trace when the trace has only grown since; a
// new one otherwise.
std::shared_ptr<HistoriaPasos::Tramo> HistoriaPasos::TramoPara(Traza& traza)
{
    const QTextDocument& vivo = traza.Documento();
    const bool cambiada = traza.TomarCambio();
    if (!pasos_.empty() && !cambiada) {
        const Paso& ultimo = pasos_.back();
        Tramo& tramo = *ultimo.tramo;
        tramo.texto += traza.Texto().mid(ultimo.largoTexto);
        CopiarTrozo(vivo, ultimo.largoDocumento, Largo(vivo), tramo.documento);
        return ultimo.tramo;
    }
    auto tramo = std::make_shared<Tramo>();
    tramo->texto = traza.Texto();
    tramo->documento.setDefaultFont(vivo.defaultFont());
    tramo->documento.setDefaultTextOption(vivo.defaultTextOption());
    CopiarTrozo(vivo, 0, Largo(vivo), tramo->documento);
    return tramo;
}

std::shared_ptr<const HistoriaPasos::Bloques> HistoriaPasos::FormatosPara(const Traza& traza) const
{
    const Traza::TablaFormatos& tabla = traza.Formatos();
    const Bloques* anterior = pasos_.empty() ? nullptr : pasos_.back().formatos.get();
    auto bloques = std::make_shared<Bloques>();
    bool iguales = anterior != nullptr;
    for (std::size_t desde = 0, b = 0; desde < tabla.size(); desde += PorBloque, ++b) {
        Bloque bloque{};
        std::copy_n(tabla.begin() + desde, std::min<std::size_t>(PorBloque, tabla.size() - desde), bloque.begin());
        if (anterior && *(*anterior)[b] == bloque) {
            bloques->push_back((*anterior)[b]);
            continue;
        }
        iguales = false;
        bloques->push_back(std::make_shared<const Bloque>(bloque));
    }
    return iguales ? pasos_.back().formatos : bloques;
}

int HistoriaPasos::Copiar(int k, QTextDocument& destino) const
{
    const Paso& paso = pasos_.at(k - 1);
    const Tramo& tramo = *paso.tramo;
    destino.setDefaultFont(tramo.documento.defaultFont());
    destino.setDefaultTextOption(tramo.documento.defaultTextOption());
    CopiarTrozo(tramo.documento, 0, paso.largoDocumento, destino);
    auto tabla = std::make_unique<Traza::TablaFormatos>();
    for (std::size_t b = 0; b < paso.formatos->size(); ++b) {
        const Bloque& bloque = *(*paso.formatos)[b];
        const std::size_t desde = b * PorBloque;
        std::copy_n(bloque.begin(), std::min<std::size_t>(PorBloque, tabla->size() - desde), tabla->begin() + desde);
    }
    Traza::AplicarFormatos(tramo.texto.left(paso.largoTexto), *tabla, destino);
    return paso.cursor;
}

void HistoriaPasos::MostrarDibujo(int k) const
{
    if (const auto& dibujo = pasos_.at(k - 1).dibujo)
        ventana_.MostrarDibujo(*dibujo);
}
