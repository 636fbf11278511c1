// Which remembered step a step window shows: the newest when it opens;
// "< Anterior" and "Siguiente >" move through the older ones without
// touching the algorithm, their trace copied back from the history and the
// work area's picture put back with it.
#pragma once

#include <QString>
#include <QTextDocument>

class HistoriaPasos;

class PasoMostrado {
public:
    explicit PasoMostrado(HistoriaPasos& historia);

    static QString TextoAnterior() { return QStringLiteral("< Anterior"); }
    static QString TextoSiguiente() { return QStringLiteral("Siguiente >"); }
    // "Paso k de m"
    QString Etiqueta() const;

    int Mostrado() const { return k_; }
    // The steps reached so far.
    int Total() const;
    bool EnUltimo() const;
    bool HayAnterior() const { return k_ > 1; }
    bool HaySiguiente() const { return !EnUltimo(); }
    void Anterior();
    void Siguiente();
    // Straight to step k (from 1), kept within the steps reached.
    void Ir(int k);
    // Back to the newest step, where the run goes on.
    void AlUltimo();
    // The step just remembered is the one shown (a window that stays open
    // from one step to the next).
    void Seguir();

    // An older step's formatted trace and its caret; the newest step's is
    // the window's own.
    QTextDocument& Copia() { return copia_; }
    int Cursor() const { return cursor_; }

private:
    void Mostrar(int k);

    HistoriaPasos& historia_;
    int k_;
    QTextDocument copia_;
    int cursor_ = 0;
};
