// Model of the "Opciones de Impresión" dialog: what to print (the work area's
// picture, the trace), how many copies, which orientation, and the printing
// itself on the default printer or into a PDF file.
#pragma once

#include <QImage>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <cstdint>
#include <functional>

#include "costuras/ModeloDialogo.h"

class Impresora;
class Interaccion;
class QTextDocument;

class Imprimir : public ModeloDialogo {
public:
    // What there is to print; the work area's size is in twips.
    struct Contenido {
        const QImage& area;
        QSizeF areaTwips;
        const QTextDocument& traza;
        std::function<void()> mostrarTraza; // the pane shows while it prints
        QString nombrePdf;                  // offered when saving as PDF
    };

    static constexpr std::int16_t MaxCopias = 100;
    // Where the work area's picture lands on the page, in twips, and its scale.
    static constexpr QPointF EsquinaArea{400, 800};
    static constexpr double EscalaArea = 0.8;

    Imprimir(Interaccion& interaccion, Impresora& impresora, Contenido contenido);

    static QString Titulo() { return QStringLiteral("Opciones de Impresión"); }
    static QString TextoFrame1() { return QStringLiteral("Imprimir "); }
    static QString TextoCheck1() { return QStringLiteral("Área de trabajo"); }
    static QString TextoCheck2() { return QStringLiteral("Cuadro de resultados"); }
    static QString TextoFrame2() { return QStringLiteral("Orientación"); }
    static QString TextoCopias() { return QStringLiteral(" Copias:"); }
    static QString TextoAceptar() { return QStringLiteral("Aceptar"); }
    static QString TextoCancelar() { return QStringLiteral("Cancelar"); }
    static QString TextoPdf() { return QStringLiteral("Guardar como PDF..."); }
    static QString TextoError() { return QStringLiteral("Hubo un problema al imprimir en su impresora."); }

    std::int16_t Copias() const { return copias_; }
    QString Text1() const { return QString::number(copias_); }
    bool UpHabilitado() const { return copias_ < MaxCopias; }
    bool DownHabilitado() const { return copias_ > 1; }
    void Up();
    void Down();

    // 1 portrait (Option1(0), Picture1), 2 landscape (Option1(1), Picture2).
    int Orientacion() const { return orientacion_; }
    void Option1_Click(int indice) { PonerOrientacion(indice + 1); }
    void Picture1_Click() { PonerOrientacion(1); }
    void Picture2_Click() { PonerOrientacion(2); }

    bool Check1() const { return check1_; }
    bool Check2() const { return check2_; }
    bool Check2Habilitado() const { return check2Habilitado_; }
    void Check1_Click(bool marcado);
    void Check2_Click(bool marcado);
    bool AceptarHabilitado() const { return check1_ || check2_; }

    // Prints every copy and closes; a printer error stops the copies left.
    void Aceptar();
    // The same pages into a PDF file the user names; closes once written.
    void GuardarPdf();
    void Cancelar();
    bool Cerrado() const { return cerrado_; }
    // Nobody to answer: nothing is printed.
    void SinPersona() override { Cancelar(); }

    // Called after every change a view shows, closing included.
    std::function<void()> alCambiar;

private:
    void PonerOrientacion(int orientacion);
    [[nodiscard]] bool ImprimirCopias(Impresora& destino);
    void Notificar();
    void Cerrar();

    Interaccion& interaccion_;
    Impresora& impresora_;
    Contenido contenido_;
    std::int16_t copias_ = 1;
    int orientacion_ = 1;
    bool check1_ = true;
    bool check2_;
    bool check2Habilitado_;
    bool cerrado_ = false;
};
