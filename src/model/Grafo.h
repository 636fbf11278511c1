// Grafo: the one graph record of the program (type, vertices, edges, the
// 50 x 50 adjacency/weight matrix, positions, degrees) with the editing
// operations a user performs on it and their undo.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "model/Seleccion.h"

class EstadoComandos;
class Interaccion;

// Graph type codes: weighted when odd, directed when 2 or more.
namespace TipoGrafo {
inline constexpr int Simple = 0;
inline constexpr int Ponderado = 1;
inline constexpr int Digrafo = 2;
inline constexpr int Digrafo_Ponderado = 3;
} // namespace TipoGrafo

inline constexpr bool EsPonderado(int tipo)
{
    return tipo % 2 == 1;
}
inline constexpr bool EsDirigido(int tipo)
{
    return tipo > 1;
}
// The type's name as files and the type list spell it; "" for an unknown code.
QString NombreTipo(int tipo);
// The code of a type name (case-sensitive), or -1.
int CodigoTipo(const QString& nombre);

// The sum of two weights when arcs or edges merge. Kept within -9999..9999,
// the weights a graph file can hold, and never 0, which would mean "no edge":
// an exact cancellation keeps the first weight.
std::int16_t SumarPesos(std::int16_t a, std::int16_t b);

class Grafo;

// The edges of a record in the matrix's order: each undirected edge once
// (a < b), each arc a -> b; with its weight (1 when unweighted). Loops are
// left out.
struct AristaGrafo {
    int a;
    int b;
    int peso;
};
std::vector<AristaGrafo> AristasDe(const Grafo& grafo);

// What the record reaches outside itself: the window's command states, the
// person (messages, the random source), the weight dialog, the editor's
// highlight state and the redraw of the work area. Every member may be absent; a record without an
// environment (an algorithm's scratch copy, a file check) simply has no
// window to update.
struct EntornoGrafo {
    EstadoComandos* comandos = nullptr;
    Interaccion* interaccion = nullptr;
    Seleccion* seleccion = nullptr;
    std::function<bool()> pesosAleatorios;                        // "Pesos Aleatorios" ticked
    std::function<void()> redibujar;                              // clear + DibujarGrafo(0)
    std::function<void(std::int16_t, std::int16_t)> guardarIdent; // undo record of a merge
    // Asks the weight of the edge marked as selected; the dialog writes it
    // into the matrix, and leaves it 0 when cancelled.
    std::function<void(Grafo&, const Seleccion&)> pedirPeso;
};

// The hooks belong to the one record the window holds, not to what it
// contains: a copy of a graph (an algorithm's scratch copy, the graph a
// picture was drawn from) is the graph alone and reaches no window, and
// copying a graph's contents into a record leaves that record's hooks as
// they were.
class EnganchesGrafo {
public:
    EnganchesGrafo(EntornoGrafo entorno = {}) : entorno_(std::move(entorno)) {}
    EnganchesGrafo(const EnganchesGrafo&) {}
    EnganchesGrafo& operator=(const EnganchesGrafo&) { return *this; }
    const EntornoGrafo& operator*() const { return entorno_; }
    const EntornoGrafo* operator->() const { return &entorno_; }

private:
    EntornoGrafo entorno_;
};

struct Posicion {
    std::int16_t X = 0;
    std::int16_t Y = 0;
};

class Grafo {
public:
    static constexpr int Limite = 50;
    using Linea = std::array<std::int16_t, Limite + 1>; // indexes 1..50

    explicit Grafo(EntornoGrafo entorno = {});

    const EntornoGrafo& Entorno() const { return *entorno_; }

