// Model of the "Código de Prüfer de un árbol" dialog: the number of vertices
// N first (3 to 50, Enter), then the sequence's N - 2 elements one by one
// (1 to N, Enter each). Both boxes take digits, Backspace and Enter only.
// Aceptar asks whether the graph in hand may be closed; the caller then
// builds the tree of the sequence.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

#include "costuras/ModeloDialogo.h"

class Prufer : public ModeloDialogo {
public:
    static constexpr int MinVertices = 3;
    static constexpr int MaxVertices = 50;

    // `quiereCerrar` asks the person whether to close the current graph.
    explicit Prufer(std::function<bool()> quiereCerrar);

    static QString Titulo() { return QStringLiteral("Código de Prüfer de un árbol"); }
    static QString Cabecera() { return QStringLiteral("CREAR UN ÁRBOL A PARTIR DE SU CÓDIGO DE PRÜFER"); }
    static QString IndicacionVertices() { return QStringLiteral("Introduzca el número de vértices del árbol (3-50):"); }
    static QString TituloMarco() { return QStringLiteral(" Secuencia "); }
    static QString EtiquetaSecuencia() { return QStringLiteral("Secuencia:"); }
    static QString TextoAceptar() { return QStringLiteral("Aceptar"); }
    static QString TextoCancelar() { return QStringLiteral("Cancelar"); }

    // Keys as character codes (CodigosTecla.h); whether the key is taken.
    bool TeclaVertices(int codigo);
    bool TeclaElemento(int codigo);
    const QString& TextoVertices() const { return vertices_; }
    const QString& TextoElemento() const { return elemento_; }

    // The frame " Secuencia " is enabled once N is taken.
    bool SecuenciaHabilitada() const { return n_ > 0; }
    QString IndicacionElemento() const;
    // The elements entered so far, joined by " - ".
    QString Secuencia() const;
    bool Completa() const { return n_ > 0 && int(elementos_.size()) == n_ - 2; }

    void Aceptar();
    void Cancelar();
    bool Cerrado() const { return cerrado_; }
    // Nobody to answer: no tree is built.
    void SinPersona() override { Cancelar(); }
    // Closed by Aceptar with the graph in hand closed: the tree is to be built.
    bool Aceptado() const { return aceptado_; }
    int Vertices() const { return n_; }
    const std::vector<std::int16_t>& Elementos() const { return elementos_; }

private:
    std::function<bool()> quiereCerrar_;
    QString vertices_;
    QString elemento_;
    int n_ = 0;
    std::vector<std::int16_t> elementos_;
    bool cerrado_ = false;
    bool aceptado_ = false;
};
