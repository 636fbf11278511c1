#include "ui/ConversionTipo.h"

#include "algorithms/CatalogoOrdenes.h"
#include "model/Controles.h"
#include "model/Grafo.h"

namespace {

using C = Conversion;

void PesoActivo(EstadoComandos& comandos, bool activo)
{
    comandos.Habilitar(Control::Boton_cambiar_peso, activo);
    comandos.PonerImagen(Control::Boton_cambiar_peso,
                         activo ? ImagenBoton::CambiarPesoActiva : ImagenBoton::CambiarPesoInactiva);
    comandos.Habilitar(Control::Cambiar_peso, activo);
}

void AñadirAristaActivo(EstadoComandos& comandos, bool activo)
{
    comandos.Habilitar(Control::Boton_añadir_arista, activo);
    comandos.PonerImagen(Control::Boton_añadir_arista,
                         activo ? ImagenBoton::AñadirAristaActiva : ImagenBoton::AñadirAristaInactiva);
    comandos.Habilitar(Control::Añadir_Arista, activo);
}

void PasarAPonderado(Grafo& g, EstadoComandos& comandos)
{
    if (g.numero_aristas() > 0)
        PesoActivo(comandos, true);
    comandos.Habilitar(Control::Prüfer, false);
}

void QuitarPesos(Grafo& g, EstadoComandos& comandos)
{
    for (int i = 1; i <= g.dimen(); ++i)
        for (int j = 1; j <= g.dimen(); ++j)
            if (g.elem_matriz(i, j) != 0)
                g.InsertarMatriz(i, j, 1);
    PesoActivo(comandos, false);
    comandos.Habilitar(Control::Prüfer, g.Tipo() == TipoGrafo::Simple);
}

void PasarADirigido(Grafo& g, EstadoComandos& comandos)
{
    // The matrix of an undirected graph already holds both arcs of every edge.
    g.InsertarNumAristas(static_cast<std::int16_t>(2 * g.numero_aristas()));
    comandos.Habilitar(Control::Camino_minimo, true);
    for (const QString& c : {Control::Conectividad, Control::Arbol_Busqueda, Control::Prüfer})
        comandos.Habilitar(c, false);
    if (g.numero_aristas() != g.MaxNumAristas())
        AñadirAristaActivo(comandos, true);
}

void PasarANoDirigido(Grafo& g, EstadoComandos& comandos)
{
    const bool ponderado = g.Tipo() == TipoGrafo::Ponderado;
    int aristas = 0;
    for (int a = 1; a <= g.dimen(); ++a)
        for (int b = a + 1; b <= g.dimen(); ++b) {
            const std::int16_t ida = g.elem_matriz(a, b), vuelta = g.elem_matriz(b, a);
            if (ida == 0 && vuelta == 0)
                continue;
            ++aristas;
            const std::int16_t valor = ponderado ? SumarPesos(ida, vuelta) : 1;
            g.InsertarMatriz(a, b, valor);
            g.InsertarMatriz(b, a, valor);
        }
    g.InsertarNumAristas(static_cast<std::int16_t>(aristas));
    if (g.numero_aristas() == g.MaxNumAristas())
        AñadirAristaActivo(comandos, false);
    comandos.Habilitar(Control::Conectividad, true);
    comandos.Habilitar(Control::Arbol_Busqueda, g.dimen() >= 2);
    comandos.Habilitar(Control::Camino_minimo, false);
    comandos.Habilitar(Control::Prüfer, g.Tipo() == TipoGrafo::Simple);
}

} // namespace

std::vector<Conversion> ConversionesEntre(int desde, int hasta)
{
    static const std::vector<Conversion> tabla[4][4] = {
        {{}, {C::PasarAPonderado}, {C::PasarADirigido}, {C::PasarAPonderado, C::PasarADirigido}},
        {{C::QuitarPesos}, {}, {C::QuitarPesos, C::PasarADirigido}, {C::PasarADirigido}},
        {{C::PasarANoDirigido}, {C::PasarANoDirigido, C::PasarAPonderado}, {}, {C::PasarAPonderado}},
        {{C::QuitarPesos, C::PasarANoDirigido}, {C::PasarANoDirigido}, {C::QuitarPesos}, {}},
    };
    return tabla[desde][hasta];
}

void Convertir(Grafo& grafo, Conversion conversion, EstadoComandos& comandos)
{
    switch (conversion) {
    case C::PasarAPonderado: return PasarAPonderado(grafo, comandos);
    case C::QuitarPesos: return QuitarPesos(grafo, comandos);
    case C::PasarADirigido: return PasarADirigido(grafo, comandos);
    case C::PasarANoDirigido: return PasarANoDirigido(grafo, comandos);
    }
}

void CambiarTipo(Grafo& grafo, int hasta, EstadoComandos& comandos)
{
    const int desde = grafo.Tipo();
    grafo.InsertarTipo(NombreTipo(hasta));
    for (Conversion c : ConversionesEntre(desde, hasta))
        Convertir(grafo, c, comandos);
    // The commands themselves follow their rows; the steps above switch only
    // the menus and buttons that hold them, and the Prüfer menu is the
    // simple graphs' whatever the way there.
    comandos.Habilitar(Control::Prüfer, hasta == TipoGrafo::Simple);
    for (const OrdenAlgoritmo& orden : Ordenes())
        if (orden.segunTipoAlConvertir && orden.intactaDesde != desde)
            comandos.Habilitar(orden.control, Incluye(orden.tipos, hasta));
}
