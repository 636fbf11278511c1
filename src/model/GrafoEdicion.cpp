// The record's editing operations: what a user's add, delete, merge and undo
// do to the matrix, the counts, the positions and the window's commands.
#include "model/Grafo.h"

#include "costuras/Interaccion.h"
#include "model/Controles.h"
#include "model/EstadoComandos.h"

namespace {

std::int16_t MostrarError(Interaccion* interaccion, const QString& texto)
{
    if (!interaccion)
        return Respuesta::Aceptar;
    return interaccion->Mensaje(texto, QStringLiteral("ERROR"), Icono::Critico, Botones::Aceptar);
}

} // namespace

// --- matrix surgery -------------------------------------------------------------

void Grafo::PonerArista(int a, int b, std::int16_t peso)
{
    Adyacencias[a][b] = peso;
    if (!Dirigido())
        Adyacencias[b][a] = peso;
}

// Removes row and column v, moving the vertices above v one number down.
void Grafo::CerrarHueco(int v)
{
    const int n = NumVertices;
    const auto viejo = Adyacencias;
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            if (i != v && j != v)
                Adyacencias[i > v ? i - 1 : i][j > v ? j - 1 : j] = viejo[i][j];
    for (int i = v; i < n; ++i)
        Posiciones[i] = Posiciones[i + 1];
    for (int i = 1; i <= n; ++i)
        Adyacencias[n][i] = Adyacencias[i][n] = 0;
    Posiciones[n] = {};
    --NumVertices;
    RenumerarMarcas([v](int u) { return u == v ? 0 : u > v ? u - 1 : u; });
    DepurarMarcas();
}

// Opens an empty row and column at v, moving vertices v..n one number up.
void Grafo::AbrirHueco(int v)
{
    const int n = NumVertices;
    const auto viejo = Adyacencias;
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            Adyacencias[i >= v ? i + 1 : i][j >= v ? j + 1 : j] = viejo[i][j];
    for (int i = n; i >= v; --i)
        Posiciones[i + 1] = Posiciones[i];
    for (int i = 1; i <= n + 1; ++i)
        Adyacencias[v][i] = Adyacencias[i][v] = 0;
    RenumerarMarcas([v](int u) { return u >= v ? u + 1 : u; });
}

void Grafo::ReinsertarVertice(std::int16_t x, std::int16_t y, int v, const Linea& fila, const Linea& columna)
{
    AbrirHueco(v);
    for (int i = 1; i <= NumVertices + 1; ++i) {
        if (i == v)
            continue;
        Adyacencias[v][i] = fila[i];
        Adyacencias[i][v] = Dirigido() ? columna[i] : fila[i];
    }
    Posiciones[v] = {x, y};
    ++NumVertices;
}

void Grafo::EfectosTrasRecuperar()
{
    DepurarMarcas();
    ReglaGrafoSimple();
    if (Marcas())
        Marcas()->VerticeSeleccionado = 0;
    Redibujar();
    AñadirAristaActiva(NumAristas != MaxNumAristas());
    if (NumVertices > 1) {
        if (Marcas())
            Marcas()->BorrarMarcasArista();
        IdentificarActivo(true);
    }
}

// --- vertices -------------------------------------------------------------------

std::int16_t Grafo::AñadirVertice(std::int16_t x, std::int16_t y)
{
    if (NumVertices >= Limite)
        return MostrarError(entorno_->interaccion,
                            QStringLiteral("Demasiados vértices; no se permiten más de %1.").arg(Limite));
    ++NumVertices;
    Posiciones[NumVertices] = {x, y};
    Habilitar(Control::Boton_imprimir, true);
    if (NumVertices > 1) {
        AñadirAristaActiva(true);
        if (Marcas())
            Marcas()->BorrarMarcasArista();
        IdentificarActivo(true);
        Habilitar(Control::Arbol_Busqueda, !Dirigido());
    }
    if (entorno_->comandos)
        entorno_->comandos->AplicarTipo(Tipo());
    ReglaGrafoSimple();
    return 0;
}

