// The question at start for a graph left unsaved by an instance that is
// gone: Recuperar, Descartar or Más tarde.
#pragma once

#include <QDateTime>
#include <QString>

#include "costuras/ModeloDialogo.h"

class OfertaRecuperacion : public ModeloDialogo {
public:
    enum class Respuesta { Recuperar, Descartar, MasTarde };

    // `nombre`: the graph's short name; `hora`: when its copy was written.
    OfertaRecuperacion(const QString& nombre, const QDateTime& hora);

    const QString& Texto() const { return texto_; }
    static QString Titulo() { return QStringLiteral("Recuperar"); }
    static QString TextoRecuperar() { return QStringLiteral("Recuperar"); }
    static QString TextoDescartar() { return QStringLiteral("Descartar"); }
    static QString TextoMasTarde() { return QStringLiteral("Más tarde"); }

    void Responder(Respuesta respuesta) { respuesta_ = respuesta; }
    Respuesta Elegida() const { return respuesta_; }
    // Nobody to answer: the copy waits for a start with somebody there.
    void SinPersona() override { respuesta_ = Respuesta::MasTarde; }

private:
    QString texto_;
    Respuesta respuesta_ = Respuesta::MasTarde;
};
