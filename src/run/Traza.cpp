#include "run/Traza.h"

#include <QTextCursor>
#include <QTextDocumentFragment>
#include <algorithm>
#include <vector>

namespace {

// The document holds a CR LF as one paragraph break and no lone CR.
QString ParaDocumento(QString texto)
{
    texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    texto.remove(u'\r');
    return texto;
}

// For every position of the trace text, the matching document position.
std::vector<int> PosicionesEnDocumento(const QString& texto)
{
    std::vector<int> posicion(texto.size() + 1);
    int enDocumento = 0;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        posicion[i] = enDocumento;
        if (texto[i] != u'\r')
            ++enDocumento;
    }
    posicion[texto.size()] = enDocumento;
    return posicion;
}

} // namespace

Traza::Traza()
{
    QFont letra = documento_.defaultFont();
    letra.setPointSizeF(TamañoLetra);
    documento_.setDefaultFont(letra);
    QTextOption opcion = documento_.defaultTextOption();
    opcion.setTabStopDistance(Tabulacion);
    documento_.setDefaultTextOption(opcion);
}

QString Traza::TextoPlano() const
{
    QString plano = texto_;
    plano.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return plano;
}

void Traza::Vaciar()
{
    cambiada_ = true;
    texto_.clear();
    pendiente_.clear();
    documento_.clear();
}

void Traza::PonerTexto(const QString& texto)
{
    Vaciar();
    Añadir(texto);
}

void Traza::Añadir(const QString& texto)
{
    texto_ += texto;
    pendiente_ += texto;
}

void Traza::Volcar()
{
    if (pendiente_.isEmpty())
        return;
    AlFinal(pendiente_, QColor()); // the pane's own colour
    pendiente_.clear();
}

void Traza::AlFinal(const QString& texto, const QColor& color)
{
    QTextCursor cursor(&documento_);
    cursor.movePosition(QTextCursor::End);
    QTextCharFormat formato;
    formato.setFontPointSize(tamañoLetra_);
    if (color.isValid())
        formato.setForeground(color);
    cursor.insertText(ParaDocumento(texto), formato);
}

void Traza::PonerAlineacion(Qt::Alignment alineacion)
{
    Volcar(); // the line being written may still be pending
    cambiada_ = true;
    QTextCursor cursor(&documento_);
    cursor.movePosition(QTextCursor::End);
    QTextBlockFormat formato;
    formato.setAlignment(alineacion);
    // A line break splits the block, and the new line inherits its alignment.
    cursor.mergeBlockFormat(formato);
}

void Traza::CambiarFinal(int longitud, const QString& texto, const QColor& color)
{
    Volcar();
    cambiada_ = true;
    const qsizetype desde = std::max<qsizetype>(0, texto_.size() - longitud);
    const std::vector<int> posicion = PosicionesEnDocumento(texto_);
    QTextCursor cursor(&documento_);
    cursor.setPosition(posicion[desde]);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    texto_.truncate(desde);
    texto_ += texto;
    AlFinal(texto, color);
}

void Traza::AñadirTraza(const QString& texto, bool negrita, const QColor& color)
{
    numFormatos_ = numFormatos_ >= MAX_FORMATOS ? 1 : numFormatos_ + 1;
    formatos_[numFormatos_] = {static_cast<std::int16_t>(texto.size()), negrita, color};
    Añadir(texto);
}

void Traza::PonerFormato(int indice, const FormatoTraza& formato)
{
    formatos_[Indice(indice)] = formato;
}

const FormatoTraza& Traza::Formato(int indice) const
{
    return formatos_[Indice(indice)];
}

int Traza::AplicarFormatos(QTextDocument& destino) const
{
    if (&destino == &documento_)
        cambiada_ = true;
    return AplicarFormatos(texto_, formatos_, destino);
}

int Traza::CopiarEn(QTextDocument& destino)
{
    destino.setDefaultFont(Documento().defaultFont());
    destino.setDefaultTextOption(documento_.defaultTextOption());
    // A copy, letter sizes included (Dijkstra's table is smaller).
    QTextCursor(&destino).insertFragment(QTextDocumentFragment(&documento_));
    return AplicarFormatos(destino);
}

int Traza::AplicarFormatos(const QString& texto, const TablaFormatos& formatos, QTextDocument& destino)
{
    const std::vector<int> posicion = PosicionesEnDocumento(texto);
    const int finDocumento = destino.characterCount() - 1;
    QTextCursor cursor(&destino);
    cursor.beginEditBlock();
    int inicio = 0;
    for (int i = 1; i <= MAX_FORMATOS && formatos[i].longitud >= 1; ++i) {
        const int fin = std::min<int>(inicio + formatos[i].longitud, texto.size());
        QTextCharFormat formato;
        formato.setFontWeight(formatos[i].negrita ? QFont::Bold : QFont::Normal);
        // No brush: the pane's own text colour.
        formato.setForeground(formatos[i].color.isValid() ? QBrush(formatos[i].color) : QBrush());
        cursor.setPosition(std::min(posicion[inicio], finDocumento));
        cursor.setPosition(std::min(posicion[fin], finDocumento), QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(formato);
        inicio = fin;
    }
    cursor.endEditBlock();
    return std::min(posicion[inicio], finDocumento);
}