void Grafo::EliminarVertice(int v, bool actualizarVentana)
{
    for (int i = 1; i <= NumVertices; ++i) {
        if (i == v)
            continue;
        if (Adyacencias[i][v] != 0)
            --NumAristas;
        if (Dirigido() && Adyacencias[v][i] != 0)
            --NumAristas;
    }
    CerrarHueco(v);
    if (!actualizarVentana)
        return;
    ReglaGrafoSimple();
    if (NumAristas == MaxNumAristas())
        AñadirAristaActiva(false);
    if (Marcas())
        Marcas()->VerticeSeleccionado = 0;
    Redibujar();
    if (NumVertices < 2) {
        AñadirAristaActiva(false);
        IdentificarActivo(false);
        Habilitar(Control::Arbol_Busqueda, false);
    }
    if (NumVertices == 0) {
        Habilitar(Control::Boton_matriz_adyacencia, false);
        Habilitar(Control::Matriz_adyacencia, false);
        Habilitar(Control::Boton_imprimir, false);
    }
}

void Grafo::RecuperarVertice(std::int16_t x, std::int16_t y, int v)
{
    for (int i = 1; i <= NumVertices + 1; ++i) {
        if (i == v)
            continue;
        if (FilaV[i] != 0)
            ++NumAristas;
        if (Dirigido() && ColumnaV[i] != 0)
            ++NumAristas;
    }
    ReinsertarVertice(x, y, v, FilaV, ColumnaV);
    EfectosTrasRecuperar();
}

// --- edges ----------------------------------------------------------------------

std::int16_t Grafo::AñadirArista(int a, int b)
{
    if (a == b) {
        MostrarError(entorno_->interaccion,
                     QStringLiteral("No se pueden añadir aristas con el mismo vértice origen y destino."));
        return 1;
    }
    if (Adyacencias[a][b] != 0) {
        MostrarError(entorno_->interaccion,
                     QStringLiteral("Ya existe arista entre el vértice %1 y el vértice %2.").arg(a).arg(b));
        return 1;
    }
    std::int16_t peso = 1;
    if (Ponderado()) {
        peso = PesoNuevaArista(a, b);
        if (peso == 0)
            return 1;
        if (NumAristas == 0)
            CambiarPesoActivo(true);
    }
    PonerArista(a, b, peso);
    ++NumAristas;
    if (NumAristas == MaxNumAristas())
        AñadirAristaActiva(false);
    return 0;
}

// The weight of a new edge of a weighted graph: random when "Pesos Aleatorios"
// is ticked, otherwise asked in the weight dialog; 0 when the user cancels.
std::int16_t Grafo::PesoNuevaArista(int a, int b)
{
    Interaccion* interaccion = entorno_->interaccion;
    if (!interaccion)
        return 0;
    if (entorno_->pesosAleatorios && entorno_->pesosAleatorios()) {
        interaccion->Azar().ResembrarDelReloj();
        return interaccion->Azar().PesoAleatorio();
    }
    if (!entorno_->pedirPeso)
        return 0;
    Seleccion local;
    Seleccion& marcas = Marcas() ? *Marcas() : local;
    marcas.VerticeSeleccionado = 0;
    marcas.AristaSeleccionada = CodigoArista(a, b);
    entorno_->pedirPeso(*this, marcas);
    marcas.AristaSeleccionada = 0;
    return Adyacencias[a][b];
}

bool Grafo::ExisteArista(int codigo) const
{
    const int a = OrigenArista(codigo), b = DestinoArista(codigo);
    return a >= 1 && b >= 1 && a <= NumVertices && b <= NumVertices && Adyacencias[a][b] != 0;
}

void Grafo::EliminarArista(int codigo)
{
    // A stale mark may name an edge that is gone: the count must not follow it.
    if (!ExisteArista(codigo))
        return;
    --NumAristas;
    PonerArista(OrigenArista(codigo), DestinoArista(codigo), 0);
    DepurarMarcas();
    Redibujar();
    AñadirAristaActiva(true);
    if (NumAristas == 0)
        CambiarPesoActivo(false);
}

