// Model of the help browser's text window "Ayuda": a topic's title and its
// document, read as rich text (HTML; plain text is shown as it is) with the
// pictures it names beside it.
#pragma once

#include <QString>
#include <QTextDocument>

#include "costuras/ModeloDialogo.h"
#include "drawing/Coordenadas.h"

class Ayuda : public ModeloDialogo {
public:
    Ayuda(QString ruta, QString titulo);
    Ayuda(const Ayuda&) = delete;
    Ayuda& operator=(const Ayuda&) = delete;

    static QString Caption() { return QStringLiteral("Ayuda"); }
    static QString TextoSalir() { return QStringLiteral("Salir"); }
    const QString& Titulo() const { return titulo_; }
    const QString& Ruta() const { return ruta_; }

    // Reads the document into Text1; false when it cannot be read.
    [[nodiscard]] bool Cargar();
    // Text1's content; relative picture names resolve from the document's folder.
    QTextDocument& Documento() { return documento_; }
    const QTextDocument& Documento() const { return documento_; }

    // Where the controls stand, in twips, on a screen this many twips high:
    // a window at least as tall as the screen gets a shorter text pane.
    struct Disposicion {
        Rectangulo titulo;
        Rectangulo texto;
        Rectangulo salir;
        int ancho = 0;
        int alto = 0;
    };
    static Disposicion Geometria(int altoPantalla);

    void Salir() { cerrado_ = true; }
    bool Cerrado() const { return cerrado_; }
    void SinPersona() override { Salir(); }

private:
    QString ruta_;
    QString titulo_;
    QTextDocument documento_;
    bool cerrado_ = false;
};
