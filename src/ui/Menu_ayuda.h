// Model of the help browser's menu window "Menú de ayuda": the topics of a
// menu file (".men"), ten at a time with two scroll buttons, the hover
// colour, and where a click or "Salir" leads: another menu in place of this
// one, a document shown above it, or the parent menu.
#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "costuras/ModeloDialogo.h"
#include "drawing/Coordenadas.h"

class Interaccion;

struct TemaAyuda {
    QString titulo;
    QString destino; // a further menu file ("...men") or a document
};

// A menu file as read: line 1 the number of topics, line 2 the parent menu
// file or "primero", line 3 the parent's title, then title and target lines
// in pairs; a pair with an empty title is skipped.
struct ArchivoMenu {
    static constexpr int MaxTemas = 30;
    int declarados = 0;
    QString padre;
    QString tituloPadre;
    std::vector<TemaAyuda> temas; // at most MaxTemas
    bool completo = false;        // read to the end without a fault
};

// Nothing when the file cannot be read at all. A malformed first line, a
// missing line or a 31st topic stops the reading there: what was read
// before is kept and `completo` stays false.
std::optional<ArchivoMenu> LeerMenuAyuda(const QString& ruta);

// The message of a help file that cannot be loaded: its name in capitals.
QString MensajeNoCargado(const QString& nombre);
// Whether a topic's target is a further menu rather than a document.
bool EsMenu(const QString& destino);

class Menu_ayuda : public ModeloDialogo {
public:
    static constexpr int Visibles = 10;
    static constexpr int AltoTema = 360; // twips a missing topic takes off the window

    // Where a closed menu leads: the menu file and the title to open next.
    struct Destino {
        QString archivo;
        QString titulo;
    };

    // Reads `archivo`, looked for in `carpetas` (documents too are found
    // there); a file that cannot be read, or read whole, is reported
    // to `persona`, who also sees the documents opened from here.
    Menu_ayuda(Interaccion& persona, QStringList carpetas, const QString& archivo, QString titulo);

    static QString Caption() { return QStringLiteral("Menú de ayuda"); }
    static QString Label2() { return QStringLiteral(" Seleccione el tema de ayuda:"); }
    static QString TextoSalir() { return QStringLiteral("Salir"); }
    QString Label1() const { return titulo_ + QStringLiteral("  "); }

    // False when the file could not be opened: there is nothing to show.
    bool Abierto() const { return abierto_; }
    // Topics the menu offers: those declared on line 1, as far as listed.
    int NumTemas() const;
    int Mostrados() const;
    int PrimerTema() const { return primerTema_; }
    // Caption of topic label i (0..9), the topic PrimerTema + i.
    QString Opcion(int i) const;
    bool OpcionVisible(int i) const { return i >= 0 && i < Mostrados(); }
    QColor ColorOpcion(int i) const;

    bool SubirVisible() const { return primerTema_ > 0; }
    bool BajarVisible() const { return primerTema_ + Visibles < NumTemas(); }
    void Subir();
    void Bajar();
    // The pointer over topic label i, or over the background with -1.
    void Señalar(int i) { señalada_ = OpcionVisible(i) ? i : -1; }
    // A click on topic label i: a sub-menu closes this menu and takes its
    // place; a document is shown with the menu left open beneath it.
    void Elegir(int i);
    // "Salir" closes the menu; a sub-menu leads back to its parent.
    void Salir();
    // Closing the window itself leaves the help altogether.
    void Cerrar() { cerrado_ = true; }

    bool Cerrado() const { return cerrado_; }
    // Nobody to answer: left with "Salir".
    void SinPersona() override { Salir(); }
    const std::optional<Destino>& Siguiente() const { return siguiente_; }

    // Where the controls stand, in twips; the window loses AltoTema for each
    // of the ten labels it does not need.
    Rectangulo PosicionLabel1() const;
    Rectangulo PosicionLabel2() const;
    Rectangulo PosicionOpcion(int i) const;
    Rectangulo PosicionSubir() const;
    Rectangulo PosicionBajar() const;
    Rectangulo PosicionSalir() const;
    int AnchoVentana() const;
    int AltoVentana() const;

private:
    void Informar(const QString& nombre) const;
    void AbrirDocumento(const TemaAyuda& tema);

    Interaccion& persona_;
    QStringList carpetas_;
    QString titulo_;
    ArchivoMenu archivo_;
    bool abierto_ = false;
    int primerTema_ = 0;
    int señalada_ = -1;
    bool cerrado_ = false;
    std::optional<Destino> siguiente_;
};

// The help browser from its top menu: says so and opens nothing when the
// menu file is missing, else shows each menu in turn as clicks and "Salir"
// lead from one to the next, until a top menu is left.
void NavegarAyuda(Interaccion& persona, const QStringList& carpetas, const QString& archivo, const QString& titulo);
