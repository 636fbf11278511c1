// Every algorithm command of the program, once: its menu control, caption and
// place in the menus, the run name its step-by-step dialog shows, the
// algorithm, what it asks before running, the graph types the window offers
// it for, and its names and options in `nodeva-cli ejecutar`. The window's
// menus and their enabling, the step-by-step dialog and the command line all
// read this table; a new algorithm is one row here and its own files.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "drawing/Dibujo.h"
#include "model/Tipos.h"
#include "run/Algoritmo.h"

class EstadoComandos;

// What the window asks before the run, each through its own dialog.
enum class Pregunta {
    Ninguna,
    OrdenUsuario,   // the vertices clicked one by one on the work area
    Raiz,           // the root of a search tree
    Camino,         // origin and destination
    CaminoDijkstra, // origin and destination, or every vertex
    Prufer,         // a Prüfer sequence, for a new graph of its tree
};

// Which answer of Parametros a command-line option gives.
enum class Campo {
    Raiz,    // a vertex number
    Origen,  // a vertex number
    Destino, // a vertex number, or TODOS where the row allows it
    Lista,   // numbers separated by commas
    Semilla, // a whole number that fixes the random source for the run
    Clics,   // vertices separated by commas, clicked on the work area in turn
    Orden,   // vertices separated by commas, each once (a repeat is ignored), all of them
    Codigo,  // a Prüfer sequence: 1 to 48 numbers from 1 to its length + 2
};

struct OpcionOrden {
    QString nombre; // "--raiz"
    QString valor;  // how the help shows its value: "N"
    Campo campo;
    QString ayuda; // one line for the help
    bool obligatoria = true;
};

struct OrdenAlgoritmo {
    QString control; // the menu command
    QString titulo;  // its caption, with its access key
    QString menu;    // the menu or submenu that holds it
    // The entry it follows in that menu; "" for the first one. Its own
    // entries follow it in the catalogue's order of rows.
    QString tras;
    bool activo = true; // enabled before any graph is opened
    // Enabled or disabled by its types (`tipos`) each time a graph is taken
    // up for editing; otherwise its state follows the rules of its menu
    // (the search tree's size, the simple graphs' commands).
    bool segunTipoAlEmpezar = false;
    // Enabled or disabled by its types when the user changes the graph's
    // type, save a change from `intactaDesde`, which leaves it as it was.
    bool segunTipoAlConvertir = false;
    int intactaDesde = -1;
    // Enabled or disabled by its types each time the graph in hand changes.
    bool segunTipoAlEditar = false;
    QString ejecucion;   // the run name; "" for a command that runs at once
    QString tituloPasos; // the mode dialog's caption when not "Algoritmo de <run name>"
    Algoritmo algoritmo = nullptr;
    Pregunta pregunta = Pregunta::Ninguna;
    bool preguntaTrasModo = false; // asked once "Paso a Paso" or "Completo" is chosen
    // It runs on behalf of its own menu command (DesdeMenu), set before its
    // question; a silent helper of other algorithms otherwise.
    bool desdeMenu = false;
    // It replaces the graph in hand at once, with no run frame and no trace:
    // what it leaves is the result (the Operations menu).
    bool operacion = false;
    // It builds a new graph from its answers: the command line takes no file.
    bool sinArchivo = false;
    // What its drawing colours mean, for the work area's description in
    // words; empty: each colour is named as it is.
    Leyenda leyenda;
    QStringList cli; // its names in nodeva-cli ejecutar, the first one listed
    std::vector<OpcionOrden> opciones;
    // The types the window offers it for: those on which it is enabled when
    // a graph of that type is opened (a later type change may disable it).
    Tipos tipos = TodosLosTipos;
    // Where the algorithm itself accepts more types than its menu entry is
    // offered for, the command line runs it on these.
    Tipos tiposCli = 0; // 0: the same as tipos

    Tipos TiposCli() const { return tiposCli != 0 ? tiposCli : tipos; }
    QString TituloPasos() const
    {
        return tituloPasos.isEmpty() ? QStringLiteral("Algoritmo de ") + ejecucion : tituloPasos;
    }

    // The rows are written as Orden(...).Paso("Kruskal").Para(...): each
    // setter fills one field of a row under construction.
    OrdenAlgoritmo EnMenu(QString padre, QString caption, QString anterior = {}) &&
    {
        menu = std::move(padre);
        titulo = std::move(caption);
        tras = std::move(anterior);
        return std::move(*this);
    }
    OrdenAlgoritmo Inactiva() &&
    {
        activo = false;
        return std::move(*this);
    }
    OrdenAlgoritmo SegunTipoAlEmpezar() &&
    {
        segunTipoAlEmpezar = true;
        return std::move(*this);
    }
    OrdenAlgoritmo SegunTipoAlConvertir(int salvoDesde = -1) &&
    {
        segunTipoAlConvertir = true;
        intactaDesde = salvoDesde;
        return std::move(*this);
    }
    OrdenAlgoritmo SegunTipoAlEditar() &&
    {
        segunTipoAlEditar = true;
        return std::move(*this);
    }
    OrdenAlgoritmo Paso(QString nombre, QString titulo = {}) &&
    {
        ejecucion = std::move(nombre);
        tituloPasos = std::move(titulo);
        return std::move(*this);
    }
    OrdenAlgoritmo Pide(Pregunta p) &&
    {
        pregunta = p;
        return std::move(*this);
    }
    OrdenAlgoritmo PideTrasModo(Pregunta p) &&
    {
        pregunta = p;
        preguntaTrasModo = true;
        return std::move(*this);
    }
    OrdenAlgoritmo MarcaDesdeMenu() &&
    {
        desdeMenu = true;
        return std::move(*this);
    }
    OrdenAlgoritmo Operacion() &&
    {
        operacion = true;
        return std::move(*this);
    }
    OrdenAlgoritmo SinArchivo() &&
    {
        sinArchivo = true;
        return std::move(*this);
    }
    OrdenAlgoritmo Con(OpcionOrden o) &&
    {
        opciones.push_back(std::move(o));
        return std::move(*this);
    }
    OrdenAlgoritmo Significa(const Leyenda& l) &&
    {
        leyenda = l;
        return std::move(*this);
    }
    OrdenAlgoritmo Para(Tipos t) &&
    {
        tipos = t;
        return std::move(*this);
    }
    OrdenAlgoritmo EnCliPara(Tipos t) &&
    {
        tiposCli = t;
        return std::move(*this);
    }
};

// A row that runs at once, for every type, asking nothing.
inline OrdenAlgoritmo Orden(QString control, Algoritmo algoritmo, QStringList cli)
{
    OrdenAlgoritmo orden;
    orden.control = std::move(control);
    orden.algoritmo = algoritmo;
    orden.cli = std::move(cli);
    return orden;
}

// In the order of the menus.
const std::vector<OrdenAlgoritmo>& Ordenes();
// The row of that menu command, run name or command-line name; nullptr when
// there is none.
const OrdenAlgoritmo* OrdenPorControl(const QString& control);
const OrdenAlgoritmo* OrdenPorEjecucion(const QString& nombre);
const OrdenAlgoritmo* OrdenPorCli(const QString& nombre);
// Tells these command states which commands follow the graph's type as the
// graph changes (the rows marked SegunTipoAlEditar).
void OfrecerSegunTipo(EstadoComandos& comandos);
