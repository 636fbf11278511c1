// Model of the "Camino" dialog: the two ends of a route, from two lists that
// never offer the vertex chosen in the other. In the mode "Dijkstra" the
// destination list ends with "TODOS", every vertex at once.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

#include "costuras/ModeloDialogo.h"

class Camino : public ModeloDialogo {
public:
    // modo: "Camino" or "Dijkstra".
    Camino(int n, const QString& modo);

    static QString Titulo() { return QStringLiteral("Camino"); }
    static QString TextoOrigen() { return QStringLiteral("Vértice origen:    "); }
    static QString TextoDestino() { return QStringLiteral("Vértice destino:   "); }
    static QString TextoTodos() { return QStringLiteral("TODOS"); }
    static QString TextoAceptar() { return QStringLiteral("Aceptar"); }
    static QString TextoCancelar() { return QStringLiteral("Cancelar"); }

    const QStringList& ListaOrigen() const { return listaOrigen_; }
    const QStringList& ListaDestino() const { return listaDestino_; }
    // The position of each choice in its list, or -1.
    int IndiceOrigen() const { return listaOrigen_.indexOf(QString::number(origen_)); }
    int IndiceDestino() const { return listaDestino_.indexOf(todos_ ? TextoTodos() : QString::number(destino_)); }

    // A choice by position in the list; an index outside it is ignored.
    void ElegirOrigen(int indice);
    void ElegirDestino(int indice);

    std::int16_t Origen() const { return origen_; }
    std::int16_t Destino() const { return destino_; } // 0 with TODOS
    bool Todos() const { return todos_; }
    bool AceptarHabilitado() const { return origen_ > 0 && (destino_ > 0 || todos_); }

    // Closes with the choice once both ends are chosen; the caller runs the
    // algorithm after the dialog has gone.
    void Aceptar();
    void Cancelar() { cerrado_ = true; }
    bool Cerrado() const { return cerrado_; }
    // Nobody to answer: nothing runs.
    void SinPersona() override { Cancelar(); }
    bool Aceptado() const { return aceptado_; }

private:
    QStringList listaOrigen_;
    QStringList listaDestino_;
    std::int16_t origen_ = 0;
    std::int16_t destino_ = 0;
    bool todos_ = false;
    bool cerrado_ = false;
    bool aceptado_ = false;
};
