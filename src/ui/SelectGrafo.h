// Model of the "Tipo de Grafo" dialog: the type chosen for a new graph, which
// is applied whenever the dialog unloads, by Aceptar or by closing it.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>

#include "costuras/ModeloDialogo.h"

class Grafo;

class SelectGrafo : public ModeloDialogo {
public:
    static constexpr int NumOpciones = 4;

    // `ponerIndiceTipo` selects the entry of the main window's type list.
    SelectGrafo(Grafo& grafo, std::function<void(int)> ponerIndiceTipo);

    static QString Titulo() { return QStringLiteral("Tipo de Grafo"); }
    static QString TextoLabel1() { return QStringLiteral("Seleccione el tipo de grafo que desea crear"); }
    static QString TextoAceptar() { return QStringLiteral("Aceptar"); }
    // "Simple", "Ponderado", "Digrafo", "Digrafo Ponderado"; "" outside 0..3.
    static QString TextoOpcion(int i);

    std::int16_t TipoElegido() const { return TipoElegido_; }
    // Ignored outside 0..3 and once the dialog has unloaded.
    void Elegir(int opcion);

    // Both unload, which applies the chosen type once.
    void Aceptar() { Descargar(); }
    void Cerrar() { Descargar(); }
    bool Cerrado() const { return cerrado_; }
    // Nobody to answer: the current choice is applied, as closing applies it.
    void SinPersona() override { Cerrar(); }

private:
    void Descargar();

    Grafo& grafo_;
    std::function<void(int)> ponerIndiceTipo_;
    std::int16_t TipoElegido_ = 0;
    bool cerrado_ = false;
};
