// Model of the "Identificar Vértices" dialog: two lists of vertices that
// exclude each other's choice, and the merge of the two chosen vertices into
// the smaller one.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

#include "costuras/ModeloDialogo.h"

class Grafo;

class IdentificarVert : public ModeloDialogo {
public:
    // `redibujar` clears the work area and draws the merged graph.
    IdentificarVert(Grafo& grafo, std::function<void()> redibujar);

    static QString Titulo() { return QStringLiteral("Identificar Vértices"); }
    static QString TextoLabel1() { return QStringLiteral("Identificar el vértice:"); }
    static QString TextoLabel2() { return QStringLiteral("con el:"); }
    static QString TextoAceptar() { return QStringLiteral("Aceptar"); }
    static QString TextoCancelar() { return QStringLiteral("Cancelar"); }

    // The items of Combo1 and Combo2, vertex numbers in plain decimal.
    const QStringList& Lista1() const { return lista1_; }
    const QStringList& Lista2() const { return lista2_; }
    // The position of the chosen vertex in each list, or -1.
    int Indice1() const { return lista1_.indexOf(QString::number(PrimerVertice_)); }
    int Indice2() const { return lista2_.indexOf(QString::number(SegundoVertice_)); }

    // A choice by position in the list; an index outside the list is ignored.
    void ElegirEnCombo1(int indice);
    void ElegirEnCombo2(int indice);

    std::int16_t PrimerVertice() const { return PrimerVertice_; }
    std::int16_t SegundoVertice() const { return SegundoVertice_; }
    bool AceptarHabilitado() const { return PrimerVertice_ > 0 && SegundoVertice_ > 0; }

    // Merges the larger chosen vertex into the smaller one, with its undo
    // record, redraws and closes; does nothing until both are chosen.
    void Aceptar();
    void Cancelar() { cerrado_ = true; }
    bool Cerrado() const { return cerrado_; }
    // Nobody to answer: nothing is merged.
    void SinPersona() override { Cancelar(); }
    bool Aceptado() const { return aceptado_; }

private:
    Grafo& grafo_;
    std::function<void()> redibujar_;
    QStringList lista1_;
    QStringList lista2_;
    std::int16_t PrimerVertice_ = 0;
    std::int16_t SegundoVertice_ = 0;
    bool cerrado_ = false;
    bool aceptado_ = false;
};
