#include "model/Grafo.h"

#include <algorithm>

#include "costuras/Interaccion.h"
#include "model/Controles.h"
#include "model/EstadoComandos.h"

namespace {

const QString NombresTipo[] = {QStringLiteral("Simple"), QStringLiteral("Ponderado"), QStringLiteral("Digrafo"),
                               QStringLiteral("Digrafo_Ponderado")};

} // namespace

QString NombreTipo(int tipo)
{
    return tipo >= 0 && tipo < 4 ? NombresTipo[tipo] : QString();
}

int CodigoTipo(const QString& nombre)
{
    for (int t = 0; t < 4; ++t)
        if (nombre == NombresTipo[t])
            return t;
    return -1;
}

std::int16_t SumarPesos(std::int16_t a, std::int16_t b)
{
    const int suma = std::clamp(int(a) + int(b), -9999, 9999);
    return static_cast<std::int16_t>(suma == 0 ? a : suma);
}

Grafo::Grafo(EntornoGrafo entorno) : entorno_(std::move(entorno))
{
    CambiarPesoActivo(false);
    ReglaGrafoSimple();
}

// --- the record -------------------------------------------------------------

void Grafo::InsertarTipo(const QString& nombre)
{
    const int codigo = CodigoTipo(nombre);
    if (codigo >= 0)
        TipoNum = codigo;
    ReglaGrafoSimple();
}

void Grafo::Insertar_Dimension(std::int16_t n, bool actualizarVentana)
{
    NumVertices = n;
    DepurarMarcas();
    if (!actualizarVentana)
        return;
    Habilitar(Control::Arbol_Busqueda, n >= 2 && !Dirigido());
    ReglaGrafoSimple();
}

std::int16_t Grafo::piGradoEntrada(int v) const
{
    return v < static_cast<int>(GradosEntrada.size()) ? GradosEntrada[v] : 0;
}

std::int16_t Grafo::piGradoSalida(int v) const
{
    return v < static_cast<int>(GradosSalida.size()) ? GradosSalida[v] : 0;
}

void Grafo::ContarGrados()
{
    const int n = NumVertices;
    if (!Dirigido()) {
        std::fill(Grados.begin(), Grados.begin() + n + 1, 0);
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= n; ++j)
                if (Adyacencias[i][j] != 0)
                    ++Grados[j];
        return;
    }
    if (n > 0) {
        GradosEntrada.assign(n + 1, 0);
        GradosSalida.assign(n + 1, 0);
    }
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            if (Adyacencias[i][j] != 0) {
                ++GradosEntrada[j];
                ++GradosSalida[i];
            }
}

std::int16_t Grafo::MaxNumAristas() const
{
    const int s = NumVertices * (NumVertices - 1) / 2;
    return static_cast<std::int16_t>(Dirigido() ? 2 * s : s);
}

void Grafo::Rellenar_Aleatoriamente()
{
    if (!entorno_->interaccion)
        return;
    FuenteAleatoria& azar = entorno_->interaccion->Azar();
    azar.ResembrarDelReloj();
    const int n = NumVertices;
    if (TipoNum == TipoGrafo::Digrafo_Ponderado) {
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= n; ++j)
                if (i != j && Adyacencias[i][j] != 0)
                    Adyacencias[i][j] = azar.PesoAleatorio();
    } else if (TipoNum == TipoGrafo::Ponderado) {
        for (int i = 1; i <= n; ++i)
            for (int j = i + 1; j <= n; ++j)
                if (Adyacencias[i][j] != 0)
                    Adyacencias[i][j] = Adyacencias[j][i] = azar.PesoAleatorio();
    }
}

void Grafo::Insertar_Ar_conect(int v, int w)
{
    for (int i = 1; i <= NumVertices; ++i) {
        FilaV[i] = Adyacencias[v][i];
        if (Dirigido())
            ColumnaV[i] = Adyacencias[i][v];
    }
    if (w == 0)
        return;
    for (int i = 1; i <= NumVertices; ++i) {
        FilaW[i] = Adyacencias[w][i];
        if (Dirigido())
            ColumnaW[i] = Adyacencias[i][w];
    }
}

bool Grafo::operator==(const Grafo& otro) const
{
    if (TipoNum != otro.TipoNum || NumVertices != otro.NumVertices || NumAristas != otro.NumAristas)
        return false;
    for (int i = 1; i <= Limite; ++i) {
        if (Adyacencias[i] != otro.Adyacencias[i])
            return false;
        if (Posiciones[i].X != otro.Posiciones[i].X || Posiciones[i].Y != otro.Posiciones[i].Y)
            return false;
    }
    return true;
}

// --- window effects -----------------------------------------------------------

void Grafo::Habilitar(const QString& control, bool habilitado)
{
    if (entorno_->comandos)
        entorno_->comandos->Habilitar(control, habilitado);
}

void Grafo::ReglaGrafoSimple()
{
    const bool activa = TipoNum == TipoGrafo::Simple && NumVertices >= 1;
    for (const QString& control : Control::ComandosGrafoSimple)
        Habilitar(control, activa);
}

namespace {

void ConmutarPar(EstadoComandos* comandos, const QString& boton, const QString& menu, bool activo, int imagenActiva,
                 int imagenInactiva)
{
    if (!comandos)
        return;
    comandos->Habilitar(boton, activo);
    comandos->PonerImagen(boton, activo ? imagenActiva : imagenInactiva);
    comandos->Habilitar(menu, activo);
}

} // namespace

void Grafo::AñadirAristaActiva(bool activa)
{
    ConmutarPar(entorno_->comandos, Control::Boton_añadir_arista, Control::Añadir_Arista, activa,
                ImagenBoton::AñadirAristaActiva, ImagenBoton::AñadirAristaInactiva);
}

void Grafo::CambiarPesoActivo(bool activo)
{
    ConmutarPar(entorno_->comandos, Control::Boton_cambiar_peso, Control::Cambiar_peso, activo,
                ImagenBoton::CambiarPesoActiva, ImagenBoton::CambiarPesoInactiva);
}

void Grafo::IdentificarActivo(bool activo)
{
    ConmutarPar(entorno_->comandos, Control::Boton_unir_vert_desact, Control::Ident_vertices, activo,
                ImagenBoton::UnirVerticesActiva, ImagenBoton::UnirVerticesInactiva);
}

void Grafo::RenumerarMarcas(const std::function<int(int)>& nuevo)
{
    if (Marcas())
        Marcas()->Renumerar(nuevo);
}

void Grafo::DepurarMarcas()
{
    if (Marcas())
        Marcas()->Depurar(NumVertices, [this](int codigo) { return ExisteArista(codigo); });
}

void Grafo::Redibujar()
{
    if (entorno_->redibujar)
        entorno_->redibujar();
}

std::vector<AristaGrafo> AristasDe(const Grafo& grafo)
{
    std::vector<AristaGrafo> aristas;
    const int n = std::clamp<int>(grafo.dimen(), 0, Grafo::Limite);
    for (int a = 1; a <= n; ++a)
        for (int b = grafo.Dirigido() ? 1 : a + 1; b <= n; ++b)
            if (a != b && grafo.elem_matriz(a, b) != 0)
                aristas.push_back({a, b, std::clamp<int>(grafo.elem_matriz(a, b), -9999, 9999)});
    return aristas;
}
