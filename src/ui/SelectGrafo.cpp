#include "ui/SelectGrafo.h"

#include "model/Grafo.h"

SelectGrafo::SelectGrafo(Grafo& grafo, std::function<void(int)> ponerIndiceTipo)
    : grafo_(grafo), ponerIndiceTipo_(std::move(ponerIndiceTipo))
{
}

QString SelectGrafo::TextoOpcion(int i)
{
    static const char* const textos[NumOpciones] = {"Simple", "Ponderado", "Digrafo", "Digrafo Ponderado"};
    return i >= 0 && i < NumOpciones ? QString::fromUtf8(textos[i]) : QString();
}

void SelectGrafo::Elegir(int opcion)
{
    if (!cerrado_ && opcion >= 0 && opcion < NumOpciones)
        TipoElegido_ = static_cast<std::int16_t>(opcion);
}

void SelectGrafo::Descargar()
{
    if (cerrado_)
        return;
    cerrado_ = true;
    // The option reads "Digrafo Ponderado"; the record's name has an underscore.
    grafo_.InsertarTipo(NombreTipo(TipoElegido_));
    if (ponerIndiceTipo_)
        ponerIndiceTipo_(TipoElegido_);
}