void Grafo::RecuperarArista(int codigo, std::int16_t peso)
{
    const int a = OrigenArista(codigo), b = DestinoArista(codigo);
    if (peso == 0 || a == b || a < 1 || b < 1 || a > NumVertices || b > NumVertices || Adyacencias[a][b] != 0)
        return;
    ++NumAristas;
    PonerArista(OrigenArista(codigo), DestinoArista(codigo), peso);
    Redibujar();
    if (NumAristas == MaxNumAristas())
        AñadirAristaActiva(false);
    // Changing a weight is never offered on an unweighted graph: a weight
    // written there would break its 0/1 matrix.
    if (NumAristas == 1 && Ponderado())
        CambiarPesoActivo(true);
}

// --- merging two vertices ---------------------------------------------------------

// Adds the row (or column) of w to that of u, counting the new arcs.
void Grafo::FusionarLinea(int u, int w, bool fila)
{
    for (int i = 1; i <= NumVertices; ++i) {
        if (i == u)
            continue;
        std::int16_t& destino = fila ? Adyacencias[u][i] : Adyacencias[i][u];
        const std::int16_t origen = fila ? Adyacencias[w][i] : Adyacencias[i][w];
        if (destino == 0 && origen != 0)
            ++NumAristas;
        if (TipoNum == TipoGrafo::Digrafo_Ponderado)
            destino = SumarPesos(destino, origen);
        else if (origen != 0)
            destino = 1;
    }
}

void Grafo::IdentificarVert(int u, int w, bool actualizarVentana)
{
    if (actualizarVentana) {
        Insertar_Ar_conect(u, w);
        if (entorno_->guardarIdent)
            entorno_->guardarIdent(static_cast<std::int16_t>(u), static_cast<std::int16_t>(w));
        Habilitar(Control::Deshacer, true);
        Habilitar(Control::Boton_deshacer, true);
    }
    if (Dirigido()) {
        FusionarLinea(u, w, true);
        FusionarLinea(u, w, false);
    } else {
        // An edge u already has keeps u's weight.
        for (int i = 1; i <= NumVertices; ++i)
            if (i != u && Adyacencias[u][i] == 0 && Adyacencias[w][i] != 0) {
                ++NumAristas;
                Adyacencias[u][i] = Adyacencias[i][u] = Adyacencias[w][i];
            }
    }
    EliminarVertice(w, actualizarVentana);
    if (!actualizarVentana)
        return;
    AñadirAristaActiva(NumAristas != MaxNumAristas());
    if (NumAristas == 0)
        CambiarPesoActivo(false);
    if (NumVertices < 2)
        IdentificarActivo(false);
    if (NumVertices == 0) {
        Habilitar(Control::Boton_matriz_adyacencia, false);
        Habilitar(Control::Matriz_adyacencia, false);
    }
}

void Grafo::RecuperarIdentificados(int u, int w, std::int16_t x, std::int16_t y)
{
    ReinsertarVertice(x, y, w, FilaW, ColumnaW);
    // Edges of w come back; the edges the merge gave u go away.
    for (int i = 1; i <= NumVertices; ++i) {
        if (i != w && Adyacencias[w][i] != 0)
            ++NumAristas;
        if (i != w && Dirigido() && Adyacencias[i][w] != 0)
            ++NumAristas;
        if (i == u)
            continue;
        if (FilaV[i] == 0 && Adyacencias[u][i] != 0)
            --NumAristas;
        if (Dirigido() && ColumnaV[i] == 0 && Adyacencias[i][u] != 0)
            --NumAristas;
    }
    for (int i = 1; i <= NumVertices; ++i) {
        if (i == u)
            continue;
        Adyacencias[u][i] = FilaV[i];
        Adyacencias[i][u] = Dirigido() ? ColumnaV[i] : FilaV[i];
    }
    EfectosTrasRecuperar();
}
