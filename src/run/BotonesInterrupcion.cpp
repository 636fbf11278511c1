#include "run/BotonesInterrupcion.h"

#include <QTextCursor>
#include <QTextDocumentFragment>

#include "run/BanderasEjecucion.h"
#include "run/Traza.h"

BotonesInterrupcion::BotonesInterrupcion(BanderasEjecucion& banderas, Traza& traza,
                                         std::function<void(const QTextDocument&)> imprimir)
    : banderas_(banderas), imprimir_(std::move(imprimir))
{
    texto_.setDefaultFont(traza.Documento().defaultFont());
    texto_.setDefaultTextOption(traza.Documento().defaultTextOption());
    // A copy, letter sizes included (Dijkstra's table is smaller).
    QTextCursor(&texto_).insertFragment(QTextDocumentFragment(&traza.Documento()));
    cursor_ = traza.AplicarFormatos(texto_);
}

void BotonesInterrupcion::Cerrar()
{
    cerrado_ = true;
}

void BotonesInterrupcion::Continuar()
{
    Cerrar();
}

void BotonesInterrupcion::Terminar()
{
    banderas_.EjecucionCompleta = true;
    textoVisible_ = false;
    Cerrar();
}

void BotonesInterrupcion::Imprimir()
{
    if (imprimir_)
        imprimir_(texto_);
}

void BotonesInterrupcion::Escape()
{
    banderas_.EscapePulsado = true;
    Continuar();
}
