#include "generators/Marco.h"

#include <algorithm>

#include "model/Controles.h"
#include "model/Grafo.h"

namespace {

// How close a drawing brought back into the area may come to its edges: the
// vertex circles (radius 110) stay whole with some air around them.
constexpr double MargenEncuadre = 270;

struct Caja {
    double x0, y0, x1, y1;
};

Caja CajaDe(const Grafo& grafo)
{
    const double x = grafo.Posic_CoordX(1), y = grafo.Posic_CoordY(1);
    Caja c{x, y, x, y};
    for (int v = 2; v <= grafo.dimen(); ++v) {
        c.x0 = std::min<double>(c.x0, grafo.Posic_CoordX(v));
        c.x1 = std::max<double>(c.x1, grafo.Posic_CoordX(v));
        c.y0 = std::min<double>(c.y0, grafo.Posic_CoordY(v));
        c.y1 = std::max<double>(c.y1, grafo.Posic_CoordY(v));
    }
    return c;
}

// The shrink that fits `largo` into `espacio`; 1 when it fits already.
double Reduccion(double espacio, double largo)
{
    return largo > espacio && largo > 0 ? std::max(espacio, 0.0) / largo : 1.0;
}

// Some layouts use fixed distances (the tripartite triangle, the cubes), which
// a small work area cannot hold; such a drawing is shrunk about its middle and
// centred rather than left partly out of sight, or with negative positions
// that no graph file can hold.
void EncuadrarSiSale(Grafo& grafo, DimensionesArea area)
{
    if (grafo.dimen() < 1)
        return;
    const Caja c = CajaDe(grafo);
    if (c.x0 >= 0 && c.y0 >= 0 && c.x1 <= area.ancho && c.y1 <= area.alto)
        return;
    const double margen = std::min({MargenEncuadre, area.ancho / 4, area.alto / 4});
    const double f =
        std::min(Reduccion(area.ancho - 2 * margen, c.x1 - c.x0), Reduccion(area.alto - 2 * margen, c.y1 - c.y0));
    const double cx = (c.x0 + c.x1) / 2, cy = (c.y0 + c.y1) / 2;
    for (int v = 1; v <= grafo.dimen(); ++v)
        Colocar(grafo, v, area.ancho / 2 + (grafo.Posic_CoordX(v) - cx) * f,
                area.alto / 2 + (grafo.Posic_CoordY(v) - cy) * f);
}

bool PesosAleatoriosMarcados(const Grafo& grafo)
{
    const auto& marcado = grafo.Entorno().pesosAleatorios;
    return marcado && marcado();
}

// A menu command with its toolbar button and the button's picture.
void Par(EstadoComandos& comandos, const QString& menu, const QString& boton, bool activo, int imagen)
{
    comandos.Habilitar(menu, activo);
    comandos.Habilitar(boton, activo);
    comandos.PonerImagen(boton, imagen);
}

} // namespace

void Dimensionar(Grafo& grafo, int n)
{
    grafo.Insertar_Dimension(static_cast<std::int16_t>(n), true);
}

void Colocar(Grafo& grafo, int v, double x, double y)
{
    grafo.InsertarPosicionX(v, ACoordenada(x));
    grafo.InsertarPosicionY(v, ACoordenada(y));
}

void Unir(Grafo& grafo, int a, int b)
{
    if (a == b || grafo.elem_matriz(a, b) != 0)
        return;
    grafo.InsertarMatriz(a, b, 1);
    grafo.InsertarMatriz(b, a, 1);
    grafo.IncrementarNumAristas();
    if (grafo.Dirigido())
        grafo.IncrementarNumAristas();
}

void Terminar(Grafo& grafo, DimensionesArea area, bool pesos)
{
    EncuadrarSiSale(grafo, area);
    if (pesos && grafo.Ponderado() && PesosAleatoriosMarcados(grafo))
        grafo.Rellenar_Aleatoriamente();
    const EntornoGrafo& entorno = grafo.Entorno();
    if (entorno.redibujar)
        entorno.redibujar();
    if (entorno.comandos)
        ActualizarVentanaGenerada(grafo, *entorno.comandos);
}

void ActualizarVentanaGenerada(const Grafo& grafo, EstadoComandos& comandos)
{
    using namespace Control;
    const int n = grafo.dimen();
    if (n >= 1) {
        comandos.Habilitar(Matriz_adyacencia, true);
        comandos.Habilitar(Boton_matriz_adyacencia, true);
        comandos.AplicarTipo(grafo.Tipo());
        const bool caben = grafo.numero_aristas() != grafo.MaxNumAristas();
        Par(comandos, Añadir_Arista, Boton_añadir_arista, caben,
            caben ? ImagenBoton::AñadirAristaActiva : ImagenBoton::AñadirAristaInactiva);
    }
    if (n >= 2)
        Par(comandos, Ident_vertices, Boton_unir_vert_desact, true, ImagenBoton::UnirVerticesActiva);
    if (grafo.numero_aristas() == 0)
        Par(comandos, Cambiar_peso, Boton_cambiar_peso, false, ImagenBoton::CambiarPesoInactiva);
    else if (grafo.Ponderado())
        Par(comandos, Cambiar_peso, Boton_cambiar_peso, true, ImagenBoton::CambiarPesoActiva);
}
