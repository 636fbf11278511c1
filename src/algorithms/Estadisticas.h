// The statistics window's model: type, vertex and edge counts, number of
// connected components and the degree sequence from the largest degree
// down, 16 numbers a line, with the frame that grows with the lines.
#pragma once

#include <QString>
#include <array>

#include "costuras/ModeloDialogo.h"
#include "drawing/Coordenadas.h"

class Grafo;
struct Contexto;

class Estadisticas : public ModeloDialogo {
public:
    static constexpr int EtiquetasGrado = 7; // EtiqGrado(0), the heading, and six lines
    static constexpr int NumerosPorLinea = 16;
    static constexpr int AltoLinea = 480;

    // Fills every text as the window does when it opens; the degrees must
    // have been counted (Grafo::ContarGrados).
    explicit Estadisticas(const Grafo& grafo);

    static QString Titulo() { return QStringLiteral("Estadísticas del Grafo"); }
    static QString TextoAceptar() { return QStringLiteral("Aceptar"); }

    const QString& Tipo() const { return tipo_; }
    const QString& Vert() const { return vert_; }
    const QString& Aristas() const { return aristas_; }
    const QString& Etiq_Conec() const { return conec_; }
    // 0 is the heading "Sucesión de grados: ", 1.. the lines of the sequence.
    const QString& EtiqGrado(int i) const { return grados_[i]; }
    int Lineas() const { return lineas_; }
    bool EtiqGradoVisible(int i) const { return i <= lineas_; }

    // Where the controls stand, in twips: the four labels above (0 Tipo ..
    // 3 Etiq_Conec), cuadro3 and, inside it, EtiqGrado, then Aceptar.
    static Rectangulo PosicionDato(int fila);
    Rectangulo Cuadro3() const;
    Rectangulo PosicionEtiqGrado(int i) const;
    Rectangulo BotonAceptar() const;
    int AnchoVentana() const;
    int AltoVentana() const;

    // The labels one per line, the sequence lines after the heading: what
    // the command line prints.
    QString Texto() const;

    void Aceptar() { cerrado_ = true; }
    bool Cerrado() const { return cerrado_; }
    void SinPersona() override { Aceptar(); }

private:
    void LlenarSucesion(const Grafo& grafo);

    QString tipo_;
    QString vert_;
    QString aristas_;
    QString conec_;
    std::array<QString, EtiquetasGrado> grados_;
    int lineas_ = 1;
    bool cerrado_ = false;
};

// The Estadísticas command, also the command line's "Estadisticas": counts
// the degrees again, then shows the window.
void MostrarEstadisticas(Contexto& contexto);