    // --- the record ---------------------------------------------------------
    int Tipo() const { return TipoNum; }
    void InsertarTipo(const QString& nombre);
    std::int16_t dimen() const { return NumVertices; }
    void Insertar_Dimension(std::int16_t n, bool actualizarVentana);
    void IncrementarNumVertices() { ++NumVertices; }
    std::int16_t numero_aristas() const { return NumAristas; }
    void IncrementarNumAristas() { ++NumAristas; }
    void InsertarNumAristas(std::int16_t m) { NumAristas = m; }
    std::int16_t elem_matriz(int a, int b) const { return Adyacencias[a][b]; }
    void InsertarMatriz(int a, int b, std::int16_t valor) { Adyacencias[a][b] = valor; }
    std::int16_t Posic_CoordX(int v) const { return Posiciones[v].X; }
    std::int16_t Posic_CoordY(int v) const { return Posiciones[v].Y; }
    void InsertarPosicionX(int v, std::int16_t x) { Posiciones[v].X = x; }
    void InsertarPosicionY(int v, std::int16_t y) { Posiciones[v].Y = y; }
    std::int16_t Grado(int v) const { return Grados[v]; }
    std::int16_t piGradoEntrada(int v) const;
    std::int16_t piGradoSalida(int v) const;
    void ContarGrados();
    static constexpr std::int16_t limite() { return Limite; }
    std::int16_t MaxNumAristas() const;
    void Rellenar_Aleatoriamente();
    void Insertar_Ar_conect(int v, int w);

    bool Ponderado() const { return EsPonderado(TipoNum); }
    bool Dirigido() const { return EsDirigido(TipoNum); }

    // --- editing ------------------------------------------------------------
    std::int16_t AñadirVertice(std::int16_t x, std::int16_t y);
    void EliminarVertice(int v, bool actualizarVentana);
    void RecuperarVertice(std::int16_t x, std::int16_t y, int v);
    std::int16_t AñadirArista(int a, int b);
    // Both leave the record alone for an edge that is absent (present) or
    // names a vertex beyond n.
    void EliminarArista(int codigo);
    void RecuperarArista(int codigo, std::int16_t peso);
    bool ExisteArista(int codigo) const;
    void IdentificarVert(int u, int w, bool actualizarVentana);
    void RecuperarIdentificados(int u, int w, std::int16_t x, std::int16_t y);

    // The saved lines, for checks and the undo of the main window.
    const Linea& LineaFilaV() const { return FilaV; }
    const Linea& LineaFilaW() const { return FilaW; }

    bool operator==(const Grafo& otro) const; // same graph: type, n, m, matrix, positions

private:
    // Window effects.
    void ReglaGrafoSimple();
    void AñadirAristaActiva(bool activa);
    void CambiarPesoActivo(bool activo);
    void IdentificarActivo(bool activo);
    void Habilitar(const QString& control, bool habilitado);
    void Redibujar();
    Seleccion* Marcas() const { return entorno_->seleccion; }
    // Keeps the editor's marks on vertices and edges that exist: called
    // whenever the vertices are renumbered, n changes or an edge goes.
    void RenumerarMarcas(const std::function<int(int)>& nuevo);
    void DepurarMarcas();

    // Matrix surgery shared by deletion, restoring and merging.
    void CerrarHueco(int v);
    void AbrirHueco(int v);
    void ReinsertarVertice(std::int16_t x, std::int16_t y, int v, const Linea& fila, const Linea& columna);
    void PonerArista(int a, int b, std::int16_t peso);
    std::int16_t PesoNuevaArista(int a, int b);
    void FusionarLinea(int u, int w, bool fila);
    void EfectosTrasRecuperar();

    std::array<Linea, Limite + 1> Adyacencias{};
    int TipoNum = TipoGrafo::Simple;
    std::int16_t NumVertices = 0;
    std::array<Posicion, Limite + 1> Posiciones{};
    std::int16_t NumAristas = 0;
    Linea Grados{};
    std::vector<std::int16_t> GradosEntrada; // indexes 1..n
    std::vector<std::int16_t> GradosSalida;  // indexes 1..n
    Linea FilaV{};
    Linea FilaW{};
    Linea ColumnaV{};
    Linea ColumnaW{};

    EnganchesGrafo entorno_;
};
