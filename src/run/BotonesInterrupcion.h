// The step window's model: a formatted copy of the trace so far and the
// buttons that resume the run, finish it without more pauses, or print.
#pragma once

#include <QTextDocument>
#include <functional>

struct BanderasEjecucion;
class Traza;

class BotonesInterrupcion {
public:
    // `imprimir` opens the print options for the window's copy.
    BotonesInterrupcion(BanderasEjecucion& banderas, Traza& traza,
                        std::function<void(const QTextDocument&)> imprimir);

    static QString TextoContinuar() { return QStringLiteral("Continuar"); }
    static QString TextoTerminar() { return QStringLiteral("Fin"); }
    static QString TextoImprimir() { return QStringLiteral("Imprimir"); }

    QTextDocument& Texto() { return texto_; }
    int PosicionCursor() const { return cursor_; }
    bool TextoVisible() const { return textoVisible_; }

    void Continuar();
    // No more pauses: the algorithm runs to its end.
    void Terminar();
    void Imprimir();
    // Escape continues, and tells the Eulerian algorithms it was pressed.
    void Escape();
    bool Cerrado() const { return cerrado_; }

private:
    void Cerrar();

    BanderasEjecucion& banderas_;
    std::function<void(const QTextDocument&)> imprimir_;
    QTextDocument texto_;
    int cursor_ = 0;
    bool textoVisible_ = true;
    bool cerrado_ = false;
};
